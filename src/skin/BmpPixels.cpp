#include "skin/BmpPixels.h"

#include <algorithm>
#include <bit>
#include <cstring>

namespace {

static_assert(std::endian::native == std::endian::little, "pixels are read as little-endian words");

std::uint32_t U32(const std::uint8_t* p) {
    return std::uint32_t(p[0]) | std::uint32_t(p[1]) << 8 | std::uint32_t(p[2]) << 16 |
           std::uint32_t(p[3]) << 24;
}

std::uint16_t U16(const std::uint8_t* p) {
    return static_cast<std::uint16_t>(p[0] | p[1] << 8);
}

constexpr std::size_t kFileHeader = 14;
constexpr std::uint32_t kPlainRgb = 0;
constexpr std::int64_t kLargestSide = 1 << 15;

}  // namespace

std::optional<BmpPixels> BmpPixels::Parse(std::span<const std::uint8_t> file) {
    if (file.size() < kFileHeader + 40 || file[0] != 'B' || file[1] != 'M') {
        return std::nullopt;
    }
    const std::uint8_t* d = file.data();
    const std::uint32_t offset = U32(d + 10);
    const std::uint32_t infoSize = U32(d + 14);
    const auto width = static_cast<std::int32_t>(U32(d + 18));
    const auto height = static_cast<std::int32_t>(U32(d + 22));
    const std::uint16_t planes = U16(d + 26);
    const std::uint16_t bits = U16(d + 28);
    const std::uint32_t compression = U32(d + 30);
    // The plain 40-byte header and its later extensions share these fields; the old 12-byte
    // one does not. Only 24 bits: how a 32-bit file's fourth byte reads is the reader's call.
    if (infoSize < 40 || planes != 1 || bits != 24 || compression != kPlainRgb) {
        return std::nullopt;
    }
    const std::int64_t rows = height < 0 ? -static_cast<std::int64_t>(height) : height;
    if (width <= 0 || rows == 0 || width > kLargestSide || rows > kLargestSide) {
        return std::nullopt;
    }
    BmpPixels b;
    b.width_ = width;
    b.height_ = static_cast<int>(rows);
    b.bytesPerPixel_ = 3;
    b.stride_ = (static_cast<std::size_t>(width) * bits + 31) / 32 * 4;
    b.topDown_ = height < 0;
    if (offset < kFileHeader + infoSize || offset > file.size() ||
        (file.size() - offset) / b.stride_ < static_cast<std::size_t>(rows)) {
        return std::nullopt;
    }
    b.pixels_ = d + offset;
    return b;
}

const std::uint8_t* BmpPixels::Row(int y) const {
    const int stored = topDown_ ? y : height_ - 1 - y;
    return pixels_ + static_cast<std::size_t>(stored) * stride_;
}

void BmpPixels::CopyRect(int left, int top, int width, int height, std::uint32_t* target,
                         std::ptrdiff_t targetStride) const {
    const int x0 = std::max(left, 0);
    const int y0 = std::max(top, 0);
    const int x1 = std::min(left + width, width_);
    const int y1 = std::min(top + height, height_);
    for (int y = y0; y < y1; ++y) {
        const std::uint8_t* s = Row(y) + static_cast<std::size_t>(x0) * bytesPerPixel_;
        std::uint32_t* t = target + (y - top) * targetStride + (x0 - left);
        // Four bytes at a time (blue, green, red and the next pixel's blue), but the last
        // pixel of a row, whose fourth byte may lie past the end of the file.
        int x = x0;
        for (; x < x1 - 1; ++x, s += 3) {
            std::uint32_t v;
            std::memcpy(&v, s, 4);
            *t++ = 0xFF000000u | (v & 0x00FFFFFFu);
        }
        if (x < x1) {
            *t = 0xFF000000u | std::uint32_t(s[2]) << 16 | std::uint32_t(s[1]) << 8 | s[0];
        }
    }
}
