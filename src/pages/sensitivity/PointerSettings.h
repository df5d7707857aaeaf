// The two settings a profile hands to the desktop rather than to the mouse.
#pragma once

#include <cstdint>

#include "common/DesktopPointer.h"

// 0 switches acceleration off, 1..5 one threshold from 10 down to 2 pixels, 6..10 a second
// threshold from 12 down to 4 at level 2; anything else (a damaged profile) is row 10.
MouseAcceleration AccelerationRow(std::int32_t pointerAccel);

struct tagPROFILE;
PointerSettings PointerSettingsOf(const tagPROFILE& profile);
