// Window shapes and recolouring on plain 32-bit pixel buffers (0xAARRGGBB per pixel, rows
// top to bottom), so the rules need no window system.
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <vector>

#include "skin/SkinRect.h"

struct PixelView {
    const std::uint32_t* pixels = nullptr;
    int width = 0;
    int height = 0;
    int stride = 0;  // pixels per row

    std::uint32_t At(int x, int y) const {
        return pixels[static_cast<std::size_t>(y) * static_cast<std::size_t>(stride) +
                      static_cast<std::size_t>(x)];
    }
};

// The union of the non-white pixels as one rectangle per run and row, sorted by row and then
// by x. No picture gives no region; an all-white picture gives an empty one.
std::optional<std::vector<SkinRect>> RegionFromMask(const PixelView& mask);
// The same, read row by row from a bitmap file in place.
class BmpPixels;
std::optional<std::vector<SkinRect>> RegionFromMask(const BmpPixels& mask);

// The window's rectangle without the pixels that have the colour of the picture's top-left
// pixel; window pixels beyond the picture stay in.
std::vector<SkinRect> RegionWithoutKeyColour(const PixelView& picture, int windowWidth,
                                             int windowHeight);

// Every pixel that is not fully transparent takes the colour (COLORREF, red in the low byte)
// and its alpha scaled by factor / 255; factors outside 0-255 are held to that range.
void TintPixels(std::uint32_t* pixels, std::size_t count, std::uint32_t colour, int factor);
