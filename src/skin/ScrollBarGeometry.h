// Where the parts of a skinned scroll bar lie, which part a point hits, and how a dragged
// thumb and a held part move the position. Plain arithmetic on the bar's scroll information.
#pragma once

#include <cstdint>

// The scroll information as the classic bar keeps it: the position runs from minimum to
// maximum - page + 1, so a list of 30 rows showing 10 has maximum 29 and page 10.
struct ScrollInfo {
    int minimum = 0;
    int maximum = 0;
    int page = 0;
    int position = 0;
    bool operator==(const ScrollInfo&) const = default;

    // The highest position the bar can reach; never below the minimum.
    int TopPosition() const;
    // Nothing to scroll when the page covers the whole range.
    bool Scrollable() const { return maximum >= page; }
};

// Scroll codes as the parent receives them; a hit test gives one of the first five.
namespace sb {
inline constexpr int kNone = -1;
inline constexpr int kLineUp = 0;
inline constexpr int kLineDown = 1;
inline constexpr int kPageUp = 2;
inline constexpr int kPageDown = 3;
inline constexpr int kThumbPosition = 4;
inline constexpr int kThumbTrack = 5;
}  // namespace sb

// The bar's parts along its length, each [begin, end).
struct ScrollBarLayout {
    int length = 0;       // the bar's length
    int arrow = 0;        // length of each arrow
    int track = 0;        // length between the arrows
    int thumbLength = 0;  // 0: no thumb
    int thumbOffset = 0;  // from the end of the first arrow

    int ThumbBegin() const { return arrow + thumbOffset; }
    int ThumbEnd() const { return ThumbBegin() + thumbLength; }
    int SecondArrowBegin() const { return length - arrow; }
};

// A shorter thumb is drawn this long; a shorter track shows no thumb at all.
inline constexpr int kMinThumbLength = 12;

// `unit` is the arrow length and thickness; `shownPosition` is the drag position while the
// thumb is dragged, else the information's own position.
ScrollBarLayout LayoutScrollBar(int barLength, int unit, const ScrollInfo& info, int shownPosition);

// The scroll code of the part under `along` (sb::kThumbTrack for the thumb), sb::kNone
// outside the bar.
int HitTestScrollBar(const ScrollBarLayout& layout, int along);

// The position after the pointer moved `movement` pixels since the drag began at
// `startPosition`, held between the minimum and the top position.
int DragPosition(const ScrollInfo& info, const ScrollBarLayout& layout, int startPosition,
                 int movement);

// Whether a held part stops repeating: an arrow at its end, a track part once the thumb has
// reached the pointer (`partUnderPointer` is what the pointer now hits).
bool RepeatStops(int pressedPart, const ScrollInfo& info, int partUnderPointer);

// Between a control's own bar (range of values and page step, the toolkit's form) and the
// classic information, in which maximum is the last unit the page can show.
ScrollInfo ScrollInfoFromRange(int minimumValue, int maximumValue, int pageStep, int value);
