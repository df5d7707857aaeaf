// The look of the owner-drawn menus, without a window system: colours, item sizes, where
// the submenu arrow goes and the frame every popup-menu window wears.
#pragma once

#include <array>
#include <cstdint>

#include "skin/TextFit.h"

namespace menu_look {
inline constexpr int kItemBaseHeight = 18;                // an item is this + 2 high
inline constexpr std::uint32_t kNormalBack = 0x000000;    // COLORREF
inline constexpr std::uint32_t kSelectedBack = 0x8E5101;  // RGB(1, 81, 142)
inline constexpr std::uint32_t kNormalText = 0xFFFFFF;
inline constexpr std::uint32_t kSelectedText = 0x000000;
inline constexpr int kTextHeight = 15;
inline constexpr std::uint32_t kTextFormat = dt::kSingleLine | dt::kVCenter;
// The arrow picture's top-left corner, from the item's right and top edges.
inline constexpr int kArrowFromRight = 19;
inline constexpr int kArrowFromTop = -9;
// Room kept right of the widest text: the arrow's slot, which also absorbs the drawn font
// being a little larger than the one the texts are measured with.
inline constexpr int kTextRightRoom = 19;
// Room left of the text, as modern menus keep it, so no text starts at the frame.
inline constexpr int kTextLeftPad = 10;
inline constexpr int kFrameWidth = 3;
inline constexpr std::uint32_t kFrameOuter = 0x8E5101;
inline constexpr std::uint32_t kFrameInner = 0x000000;
}  // namespace menu_look

struct MenuItemColours {
    std::uint32_t back = 0;
    std::uint32_t text = 0;
};

// The selected (hovered) item is blue with black text, every other one black with white.
MenuItemColours ItemColours(bool selected, std::uint32_t normalBack, std::uint32_t selectedBack,
                            std::uint32_t normalText, std::uint32_t selectedText);

int ItemHeight(int itemBaseHeight);

// The width every item gets: the caller's minimum, or the widest text with its left padding
// and the room the arrow needs when that is wider.
int MenuItemWidth(int widestText, int minimum);

struct MenuPoint {
    int x = 0;
    int y = 0;
};
// Top-left corner of the arrow picture for an item rectangle (right edge exclusive).
MenuPoint ArrowOrigin(const SkinRect& item);

struct FrameOutline {
    SkinRect rect;  // right and bottom exclusive
    std::uint32_t colour = 0;
};
// The three 1-pixel outlines of a window of w x h, outermost first: blue, black, black.
// A window too small for an outline gets fewer.
std::array<FrameOutline, 3> MenuFrame(int width, int height, int* count);
