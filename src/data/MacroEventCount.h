// Event counts from files are not trusted: a record holds 180 events and no more.
#pragma once

#include <algorithm>
#include <cstdint>

#include "data/MacroRecord.h"
#include "data/ProfileRecord.h"

// A count from a record as the number of events that may be read: negative counts as 0,
// above the capacity as the capacity.
inline int ClampEventCount(long long count) {
    return static_cast<int>(std::clamp<long long>(count, 0, kMacroEventCapacity));
}

inline int MacroEventCount(const tagElement& record) {
    return ClampEventCount(record.eventCount);
}
