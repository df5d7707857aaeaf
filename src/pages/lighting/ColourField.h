// The selector's field as pixels: for each column the colours at the top (y maximum) and the
// bottom (y 0) are worked out once, and the rows between are stepped in fixed point with 20
// fractional bits, so a drag repaints without per-pixel conversions.
#pragma once

#include <cstdint>

#include "pages/lighting/ColourConversion.h"

// Fills a width x height block of 0xAARRGGBB pixels (row stride in pixels) with the field
// of the model at fixed z; the corners get exactly the corner colours.
void RenderColourField(int model, int z, std::uint32_t* pixels, int width, int height, int stride);

struct PickerPoint {
    int x = 0;
    int y = 0;
};
struct Triangle {
    PickerPoint a, b, c;
};
// Kind 1 points left, 2 up, 3 right, 4 down from the apex; 5..8 are right-angled with the
// apex at a corner. b = size - 1 is the reach of the other corners.
Triangle TriangleAt(PickerPoint apex, int size, int kind);
