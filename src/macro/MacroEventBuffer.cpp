#include "macro/MacroEventBuffer.h"

#include <algorithm>

void MacroEventBuffer::Clear() {
    std::fill(std::begin(events), std::end(events), MacroEvent{});
    eventCount = 0;
    delayCount = 0;
    actionCount = 0;
}

void MacroEventBuffer::Recount() {
    // A stored count can come from a damaged file; never read past the array.
    eventCount = std::clamp(eventCount, 0, kMacroEventCapacity);
    delayCount = 0;
    actionCount = 0;
    for (int i = 0; i < eventCount; ++i) {
        if (events[i].code != kMacroDelayCode) {
            ++actionCount;
        } else if (events[i].delay != 0) {
            ++delayCount;
        }
    }
}

bool MacroEventBuffer::Insert(int pos, MacroEvent e) {
    if (Full() || pos < -1 || pos > eventCount) {
        return false;
    }
    if (pos == -1) {
        pos = eventCount;
    }
    std::copy_backward(events + pos, events + eventCount, events + eventCount + 1);
    events[pos] = e;
    ++eventCount;
    return true;
}
