#include "skin/SkinPixels.h"

#include <algorithm>

#include "skin/BmpPixels.h"

namespace {

bool IsWhite(std::uint32_t argb) {
    return (argb & 0x00FFFFFFu) == 0x00FFFFFFu;
}

// Appends one rectangle per run of pixels for which keep(x) holds on row y.
template <class Keep>
void AddRuns(std::vector<SkinRect>& out, int y, int width, Keep keep) {
    int x = 0;
    while (x < width) {
        while (x < width && !keep(x)) {
            ++x;
        }
        const int start = x;
        while (x < width && keep(x)) {
            ++x;
        }
        if (x > start) {
            out.push_back({start, y, x, y + 1});
        }
    }
}

}  // namespace

std::optional<std::vector<SkinRect>> RegionFromMask(const PixelView& mask) {
    if (mask.pixels == nullptr || mask.width <= 0 || mask.height <= 0 || mask.stride < mask.width) {
        return std::nullopt;
    }
    std::vector<SkinRect> rects;
    for (int y = 0; y < mask.height; ++y) {
        AddRuns(rects, y, mask.width, [&](int x) { return !IsWhite(mask.At(x, y)); });
    }
    return rects;
}

std::optional<std::vector<SkinRect>> RegionFromMask(const BmpPixels& mask) {
    std::vector<std::uint32_t> row(static_cast<std::size_t>(mask.Width()));
    std::vector<SkinRect> rects;
    for (int y = 0; y < mask.Height(); ++y) {
        mask.CopyRect(0, y, mask.Width(), 1, row.data(), mask.Width());
        AddRuns(rects, y, mask.Width(), [&](int x) { return !IsWhite(row[x]); });
    }
    return rects;
}

std::vector<SkinRect> RegionWithoutKeyColour(const PixelView& picture, int windowWidth,
                                             int windowHeight) {
    std::vector<SkinRect> rects;
    if (windowWidth <= 0 || windowHeight <= 0) {
        return rects;
    }
    const bool hasPicture = picture.pixels != nullptr && picture.width > 0 && picture.height > 0 &&
                            picture.stride >= picture.width;
    // Colours compare without alpha, as a screen pixel read has none.
    const std::uint32_t key = hasPicture ? picture.At(0, 0) & 0x00FFFFFFu : 0;
    for (int y = 0; y < windowHeight; ++y) {
        AddRuns(rects, y, windowWidth, [&](int x) {
            if (!hasPicture || x >= picture.width || y >= picture.height) {
                return true;
            }
            return (picture.At(x, y) & 0x00FFFFFFu) != key;
        });
    }
    return rects;
}

void TintPixels(std::uint32_t* pixels, std::size_t count, std::uint32_t colour, int factor) {
    const int f = std::clamp(factor, 0, 255);
    const std::uint32_t rgb =
        ((colour & 0xFFu) << 16) | (colour & 0xFF00u) | ((colour >> 16) & 0xFFu);
    for (std::size_t i = 0; i < count; ++i) {
        const std::uint32_t alpha = pixels[i] >> 24;
        if (alpha == 0) {
            continue;
        }
        const auto scaled = static_cast<std::uint32_t>(static_cast<double>(alpha) * f / 255.0);
        pixels[i] = (scaled << 24) | rgb;
    }
}
