#include "skin/ScrollBarGeometry.h"

#include <algorithm>
#include <cstdint>

int ScrollInfo::TopPosition() const {
    return std::max(minimum, maximum - page + 1);
}

ScrollBarLayout LayoutScrollBar(int barLength, int unit, const ScrollInfo& info,
                                int shownPosition) {
    ScrollBarLayout l;
    l.length = std::max(0, barLength);
    l.arrow = l.length < 2 * unit ? l.length / 2 : unit;
    l.track = std::max(0, l.length - 2 * unit);
    const std::int64_t range = std::int64_t(info.maximum) - info.minimum;
    if (l.track >= kMinThumbLength && range >= 0) {
        const std::int64_t page = std::max(0, info.page);
        std::int64_t h = page * l.track / (range + 1);
        // A page larger than the range would draw a thumb longer than its track.
        l.thumbLength = static_cast<int>(std::clamp<std::int64_t>(h, kMinThumbLength, l.track));
    }
    const std::int64_t free = l.track - l.thumbLength;
    const std::int64_t steps = range - info.page + 1;
    std::int64_t offset = free / 2;
    if (steps > 0) {
        offset = free * (std::int64_t(shownPosition) - info.minimum) / steps;
    }
    // A position outside the range must not push the thumb over the arrows.
    l.thumbOffset = static_cast<int>(std::clamp<std::int64_t>(offset, 0, free));
    return l;
}

int HitTestScrollBar(const ScrollBarLayout& l, int along) {
    if (along < 0 || along >= l.length) {
        return sb::kNone;
    }
    if (along < l.arrow) {
        return sb::kLineUp;
    }
    if (along >= l.SecondArrowBegin()) {
        return sb::kLineDown;
    }
    if (along < l.ThumbBegin()) {
        return sb::kPageUp;
    }
    if (along < l.ThumbEnd()) {
        return sb::kThumbTrack;
    }
    return sb::kPageDown;
}

int DragPosition(const ScrollInfo& info, const ScrollBarLayout& l, int startPosition,
                 int movement) {
    const std::int64_t free = l.track - l.thumbLength;
    const std::int64_t steps = std::int64_t(info.maximum) - info.minimum - info.page + 1;
    std::int64_t pos = startPosition;
    if (free > 0) {
        pos += std::int64_t(movement) * steps / free;
    }
    return static_cast<int>(std::clamp<std::int64_t>(pos, info.minimum, info.TopPosition()));
}

bool RepeatStops(int pressedPart, const ScrollInfo& info, int partUnderPointer) {
    switch (pressedPart) {
        case sb::kLineUp:
            return info.position <= info.minimum;
        case sb::kLineDown:
            return info.position >= info.TopPosition();
        case sb::kPageUp:
        case sb::kPageDown:
            return partUnderPointer == sb::kThumbTrack;
        default:
            return true;
    }
}

ScrollInfo ScrollInfoFromRange(int minimumValue, int maximumValue, int pageStep, int value) {
    ScrollInfo info;
    info.minimum = minimumValue;
    info.page = std::max(0, pageStep);
    info.maximum = maximumValue + info.page - 1;
    info.position = value;
    return info;
}
