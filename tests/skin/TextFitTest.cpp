#include <gtest/gtest.h>

#include <limits>
#include <vector>

#include "skin/TextFit.h"

namespace {

TEST(FitFontHeight, KeepsTheHeightOfATextThatFits) {
    std::vector<int> measured;
    const int h = FitFontHeight(22, 100, [&](int height) {
        measured.push_back(height);
        return 99;
    });
    EXPECT_EQ(h, 22);
    EXPECT_EQ(measured, std::vector<int>{22});
}

TEST(FitFontHeight, ShrinksUntilTheTextFits) {
    // Width grows by 5 per pixel of height; under 100 needs height 19.
    const int h = FitFontHeight(24, 100, [](int height) { return height * 5; });
    EXPECT_EQ(h, 19);
}

TEST(FitFontHeight, NeverFittingEndsAt17FromAnyStartAtOrAbove18) {
    for (int start : {18, 19, 30}) {
        std::vector<int> measured;
        const int h = FitFontHeight(start, 10, [&](int height) {
            measured.push_back(height);
            return 1000;
        });
        EXPECT_EQ(h, 17) << start;
        // 17 itself is never measured: the floor ends the loop first.
        EXPECT_EQ(measured.back(), 18) << start;
    }
    // Below the floor one step is taken and the loop ends.
    EXPECT_EQ(FitFontHeight(15, 10, [](int) { return 1000; }), 14);
}

TEST(FitFontHeight, EqualWidthDoesNotFit) {
    EXPECT_EQ(FitFontHeight(20, 100, [](int height) { return height == 20 ? 100 : 50; }), 19);
}

TEST(FitFontSize, NeedsFivePixelsOfRoomAndStopsBelowEight) {
    EXPECT_EQ(FitFontSize(13.0f, 100.0f, [](float) { return 94.0f; }), 13.0f);
    EXPECT_EQ(FitFontSize(13.0f, 100.0f, [](float s) { return s >= 11.0f ? 95.0f : 50.0f; }),
              10.0f);
    EXPECT_EQ(FitFontSize(10.0f, 20.0f, [](float) { return 1000.0f; }), 7.0f);
}

// Starts that no caller passes today but a page could: each search ends, within the bound,
// on a size a font can take.
TEST(TextFitBounds, OutOfRangeStartsAreHeldAndSearchesEnd) {
    const float nan = std::numeric_limits<float>::quiet_NaN();
    const float inf = std::numeric_limits<float>::infinity();
    int calls = 0;
    const auto neverFitsF = [&](float) {
        ++calls;
        return 1e9f;
    };
    const struct {
        float start, layout, result;
        int maxCalls;
    } sizes[] = {
        {nan, 100.0f, kShrinkFloorSize, 0},
        {inf, 100.0f, kShrinkFloorSize, 0},
        {-inf, 100.0f, kShrinkFloorSize, 0},
        {1e30f, 100.0f, 7.0f, 1024},
        {-5.0f, 100.0f, 1.0f, 1},
        {13.0f, nan, 7.0f, 6},
    };
    for (const auto& c : sizes) {
        calls = 0;
        EXPECT_EQ(FitFontSize(c.start, c.layout, neverFitsF), c.result) << c.start;
        EXPECT_LE(calls, c.maxCalls) << c.start;
    }
    EXPECT_EQ(FitFontSize(13.0f, 100.0f, [nan](float) { return nan; }), 7.0f);

    const auto neverFitsH = [&](int h) {
        ++calls;
        EXPECT_GE(h, 1);
        return 1 << 30;
    };
    const struct {
        int start, result, maxCalls;
    } heights[] = {
        {std::numeric_limits<int>::min(), 1, 1},
        {0, 1, 1},
        {std::numeric_limits<int>::max(), 17, kMaxFitHeight},
    };
    for (const auto& c : heights) {
        calls = 0;
        EXPECT_EQ(FitFontHeight(c.start, 100, neverFitsH), c.result) << c.start;
        EXPECT_LE(calls, c.maxCalls) << c.start;
    }
    EXPECT_EQ(FitFontHeight(std::numeric_limits<int>::max(), 100, [](int h) { return h; }), 99);
}

TEST(CentredTop, CentresShortBlocksAndKeepsTheTopOfTallOnes) {
    const SkinRect r{20, 60, 480, 330};  // 270 high
    EXPECT_EQ(CentredTop(r, 100), 60 + 85);
    EXPECT_EQ(CentredTop(r, 101), 60 + 84);  // integer halving
    EXPECT_EQ(CentredTop(r, 270), 60);
    EXPECT_EQ(CentredTop(r, 500), 60);
}

}  // namespace
