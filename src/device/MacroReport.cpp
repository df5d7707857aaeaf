#include "device/MacroReport.h"

#include <algorithm>

#include "data/FixedText.h"
#include "device/AnsiCodePage.h"

namespace {

constexpr std::uint8_t kPressAction = 1;
constexpr std::uint8_t kReleaseBit = 0x80;

}  // namespace

LongDelay EncodeLongDelay(std::uint32_t delayMs) {
    if (delayMs / 50 <= 255) {
        return {static_cast<std::uint8_t>(delayMs / 50), 1};
    }
    if (delayMs / 100 <= 255) {
        return {static_cast<std::uint8_t>(delayMs / 100), 2};
    }
    // The low byte alone would turn a long wait into a short one.
    return {static_cast<std::uint8_t>(std::min<std::uint32_t>(delayMs / 200, 255)), 3};
}

std::span<const MacroEvent> ValidMacroEvents(const tagBUTTON& button) {
    const std::size_t count =
        std::min<std::size_t>(button.macroEventCount, kMacroEventCapacity);  // foreign files
    return {button.macroEvents, count};
}

std::vector<MacroEvent> FoldDelays(std::span<const MacroEvent> events) {
    std::vector<MacroEvent> out;
    out.reserve(events.size());
    for (const MacroEvent& e : events) {
        if (e.code == kMacroDelayCode && !out.empty()) {
            // Saturate: a wrapped sum would shorten the wait.
            const std::uint32_t sum = std::uint32_t{out.back().delay} + e.delay;
            out.back().delay = static_cast<std::uint16_t>(std::min<std::uint32_t>(sum, 0xFFFF));
            continue;
        }
        out.push_back(e);
    }
    return out;
}

std::size_t EncodeMacroEntry(const MacroEvent& entry, std::span<std::uint8_t> out) {
    const bool press = entry.action == kPressAction;
    if (entry.delay <= kShortEntryMaxDelay) {
        if (out.size() < 2) {
            return 0;
        }
        // Units of 2 ms with bit 0 always set, so the shortest wait is 2 ms.
        const auto units = static_cast<std::uint8_t>((entry.delay / 2) | 1);
        out[0] = static_cast<std::uint8_t>(units | (press ? 0 : kReleaseBit));
        out[1] = entry.code;
        return 2;
    }
    if (out.size() < 4) {
        return 0;
    }
    const LongDelay d = EncodeLongDelay(entry.delay);
    out[0] = press ? 0x01 : 0x81;
    out[1] = entry.code;
    out[2] = d.value;
    out[3] = d.scale;
    return 4;
}

void WriteMacroName(const tagBUTTON& button, std::span<std::uint8_t, kMacroNameBytes> field) {
    std::fill(field.begin(), field.end(), std::uint8_t{0});
    const std::string ansi = ToWindows1252(ReadFixedText(button.macroName));
    // One byte per character, so the cut never splits one; the device needs the terminator.
    const std::size_t kept = std::min(ansi.size(), kMacroNameBytes - 1);
    std::copy_n(reinterpret_cast<const std::uint8_t*>(ansi.data()), kept, field.begin());
}

MacroEntrySummary BuildMacroReport(const tagBUTTON& button, int position,
                                   std::span<std::uint8_t, kMacroReportLength> report) {
    std::fill(report.begin(), report.end(), std::uint8_t{0});
    report[0] = kMacroReportId;
    report[1] = static_cast<std::uint8_t>(kMacroReportLength);
    report[2] = static_cast<std::uint8_t>(position + 1);
    report[3] = static_cast<std::uint8_t>(button.playbackMode & 0xFF);
    const auto repeat = static_cast<std::uint8_t>(button.repeatCount & 0xFF);
    report[4] = repeat == 0 ? 1 : repeat;  // a stored 0 plays once
    WriteMacroName(button, report.subspan<kMacroNameOffset, kMacroNameBytes>());

    const std::vector<MacroEvent> entries = FoldDelays(ValidMacroEvents(button));
    MacroEntrySummary summary;
    std::span<std::uint8_t> area = report.subspan<kMacroEntryOffset, kMacroEntryBytes>();
    for (const MacroEvent& e : entries) {
        // Only whole entries, and none after the first that does not fit, so the device
        // plays a true beginning of the macro with a count that matches its bytes.
        const std::size_t size = EncodeMacroEntry(e, area);
        if (size == 0) {
            break;
        }
        area = area.subspan(size);
        ++summary.entriesSent;
        if (size == 4) {
            ++summary.longEntries;
        }
    }
    summary.entriesLeftOut = entries.size() - summary.entriesSent;
    // The count is in 2-byte units: a long entry counts twice.
    report[kMacroUnitCountOffset] =
        static_cast<std::uint8_t>(summary.entriesSent + summary.longEntries);
    return summary;
}
