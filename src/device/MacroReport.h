// The macro report: one per macro button, carrying the button's embedded macro.
#pragma once

#include <cstddef>
#include <cstdint>
#include <span>
#include <vector>

#include "data/ProfileRecord.h"
#include "device/ReportLayout.h"

inline constexpr std::size_t kMacroNameOffset = 5;
inline constexpr std::size_t kMacroNameBytes = 24;
inline constexpr std::size_t kMacroUnitCountOffset = 29;
inline constexpr std::size_t kMacroEntryOffset = 30;
inline constexpr std::size_t kMacroEntryBytes = kMacroReportLength - kMacroEntryOffset;  // 100

// Delays up to this many milliseconds fit the 2-byte entry.
inline constexpr std::uint16_t kShortEntryMaxDelay = 255;

// The long entry's delay: value × (50, 100 or 200 ms for scale 1, 2, 3).
struct LongDelay {
    std::uint8_t value;
    std::uint8_t scale;
};
// The coarsest unit that holds d; a delay beyond 255 × 200 ms is sent as that maximum.
LongDelay EncodeLongDelay(std::uint32_t delayMs);

// The valid events of a button: macroEventCount of them, never more than the record holds.
std::span<const MacroEvent> ValidMacroEvents(const tagBUTTON& button);

// The device has no delay entry of its own: a delay entry adds its delay to the entry before
// it. A delay entry in first place has nothing to join and is kept. Sums stop at 65535.
std::vector<MacroEvent> FoldDelays(std::span<const MacroEvent> events);

// Writes one entry at the start of out (2 or 4 bytes) and returns its size, or 0 when out
// is too short for it; nothing is written then.
std::size_t EncodeMacroEntry(const MacroEvent& entry, std::span<std::uint8_t> out);

// What went into a macro report's entry area.
struct MacroEntrySummary {
    std::size_t entriesSent = 0;
    std::size_t longEntries = 0;
    std::size_t entriesLeftOut = 0;  // did not fit the 100-byte area
};

// Writes the macro name in Windows-1252: at most 23 bytes and a terminating zero.
void WriteMacroName(const tagBUTTON& button, std::span<std::uint8_t, kMacroNameBytes> field);

// position is the record's place in the profile, 0..11; the report names it 1-based.
MacroEntrySummary BuildMacroReport(const tagBUTTON& button, int position,
                                   std::span<std::uint8_t, kMacroReportLength> report);
