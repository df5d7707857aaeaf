// The two settings a profile hands to the desktop rather than to the mouse.
#pragma once

#include <cstdint>

// The desktop's mouse parameters: first threshold, second threshold, acceleration level.
struct MouseAcceleration {
    std::int32_t firstThreshold;
    std::int32_t secondThreshold;
    std::int32_t level;
    bool operator==(const MouseAcceleration&) const = default;
};

// 0 switches acceleration off, 1..5 one threshold from 10 down to 2 pixels, 6..10 a second
// threshold from 12 down to 4 at level 2; anything else (a damaged profile) is row 10.
MouseAcceleration AccelerationRow(std::int32_t pointerAccel);

struct PointerSettings {
    std::int32_t speed;  // 1..20, passed on unchanged
    MouseAcceleration acceleration;
};

struct tagPROFILE;
PointerSettings PointerSettingsOf(const tagPROFILE& profile);

// X has one multiplier and one threshold where the desktop of origin has a speed, two
// thresholds and a level. The multiplier is the speed's factor (speed 10 = 1) times the
// level's factor (level 0 = 1, level 1 = 2, level 2 = 4), as a fraction over 32; the
// threshold is the one the level starts at (the first for level 1, the second for level 2),
// or 0 when acceleration is off.
struct XPointerControl {
    std::int32_t numerator;
    std::int32_t denominator;
    std::int32_t threshold;
    bool operator==(const XPointerControl&) const = default;
};
XPointerControl ToXPointerControl(const PointerSettings& settings);
