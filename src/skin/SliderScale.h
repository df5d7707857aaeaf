// The arithmetic of the skinned horizontal slider: where the thumb sits for a value, which
// value a thumb place stands for, and what a click, a wheel notch or a release settles on.
// The thumb moves inside a movement rectangle from left to right; its left edge is its place.
#pragma once

#include <cstdint>
#include <optional>

class SliderScale {
public:
    int left = 0;  // movement rectangle, track coordinates
    int right = 0;
    int thumbWidth = 0;
    std::int32_t minimum = 0;
    std::int32_t maximum = 10;

    // How far the thumb's left edge can travel. A thumb as wide as the track or wider has
    // nowhere to go, so every value sits at the left.
    int Travel() const;

    // x = L + travel * (v - min) / (max - min), integer division, for a value already held to
    // the range. An empty range puts everything at the left.
    int PositionOf(std::int32_t value) const;
    // v = min + (max - min) * (x - L) / travel: whole (during a drag) and single precision (on
    // release). No travel or an empty range gives min.
    std::int32_t ValueAt(int x) const;
    float ValueAtPrecise(int x) const;

    // The left edge after a drag by dx, held so the thumb stays inside the movement rectangle.
    int DragTo(int thumbLeft, int dx) const;
};

// A range is usable only with maximum > minimum; everything else would divide by zero.
bool IsUsableRange(std::int32_t minimum, std::int32_t maximum);

// Held to minimum..maximum; a range without room gives minimum.
std::int32_t ClampToRange(std::int32_t value, std::int32_t minimum, std::int32_t maximum);

// Where a stored value is shown. The comparison is unsigned, so on the ranges in use (which
// start at 0 or above) a negative value shows at the maximum end, as stored profiles expect;
// a range reaching below 0 compares signed, where the unsigned rule would make no sense.
std::int32_t DisplayValue(std::int32_t value, std::int32_t minimum, std::int32_t maximum);

// The whole part of (step / 2 + v) with snapping, of v without. Values beyond 32 bits are
// held to its ends first.
std::int32_t SettleValue(float value, bool snap, int step);

// The largest multiple of step not above value (integer division); a step below 1 counts 1.
std::int32_t SnapDown(std::int32_t value, int step);

struct TrackClick {
    std::int32_t value = 0;     // the track's new value
    std::int32_t position = 0;  // the value reported and given to the thumb
};
// A click px pixels from the track's left edge on a track trackWidth wide.
TrackClick ClickOnTrack(int px, int trackWidth, std::int32_t minimum, std::int32_t maximum,
                        bool snap, int snapStep);

// One wheel notch: a positive delta adds step, zero or negative subtracts it; the result is
// held to the range. No result when the value would not change.
std::optional<std::int32_t> WheelStep(std::int32_t value, int delta, int step, std::int32_t minimum,
                                      std::int32_t maximum);
