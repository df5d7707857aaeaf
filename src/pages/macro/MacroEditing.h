// What the macro page does to the selected macro's events: the list rows built from the
// buffer, and the edits the page's buttons make. Rows skip 0 ms delays, so every edit takes
// the event a row stands for from the row's item value, never from the row number.
#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "macro/MacroEventBuffer.h"

// Item value of a row: bits 16-31 the event index + 1, bits 8-15 the event's code, bits 0-7
// the kind (icon in the low digit, press 1 / release 2 in the high digit).
inline constexpr std::uint32_t kRowKindDelay = 0x04;
inline constexpr std::uint32_t kRowKindKeyPress = 0x12;
inline constexpr std::uint32_t kRowKindKeyRelease = 0x23;
inline constexpr std::uint32_t kRowKindMousePress = 0x15;
inline constexpr std::uint32_t kRowKindMouseRelease = 0x25;

std::uint32_t RowValueOf(const MacroEvent& e, int eventIndex);
// The event a row stands for, or -1 for a value that names none.
int EventOfRowValue(std::uint32_t value);

bool IsMouseButtonCode(std::uint8_t code);
bool IsActionEvent(const MacroEvent& e);

struct EventRow {
    std::u16string text;
    std::uint32_t value = 0;
    int eventIndex = -1;
};

// The name of a key's device code, as the list shows it.
using CodeNameFn = std::function<std::u16string(std::uint8_t code)>;

std::vector<EventRow> BuildEventRows(const MacroEventBuffer& buffer, const CodeNameFn& name);
// The row of an event, or of the nearest shown event before it (a hidden 0 ms delay has no
// row of its own); -1 when there is none.
int RowOfEvent(const std::vector<EventRow>& rows, int eventIndex);

// The event that pairs with an action for a delete: a press's first later release of the
// same code, a release's nearest earlier press. -1 for none.
int DeletePartner(const MacroEventBuffer& buffer, int eventIndex);
// The partner that follows a key edit: a press's first later event of the same code, a
// release's nearest earlier one. -1 for none.
int ModifyPartner(const MacroEventBuffer& buffer, int eventIndex);

// Removes the event and, for an action, its partner; the delays between stay. With
// onlyRow set (the event is the list's single row) the whole buffer empties.
void DeleteEvent(MacroEventBuffer& buffer, int eventIndex, bool onlyRow);

// Swaps the events of two neighbouring rows, unless they are a key's own press and release
// (same code, not a delay). True when swapped.
bool SwapRowEvents(MacroEventBuffer& buffer, int eventA, int eventB);

enum class DelayPlace { Before, After };
// A delay in front of or behind an event. Nothing in front of the first row or behind the
// last, and nothing in a full buffer; the inserted event's index, or -1.
int InsertDelay(MacroEventBuffer& buffer, const std::vector<EventRow>& rows, int row,
                DelayPlace place, std::uint16_t delay);

// The end of an in-place edit: an action takes the captured code, and so does its partner;
// a delay takes the number at the start of the text (0 for none, at most 65535).
void FinishModify(MacroEventBuffer& buffer, int eventIndex, std::uint8_t pendingCode,
                  const std::u16string& editedText);

// While a key row is edited, the released left or right Shift, Ctrl or Alt is told apart by
// its key-message lParam; any other key stays as it is.
std::uint32_t SidedModifierKey(std::uint32_t virtualKey, std::uint32_t lParam);
