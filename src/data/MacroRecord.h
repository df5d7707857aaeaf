// The macro record of the library, macro.data and .macro files. A file format: every
// offset is pinned.
#pragma once

#include <cstddef>
#include <cstdint>
#include <type_traits>

#include "data/ProfileRecord.h"

struct tagElement {
    char16_t name[kMacroNameUnits];  // at most 29 characters and a terminator
    std::int32_t repeatCount;
    std::int32_t eventCount;  // valid entries in events, 0..180
    MacroEvent events[kMacroEventCapacity];
};
static_assert(sizeof(tagElement) == 788);
static_assert(offsetof(tagElement, name) == 0);
static_assert(offsetof(tagElement, repeatCount) == 60);
static_assert(offsetof(tagElement, eventCount) == 64);
static_assert(offsetof(tagElement, events) == 68);
static_assert(std::is_trivially_copyable_v<tagElement>);
