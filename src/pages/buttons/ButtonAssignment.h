// What the button page does to the current profile: a function chosen from the menu, a key
// combination, a macro, the handedness layout. The dialogs it needs are asked through
// AssignmentDialogs, so the rules run without windows.
#pragma once

#include <array>
#include <cstdint>
#include <functional>
#include <optional>
#include <string>

#include "data/ProfileRecord.h"

class KeyboardLayout;
class MacroLibrary;
class StringTable;

namespace modifier {
inline constexpr std::uint8_t kCtrl = 0x01;
inline constexpr std::uint8_t kShift = 0x02;
inline constexpr std::uint8_t kAlt = 0x04;
inline constexpr std::uint8_t kWin = 0x08;
}  // namespace modifier

// The values of the shortcut dialog: a device key code and the four modifier toggles.
struct ShortcutValues {
    std::uint8_t key = 0;
    bool ctrl = false;
    bool shift = false;
    bool alt = false;
    bool win = false;

    std::uint8_t Mask() const;
    static ShortcutValues FromButton(const tagBUTTON& b);
    friend bool operator==(const ShortcutValues&, const ShortcutValues&) = default;
};

// The values of the macro selection dialog.
struct MacroSelection {
    int playbackMode = 0;
    int selectedIndex = -1;
};

class AssignmentDialogs {
public:
    virtual ~AssignmentDialogs() = default;
    // The warning that one button must keep left click; returns once it is closed.
    virtual void WarnLeftClickNeeded() = 0;
    // Nothing when the dialog is cancelled.
    virtual std::optional<ShortcutValues> AskShortcut(const ShortcutValues& initial) = 0;
    virtual std::optional<MacroSelection> AskMacro(const MacroSelection& initial) = 0;
};

// True when at least one of the twelve buttons keeps left click once `button` has `code`.
bool KeepsLeftClick(const tagPROFILE& profile, int button, std::uint8_t code);

// Writes a confirmed macro selection into button record b (button index `button`): the
// library's macro at the chosen index with code 18, else the button's default code. Returns
// the new code.
std::uint8_t ApplyMacroSelection(tagBUTTON& b, int button, const MacroSelection& selection,
                                 const MacroLibrary* library);

// The text a button shows for `code`, read from its record.
std::u16string AssignmentText(const tagBUTTON& b, std::uint8_t code, const KeyboardLayout& layout,
                              const StringTable& strings);

// The button records exchanged between the two handedness layouts, as index pairs.
inline constexpr std::array<std::array<int, 2>, 3> kHandedPairs = {{{0, 1}, {3, 6}, {4, 7}}};
void SwapHandedButtons(tagPROFILE& profile);

class ButtonAssignment {
public:
    using ProfileFn = std::function<tagPROFILE&()>;
    using LibraryFn = std::function<const MacroLibrary*()>;

    ButtonAssignment(ProfileFn profile, LibraryFn library);

    int CurrentButton() const { return currentButton_; }
    void SetCurrentButton(int button) { currentButton_ = button; }

    // A menu command for the current button. True when its record changed (the caller then
    // shows the button's text anew).
    bool OnFunctionCommand(int command, AssignmentDialogs& dialogs);

    // A click on handedness option 0 or 1: false, and nothing changes, when it is already
    // the profile's; else the profile takes it and the records are swapped.
    bool SelectHandedness(int option);

private:
    ProfileFn profile_;
    LibraryFn library_;
    int currentButton_ = -1;
};
