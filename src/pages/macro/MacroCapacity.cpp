#include "pages/macro/MacroCapacity.h"

#include <array>
#include <cstdint>
#include <vector>

#include "device/MacroReport.h"

MacroFit MeasureMacroFit(std::span<const MacroEvent> events) {
    MacroFit fit;
    fit.capacity = kMacroEntryBytes;
    // The event each folded entry starts at: the first event, then every action (a delay
    // joins the entry before it).
    std::vector<int> entryStart;
    for (int i = 0; i < static_cast<int>(events.size()); ++i) {
        if (i == 0 || events[i].code != kMacroDelayCode) {
            entryStart.push_back(i);
        }
    }
    const std::vector<MacroEvent> entries = FoldDelays(events);
    std::array<std::uint8_t, kMacroEntryBytes> area{};
    std::span<std::uint8_t> room(area);
    std::array<std::uint8_t, 4> scratch{};
    std::size_t sent = 0;
    for (const MacroEvent& e : entries) {
        const std::size_t size = EncodeMacroEntry(e, room);
        if (size == 0) {
            break;
        }
        room = room.subspan(size);
        fit.bytesUsed += size;
        ++sent;
    }
    fit.bytesNeeded = fit.bytesUsed;
    for (std::size_t k = sent; k < entries.size(); ++k) {
        fit.bytesNeeded += EncodeMacroEntry(entries[k], scratch);
    }
    fit.fits = sent == entries.size();
    if (sent > 0) {
        fit.lastEventSent = entryStart[sent - 1];
    }
    return fit;
}
