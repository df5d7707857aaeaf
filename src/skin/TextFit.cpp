#include "skin/TextFit.h"

#include <algorithm>
#include <cmath>

int FitFontHeight(int height, int rectWidth, const std::function<int(int height)>& measureWidth) {
    height = std::clamp(height, 1, kMaxFitHeight);
    int width = measureWidth(height);
    while (width >= rectWidth) {
        --height;
        if (height < kShrinkFloorHeight) {
            break;
        }
        width = measureWidth(height);
    }
    return std::max(height, 1);
}

float FitFontSize(float size, float layoutWidth,
                  const std::function<float(float size)>& measureWidth) {
    if (!std::isfinite(size)) {
        return kShrinkFloorSize;
    }
    size = std::clamp(size, 1.0f, kMaxFitSize);
    // A layout width or measurement that is not a number never fits, so the floor ends it.
    for (;;) {
        if (layoutWidth - 5.0f > measureWidth(size)) {
            return size;
        }
        size -= 1.0f;
        if (size < kShrinkFloorSize) {
            return std::max(size, 1.0f);
        }
    }
}

int CentredTop(const SkinRect& rect, int blockHeight) {
    if (blockHeight < rect.Height()) {
        return rect.top + (rect.Height() - blockHeight) / 2;
    }
    return rect.top;
}
