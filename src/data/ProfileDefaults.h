#pragma once

#include <string_view>

#include "data/ProfileRecord.h"

// namePrefix is string 49 of the string table; the name becomes prefix + (n + 1).
void FillProfileDefaults(tagPROFILE& record, int n, std::u16string_view namePrefix);

// Touches only currentSlot, slotProfile and profiles: callers that need the device updated
// set the change flags themselves.
void ResetStateDefaults(tagSTATEBLOCK& block, std::u16string_view namePrefix);
