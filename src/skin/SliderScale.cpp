#include "skin/SliderScale.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace {

// Products of a range and a distance can pass 32 bits on large ranges.
std::int64_t Span(std::int32_t minimum, std::int32_t maximum) {
    return static_cast<std::int64_t>(maximum) - minimum;
}

std::int32_t ToInt32(std::int64_t v) {
    return static_cast<std::int32_t>(std::clamp<std::int64_t>(
        v, std::numeric_limits<std::int32_t>::min(), std::numeric_limits<std::int32_t>::max()));
}

}  // namespace

int SliderScale::Travel() const {
    return std::max(0, right - left - thumbWidth);
}

int SliderScale::PositionOf(std::int32_t value) const {
    const std::int64_t span = Span(minimum, maximum);
    if (span <= 0) {
        return left;
    }
    const std::int64_t offset = static_cast<std::int64_t>(Travel()) * (value - minimum) / span;
    return static_cast<int>(ToInt32(left + offset));
}

std::int32_t SliderScale::ValueAt(int x) const {
    const int travel = Travel();
    if (travel == 0 || Span(minimum, maximum) <= 0) {
        return minimum;
    }
    const std::int64_t offset =
        Span(minimum, maximum) * (static_cast<std::int64_t>(x) - left) / travel;
    return ToInt32(minimum + offset);
}

float SliderScale::ValueAtPrecise(int x) const {
    const int travel = Travel();
    if (travel == 0 || Span(minimum, maximum) <= 0) {
        return static_cast<float>(minimum);
    }
    const auto product =
        static_cast<float>(Span(minimum, maximum) * (static_cast<std::int64_t>(x) - left));
    return static_cast<float>(minimum) + product / static_cast<float>(travel);
}

int SliderScale::DragTo(int thumbLeft, int dx) const {
    int to = thumbLeft + dx;
    if (to + thumbWidth > right) {
        to = right - thumbWidth;
    }
    // The left bound wins when the thumb is wider than the rectangle.
    return std::max(to, left);
}

bool IsUsableRange(std::int32_t minimum, std::int32_t maximum) {
    return maximum > minimum;
}

std::int32_t ClampToRange(std::int32_t value, std::int32_t minimum, std::int32_t maximum) {
    if (!IsUsableRange(minimum, maximum)) {
        return minimum;
    }
    return std::clamp(value, minimum, maximum);
}

std::int32_t DisplayValue(std::int32_t value, std::int32_t minimum, std::int32_t maximum) {
    if (!IsUsableRange(minimum, maximum)) {
        return minimum;
    }
    if (minimum < 0) {
        return std::clamp(value, minimum, maximum);
    }
    const auto v = static_cast<std::uint32_t>(value);
    if (v < static_cast<std::uint32_t>(minimum)) {
        return minimum;
    }
    if (v > static_cast<std::uint32_t>(maximum)) {
        return maximum;
    }
    return value;
}

std::int32_t SettleValue(float value, bool snap, int step) {
    const float v = snap ? static_cast<float>(step) * 0.5f + value : value;
    if (std::isnan(v)) {
        return 0;
    }
    // Converting a float beyond the target's range is undefined; hold it first.
    constexpr float kLow = -2147483648.0f;
    constexpr float kHigh = 2147483520.0f;  // the largest float below 2^31
    return static_cast<std::int32_t>(std::clamp(v, kLow, kHigh));
}

std::int32_t SnapDown(std::int32_t value, int step) {
    const int s = std::max(1, step);
    return value / s * s;
}

TrackClick ClickOnTrack(int px, int trackWidth, std::int32_t minimum, std::int32_t maximum,
                        bool snap, int snapStep) {
    float v = static_cast<float>(minimum);
    if (trackWidth > 0) {
        const std::int64_t product = static_cast<std::int64_t>(px) * Span(minimum, maximum);
        v += static_cast<float>(product) / static_cast<float>(trackWidth);
    }
    TrackClick click;
    click.value = ClampToRange(SettleValue(v, snap, snapStep), minimum, maximum);
    click.position = SnapDown(click.value, snapStep);
    return click;
}

std::optional<std::int32_t> WheelStep(std::int32_t value, int delta, int step, std::int32_t minimum,
                                      std::int32_t maximum) {
    const std::int64_t moved = static_cast<std::int64_t>(value) + (delta > 0 ? step : -step);
    const std::int32_t next = ClampToRange(ToInt32(moved), minimum, maximum);
    if (next == value) {
        return std::nullopt;
    }
    return next;
}
