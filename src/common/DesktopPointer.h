// The pointer settings a profile hands to the desktop rather than to the mouse, in the form
// the platform layer takes them.
#pragma once

#include <cstdint>

// The desktop's mouse parameters: first threshold, second threshold, acceleration level.
struct MouseAcceleration {
    std::int32_t firstThreshold;
    std::int32_t secondThreshold;
    std::int32_t level;
    bool operator==(const MouseAcceleration&) const = default;
};

struct PointerSettings {
    std::int32_t speed;  // 1..20, passed on unchanged
    MouseAcceleration acceleration;
};

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
