#include "skin/TextFit.h"

int FitFontHeight(int height, int rectWidth, const std::function<int(int height)>& measureWidth) {
    int width = measureWidth(height);
    while (width >= rectWidth) {
        --height;
        if (height < kShrinkFloorHeight) {
            break;
        }
        width = measureWidth(height);
    }
    return height;
}

float FitFontSize(float size, float layoutWidth,
                  const std::function<float(float size)>& measureWidth) {
    for (;;) {
        if (layoutWidth - 5.0f > measureWidth(size)) {
            return size;
        }
        size -= 1.0f;
        if (size < kShrinkFloorSize) {
            return size;
        }
    }
}

int CentredTop(const TextRect& rect, int blockHeight) {
    if (blockHeight < rect.Height()) {
        return rect.top + (rect.Height() - blockHeight) / 2;
    }
    return rect.top;
}
