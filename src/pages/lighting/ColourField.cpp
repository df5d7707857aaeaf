#include "pages/lighting/ColourField.h"

#include <cmath>

namespace {

constexpr int kFraction = 20;

// Fractions of the model's point, refused ones black.
RgbFractions At(int model, int z, double fx, double fy) {
    const ModelMaxima m = MaximaOf(model);
    // Hue models use the field maxima of 1000 the lighting page sets, byte models 255.
    const int xMax = model == 3 ? 1000 : m.x;
    const int yMax = m.y;
    const FieldPoint p{z, static_cast<int>(std::lround(fx * xMax)),
                       static_cast<int>(std::lround(fy * yMax))};
    if (model >= 0 && model <= 2) {
        const std::uint32_t c = ColourOfPoint(model, p, xMax, yMax);
        return ColourToFractions(c);
    }
    const auto f = FractionsOfPoint(model, p, xMax, yMax);
    return f ? *f : RgbFractions{};
}

std::int64_t Fixed(double fraction) {
    return static_cast<std::int64_t>(std::lround(fraction * 255.0 * (1 << kFraction)));
}

}  // namespace

void RenderColourField(int model, int z, std::uint32_t* pixels, int width, int height, int stride) {
    if (width <= 0 || height <= 0) {
        return;
    }
    const int rows = height - 1;
    for (int col = 0; col < width; ++col) {
        const double fx = width > 1 ? static_cast<double>(col) / (width - 1) : 0;
        const RgbFractions top = At(model, z, fx, 1);
        const RgbFractions bottom = At(model, z, fx, 0);
        std::int64_t r = Fixed(top.r);
        std::int64_t g = Fixed(top.g);
        std::int64_t b = Fixed(top.b);
        const std::int64_t dr = rows > 0 ? (Fixed(bottom.r) - r) / rows : 0;
        const std::int64_t dg = rows > 0 ? (Fixed(bottom.g) - g) / rows : 0;
        const std::int64_t db = rows > 0 ? (Fixed(bottom.b) - b) / rows : 0;
        std::uint32_t* out = pixels + col;
        constexpr std::int64_t half = std::int64_t{1} << (kFraction - 1);
        for (int row = 0; row <= rows; ++row) {
            const auto cr = static_cast<std::uint32_t>((r + half) >> kFraction);
            const auto cg = static_cast<std::uint32_t>((g + half) >> kFraction);
            const auto cb = static_cast<std::uint32_t>((b + half) >> kFraction);
            *out = 0xFF000000u | (cr << 16) | (cg << 8) | cb;
            out += stride;
            r += dr;
            g += dg;
            b += db;
        }
    }
}

Triangle TriangleAt(PickerPoint a, int size, int kind) {
    const int b = size - 1;
    switch (kind) {
        case 1:  // left
            return {a, {a.x + b, a.y + b}, {a.x + b, a.y - b}};
        case 2:  // up
            return {a, {a.x - b, a.y + b}, {a.x + b, a.y + b}};
        case 3:  // right
            return {a, {a.x - b, a.y - b}, {a.x - b, a.y + b}};
        case 4:  // down
            return {a, {a.x + b, a.y - b}, {a.x - b, a.y - b}};
        case 5:
            return {a, {a.x + b, a.y}, {a.x, a.y + b}};
        case 6:
            return {a, {a.x - b, a.y}, {a.x, a.y + b}};
        case 7:
            return {a, {a.x - b, a.y}, {a.x, a.y - b}};
        default:
            return {a, {a.x + b, a.y}, {a.x, a.y - b}};
    }
}
