// The in-place bitmap reader: which files it takes, row order, padding and clipping.
#include <gtest/gtest.h>

#include <cstring>
#include <vector>

#include "skin/BmpPixels.h"

namespace {

void Put32(std::vector<std::uint8_t>& f, std::size_t at, std::uint32_t v) {
    for (int i = 0; i < 4; ++i) {
        f[at + i] = static_cast<std::uint8_t>(v >> (8 * i));
    }
}

// A 24-bit file whose pixel (x, y) is blue x, green y, red 0x80; rows padded to 4 bytes.
std::vector<std::uint8_t> Bitmap(int width, int height, bool topDown) {
    const std::size_t stride = (static_cast<std::size_t>(width) * 3 + 3) / 4 * 4;
    std::vector<std::uint8_t> f(54 + stride * height, 0xEE);
    f[0] = 'B';
    f[1] = 'M';
    Put32(f, 2, static_cast<std::uint32_t>(f.size()));
    Put32(f, 10, 54);
    Put32(f, 14, 40);
    Put32(f, 18, static_cast<std::uint32_t>(width));
    Put32(f, 22, static_cast<std::uint32_t>(topDown ? -height : height));
    f[26] = 1;
    f[27] = 0;
    f[28] = 24;
    f[29] = 0;
    Put32(f, 30, 0);
    for (int y = 0; y < height; ++y) {
        const int stored = topDown ? y : height - 1 - y;
        for (int x = 0; x < width; ++x) {
            std::uint8_t* p = &f[54 + stored * stride + x * 3];
            p[0] = static_cast<std::uint8_t>(x);
            p[1] = static_cast<std::uint8_t>(y);
            p[2] = 0x80;
        }
    }
    return f;
}

std::uint32_t Expected(int x, int y) {
    return 0xFF800000u | static_cast<std::uint32_t>(y) << 8 | static_cast<std::uint32_t>(x);
}

}  // namespace

TEST(BmpPixels, ReadsBothRowOrdersAndSkipsThePadding) {
    for (bool topDown : {false, true}) {
        for (int width : {1, 2, 3, 5, 8}) {
            SCOPED_TRACE(testing::Message() << "width " << width << " top-down " << topDown);
            const std::vector<std::uint8_t> f = Bitmap(width, 4, topDown);
            const auto bmp = BmpPixels::Parse(f);
            ASSERT_TRUE(bmp);
            EXPECT_EQ(bmp->Width(), width);
            EXPECT_EQ(bmp->Height(), 4);
            std::vector<std::uint32_t> out(width * 4, 0);
            bmp->CopyRect(0, 0, width, 4, out.data(), width);
            for (int y = 0; y < 4; ++y) {
                for (int x = 0; x < width; ++x) {
                    EXPECT_EQ(out[y * width + x], Expected(x, y)) << x << "," << y;
                }
            }
        }
    }
}

TEST(BmpPixels, ARectangleBeyondThePictureWritesOnlyWhatLiesInside) {
    const std::vector<std::uint8_t> f = Bitmap(4, 3, false);
    const auto bmp = BmpPixels::Parse(f);
    ASSERT_TRUE(bmp);
    // Rectangle (-1, 1) 6 x 3: columns 0..3 of rows 1..2 land at (1..4, 0..1).
    std::vector<std::uint32_t> out(6 * 3, 0);
    bmp->CopyRect(-1, 1, 6, 3, out.data(), 6);
    for (int ty = 0; ty < 3; ++ty) {
        for (int tx = 0; tx < 6; ++tx) {
            const int x = tx - 1, y = ty + 1;
            const bool inside = x >= 0 && x < 4 && y < 3;
            EXPECT_EQ(out[ty * 6 + tx], inside ? Expected(x, y) : 0u) << tx << "," << ty;
        }
    }
}

TEST(BmpPixels, LeavesEveryOtherFileToTheImageReader) {
    const std::vector<std::uint8_t> good = Bitmap(3, 2, false);
    ASSERT_TRUE(BmpPixels::Parse(good));
    const struct {
        const char* name;
        std::size_t at;
        std::uint32_t value;
        int bytes;
    } damaged[] = {
        {"not a bitmap", 0, 'X', 1},
        {"32 bits", 28, 32, 2},
        {"8 bits with a palette", 28, 8, 2},
        {"compressed", 30, 1, 4},
        {"two planes", 26, 2, 2},
        {"old 12-byte header", 14, 12, 4},
        {"no width", 18, 0, 4},
        {"no height", 22, 0, 4},
        {"pixels start past the end", 10, 4000, 4},
        {"pixels start inside the header", 10, 20, 4},
        {"huge width", 18, 1u << 20, 4},
    };
    for (const auto& d : damaged) {
        std::vector<std::uint8_t> f = good;
        for (int i = 0; i < d.bytes; ++i) {
            f[d.at + i] = static_cast<std::uint8_t>(d.value >> (8 * i));
        }
        EXPECT_FALSE(BmpPixels::Parse(f)) << d.name;
    }
    std::vector<std::uint8_t> cut = good;
    cut.pop_back();  // one byte short of the last row
    EXPECT_FALSE(BmpPixels::Parse(cut));
    EXPECT_FALSE(BmpPixels::Parse(std::span<const std::uint8_t>(good.data(), 20)));
}
