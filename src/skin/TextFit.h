// The parameter records of the two text renderers and the parts of their fitting rules that
// do not depend on a font engine.
#pragma once

#include <cstdint>
#include <functional>
#include <string>

#include "skin/SkinRect.h"

// Format flags of the classic renderer, with the values its callers store.
namespace dt {
inline constexpr std::uint32_t kLeft = 0x0;
inline constexpr std::uint32_t kCenter = 0x1;
inline constexpr std::uint32_t kRight = 0x2;
inline constexpr std::uint32_t kVCenter = 0x4;
inline constexpr std::uint32_t kBottom = 0x8;
inline constexpr std::uint32_t kWordBreak = 0x10;
inline constexpr std::uint32_t kSingleLine = 0x20;
inline constexpr std::uint32_t kEndEllipsis = 0x8000;
}  // namespace dt

struct TextStyle {
    std::u16string text;
    int weight = 400;
    std::uint32_t colour = 0;  // COLORREF
    std::uint32_t format = 0;  // dt:: flags
    bool shrinkToFit = false;
    bool centreVertically = false;
    SkinRect rect;
};

struct TextStylePlus {
    std::u16string text;
    std::uint32_t argb = 0xFF000000u;
    int alignment = 0;  // 0 near, 1 centre, 2 far
    int lineAlignment = 0;
    bool shrinkToFit = false;
    bool noWrap = false;
    bool ellipsisAtWord = false;
    float x = 0, y = 0, width = 0, height = 0;
};

// The classic renderer never shrinks below this height...
inline constexpr int kShrinkFloorHeight = 18;
// ...and the other renderer never below this size.
inline constexpr float kShrinkFloorSize = 8.0f;

// Start sizes are held to 1..this before fitting, so a search costs at most this many
// measurements and never steps past the smallest integer.
inline constexpr int kMaxFitHeight = 1024;
inline constexpr float kMaxFitSize = 1024.0f;

// Lowers the height by 1 while the measured width is at least the rectangle's width; stops
// once the height has fallen below the floor (so a never-fitting text started at 18 or more
// ends at 17). The start is held to 1..kMaxFitHeight and the result is at least 1.
int FitFontHeight(int height, int rectWidth, const std::function<int(int height)>& measureWidth);

// Lowers the size by 1.0 until the layout width minus 5 exceeds the measured width; stops
// once the size has fallen below the floor. A start that is not a finite number gives the
// floor unmeasured; others are held to 1..kMaxFitSize, and the result is at least 1.
float FitFontSize(float size, float layoutWidth,
                  const std::function<float(float size)>& measureWidth);

// The top of a block of blockHeight centred in the rectangle; a taller block keeps the top.
int CentredTop(const SkinRect& rect, int blockHeight);
