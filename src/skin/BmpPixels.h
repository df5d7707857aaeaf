// Uncompressed 24-bit bitmap files read in place: a window's state screens are only
// ever cut into small control pictures, so only those rows are decoded, straight from the
// mapped file. Anything else (compressed, palettes, odd headers) is left to the image reader.
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>

class BmpPixels {
public:
    // Null when the bytes are not a bitmap this reader takes, or are cut short.
    static std::optional<BmpPixels> Parse(std::span<const std::uint8_t> file);

    int Width() const { return width_; }
    int Height() const { return height_; }

    // Writes the pixels of the rectangle (clipped to the picture) as 0xFFRRGGBB, the way the
    // image reader gives an opaque bitmap; row r of the rectangle starts at
    // target + r * targetStride (in pixels).
    void CopyRect(int left, int top, int width, int height, std::uint32_t* target,
                  std::ptrdiff_t targetStride) const;

private:
    const std::uint8_t* Row(int y) const;

    const std::uint8_t* pixels_ = nullptr;
    int width_ = 0;
    int height_ = 0;
    int bytesPerPixel_ = 0;
    std::size_t stride_ = 0;
    bool topDown_ = false;
};
