#include <gtest/gtest.h>

#include <set>
#include <utility>

#include "skin/SkinPixels.h"

namespace {

constexpr std::uint32_t W = 0xFFFFFFFF;  // white
constexpr std::uint32_t K = 0xFF000000;  // black

PixelView View(const std::vector<std::uint32_t>& px, int w, int h) {
    return {px.data(), w, h, w};
}

std::set<std::pair<int, int>> Covered(const std::vector<SkinRect>& rects) {
    std::set<std::pair<int, int>> cells;
    for (const SkinRect& r : rects) {
        for (int y = r.top; y < r.bottom; ++y) {
            for (int x = r.left; x < r.right; ++x) {
                EXPECT_TRUE(cells.insert({x, y}).second) << "overlap at " << x << "," << y;
            }
        }
    }
    return cells;
}

TEST(RegionFromMask, WhiteMiddleColumnLeavesFourSquares) {
    const std::vector<std::uint32_t> px = {K, W, K,  //
                                           K, W, K};
    const auto region = RegionFromMask(View(px, 3, 2));
    ASSERT_TRUE(region);
    const std::vector<SkinRect> want = {{0, 0, 1, 1}, {2, 0, 3, 1}, {0, 1, 1, 2}, {2, 1, 3, 2}};
    EXPECT_EQ(*region, want);
}

TEST(RegionFromMask, ManyRunsGiveTheUnionOfAllRuns) {
    // A checkerboard of 120 x 40 has 2400 runs, more than one block of 2000.
    const int w = 120, h = 40;
    std::vector<std::uint32_t> px(w * h);
    std::set<std::pair<int, int>> want;
    for (int y = 0; y < h; ++y) {
        for (int x = 0; x < w; ++x) {
            const bool dark = (x + y) % 2 == 0;
            // Only blue, green and red decide; a white pixel with any alpha is white.
            px[y * w + x] = dark ? 0xFF102030 : 0x00FFFFFF;
            if (dark) {
                want.insert({x, y});
            }
        }
    }
    const auto region = RegionFromMask(View(px, w, h));
    ASSERT_TRUE(region);
    EXPECT_EQ(region->size(), 2400u);
    EXPECT_EQ(Covered(*region), want);
}

TEST(RegionFromMask, AllWhiteIsEmptyAndNoPictureIsNone) {
    const std::vector<std::uint32_t> px(6, W);
    const auto empty = RegionFromMask(View(px, 3, 2));
    ASSERT_TRUE(empty);
    EXPECT_TRUE(empty->empty());
    EXPECT_FALSE(RegionFromMask(PixelView{}));
}

TEST(RegionWithoutKeyColour, DropsKeyPixelsAndKeepsWhatLiesBeyondThePicture) {
    const std::uint32_t key = 0xFFFF00FF;
    // Alpha does not take part in the comparison.
    const std::vector<std::uint32_t> px = {key, K,   0x00FF00FF,  //
                                           K,   key, K};
    const auto rects = RegionWithoutKeyColour(View(px, 3, 2), 4, 3);
    std::set<std::pair<int, int>> want = {{1, 0}, {3, 0}, {0, 1}, {2, 1}, {3, 1},
                                          {0, 2}, {1, 2}, {2, 2}, {3, 2}};
    EXPECT_EQ(Covered(rects), want);
}

TEST(TintPixels, FullFactorKeepsAlphaAndTakesTheColour) {
    std::vector<std::uint32_t> px = {0x80123456, 0xFFABCDEF, 0x00777777};
    TintPixels(px.data(), px.size(), 0x00332211 /* red 0x11, green 0x22, blue 0x33 */, 255);
    EXPECT_EQ(px[0], 0x80112233u);
    EXPECT_EQ(px[1], 0xFF112233u);
    EXPECT_EQ(px[2], 0x00777777u);  // fully transparent stays as it was
}

TEST(TintPixels, ZeroFactorMakesEveryVisiblePixelTransparentAndScalingTruncates) {
    std::vector<std::uint32_t> px = {0x80123456, 0xFFABCDEF};
    TintPixels(px.data(), px.size(), 0x0000FF, 0);
    EXPECT_EQ(px[0] >> 24, 0u);
    EXPECT_EQ(px[1] >> 24, 0u);

    std::vector<std::uint32_t> half = {0xFF000000, 0x03000000};
    TintPixels(half.data(), half.size(), 0, 128);
    EXPECT_EQ(half[0] >> 24, 128u);  // 255 * 128 / 255
    EXPECT_EQ(half[1] >> 24, 1u);    // 3 * 128 / 255 = 1.5, truncated

    // Factors outside the byte range are held to it rather than overflowing the alpha.
    std::vector<std::uint32_t> over = {0x80000000};
    TintPixels(over.data(), over.size(), 0, 1000);
    EXPECT_EQ(over[0] >> 24, 0x80u);
}

}  // namespace
