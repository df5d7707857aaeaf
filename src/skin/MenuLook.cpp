#include "skin/MenuLook.h"

#include <algorithm>

MenuItemColours ItemColours(bool selected, std::uint32_t normalBack, std::uint32_t selectedBack,
                            std::uint32_t normalText, std::uint32_t selectedText) {
    return selected ? MenuItemColours{selectedBack, selectedText}
                    : MenuItemColours{normalBack, normalText};
}

int ItemHeight(int itemBaseHeight) {
    return itemBaseHeight + 2;
}

int MenuItemWidth(int widestText, int minimum) {
    if (widestText <= 0) {
        return std::max(minimum, 0);
    }
    return std::max(minimum, menu_look::kTextLeftPad + widestText + menu_look::kTextRightRoom);
}

MenuPoint ArrowOrigin(const SkinRect& item) {
    return {item.right - menu_look::kArrowFromRight, item.top + menu_look::kArrowFromTop};
}

std::array<FrameOutline, 3> MenuFrame(int width, int height, int* count) {
    std::array<FrameOutline, 3> out{};
    int n = 0;
    SkinRect r{0, 0, width, height};
    const std::uint32_t colours[3] = {menu_look::kFrameOuter, menu_look::kFrameInner,
                                      menu_look::kFrameInner};
    for (std::uint32_t colour : colours) {
        if (r.Width() < 1 || r.Height() < 1) {
            break;
        }
        out[static_cast<std::size_t>(n++)] = {r, colour};
        r = {r.left + 1, r.top + 1, r.right - 1, r.bottom - 1};
    }
    if (count != nullptr) {
        *count = n;
    }
    return out;
}
