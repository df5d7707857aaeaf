#include <gtest/gtest.h>

#include <climits>

#include "skin/SliderScale.h"

namespace {

SliderScale Scale(int width, int thumb, std::int32_t minimum, std::int32_t maximum) {
    SliderScale s;
    s.right = width;
    s.thumbWidth = thumb;
    s.minimum = minimum;
    s.maximum = maximum;
    return s;
}

struct ClickCase {
    int px, width;
    std::int32_t minimum, maximum;
    bool snap;
    std::int32_t want;
};

TEST(SliderScaleTest, ClickOnTrackSettlesOnTheNearestStep) {
    const ClickCase cases[] = {
        {300, 400, 1, 320, true, 240},  // 1 + 319 * 0.75 = 240.25
        {0, 400, 1, 320, true, 1},      // far left
        {399, 400, 1, 320, true, 319},  // the last pixel is still short of the maximum
        {400, 400, 1, 320, true, 320},  // past the end is held to the range
        {247, 330, 0, 10, true, 7},     // 7.48 rounds down
        {248, 330, 0, 10, true, 8},     // 7.52 rounds up
        {248, 330, 0, 10, false, 7},    // without snapping the whole part
        {100, 0, 1, 8, true, 1},        // a track without width gives the minimum
    };
    for (const ClickCase& c : cases) {
        const TrackClick click = ClickOnTrack(c.px, c.width, c.minimum, c.maximum, c.snap, 1);
        EXPECT_EQ(click.value, c.want) << c.px << " of " << c.width;
        EXPECT_EQ(click.position, c.want) << c.px << " of " << c.width;
    }
}

TEST(SliderScaleTest, ClickWithLargerStepReportsTheStepBelow) {
    // 0..10 on 100 pixels, step 4: 6.3 + 2 = 8.3 -> value 8, reported 8; 5.0 + 2 -> 7 -> 4.
    EXPECT_EQ(ClickOnTrack(63, 100, 0, 10, true, 4).value, 8);
    EXPECT_EQ(ClickOnTrack(63, 100, 0, 10, true, 4).position, 8);
    EXPECT_EQ(ClickOnTrack(50, 100, 0, 10, true, 4).value, 7);
    EXPECT_EQ(ClickOnTrack(50, 100, 0, 10, true, 4).position, 4);
}

TEST(SliderScaleTest, EveryValueComesBackFromItsThumbPlaceWhenPixelsSuffice) {
    for (const SliderScale& s :
         {Scale(400, 13, 0, 10), Scale(270, 13, 1, 8), Scale(350, 13, 1, 30)}) {
        for (std::int32_t v = s.minimum; v <= s.maximum; ++v) {
            const int x = s.PositionOf(v);
            ASSERT_GE(x, s.left);
            ASSERT_LE(x + s.thumbWidth, s.right);
            ASSERT_EQ(SettleValue(s.ValueAtPrecise(x), true, 1), v) << v << " at " << x;
        }
    }
}

TEST(SliderScaleTest, MoreValuesThanPixelsShareThumbPlaces) {
    // 319 steps on 313 pixels: 2 sits where 1 does, so its place alone cannot name it.
    const SliderScale s = Scale(330, 17, 1, 320);
    EXPECT_EQ(s.PositionOf(2), s.PositionOf(1));
    EXPECT_EQ(SettleValue(s.ValueAtPrecise(s.PositionOf(2)), true, 1), 1);
}

TEST(SliderScaleTest, PositionsAndValuesFollowTheIntegerFormulas) {
    const SliderScale s = Scale(330, 17, 1, 320);  // travel 313
    EXPECT_EQ(s.PositionOf(1), 0);
    EXPECT_EQ(s.PositionOf(320), 313);
    EXPECT_EQ(s.PositionOf(123), 119);  // 313 * 122 / 319 = 119.7
    EXPECT_EQ(s.ValueAt(100), 102);     // 1 + 319 * 100 / 313 = 102.9
    EXPECT_FLOAT_EQ(s.ValueAtPrecise(120), 1.0f + 319.0f * 120.0f / 313.0f);

    SliderScale shifted = s;
    shifted.left = 10;
    shifted.right = 340;
    EXPECT_EQ(shifted.PositionOf(1), 10);
    EXPECT_EQ(shifted.ValueAt(10), 1);
}

TEST(SliderScaleTest, DegenerateGeometryNeverDividesByZero) {
    const SliderScale tight = Scale(17, 17, 1, 320);  // thumb as wide as the track
    EXPECT_EQ(tight.Travel(), 0);
    EXPECT_EQ(tight.PositionOf(200), 0);
    EXPECT_EQ(tight.ValueAt(0), 1);
    EXPECT_FLOAT_EQ(tight.ValueAtPrecise(5), 1.0f);

    const SliderScale narrow = Scale(10, 17, 0, 10);  // thumb wider than the track
    EXPECT_EQ(narrow.Travel(), 0);
    EXPECT_EQ(narrow.DragTo(0, 5), 0);

    const SliderScale empty = Scale(330, 17, 5, 5);
    EXPECT_FALSE(IsUsableRange(5, 5));
    EXPECT_FALSE(IsUsableRange(6, 5));
    EXPECT_EQ(empty.PositionOf(5), 0);
    EXPECT_EQ(empty.ValueAt(200), 5);
    EXPECT_EQ(ClampToRange(9, 5, 5), 5);
    EXPECT_EQ(DisplayValue(-3, 5, 5), 5);
}

// A range reaching below 0, 10 pixels a step. Values compare signed; the whole part
// truncates toward zero, so with snapping the far left settles on 0, and only an unsnapped
// click or the wheel reaches -1.
TEST(SliderScaleTest, RangeFromMinusOne) {
    const SliderScale s = Scale(123, 13, -1, 10);  // travel 110
    EXPECT_EQ(s.PositionOf(-1), 0);
    EXPECT_EQ(s.PositionOf(0), 10);
    EXPECT_EQ(s.PositionOf(10), 110);
    EXPECT_EQ(s.ValueAt(0), -1);
    EXPECT_EQ(s.ValueAt(15), 0);
    EXPECT_EQ(SettleValue(s.ValueAtPrecise(0), true, 1), 0);
    EXPECT_EQ(SettleValue(s.ValueAtPrecise(0), false, 1), -1);
    EXPECT_EQ(SettleValue(s.ValueAtPrecise(5), false, 1), 0);  // -0.5
    for (std::int32_t v = 1; v <= s.maximum; ++v) {
        EXPECT_EQ(SettleValue(s.ValueAtPrecise(s.PositionOf(v)), true, 1), v) << v;
    }

    EXPECT_EQ(ClickOnTrack(0, 110, -1, 10, true, 1).value, 0);
    EXPECT_EQ(ClickOnTrack(0, 110, -1, 10, false, 1).value, -1);
    EXPECT_EQ(ClickOnTrack(3, 110, -1, 10, false, 1).value, 0);  // -0.7
    const TrackClick stepped = ClickOnTrack(0, 110, -1, 10, false, 4);
    EXPECT_EQ(stepped.value, -1);
    EXPECT_EQ(stepped.position, 0);  // -1 / 4 * 4

    struct Case {
        std::int32_t value, want;
    };
    const Case shown[] = {{-1, -1}, {0, 0}, {5, 5}, {-2, -1}, {INT_MIN, -1}, {11, 10}};
    for (const Case& c : shown) {
        EXPECT_EQ(DisplayValue(c.value, -1, 10), c.want) << c.value;
    }
    EXPECT_EQ(ClampToRange(-5, -1, 10), -1);
    EXPECT_EQ(WheelStep(0, -120, 1, -1, 10), -1);
    EXPECT_EQ(WheelStep(-1, -120, 1, -1, 10), std::nullopt);
    EXPECT_EQ(WheelStep(-1, 120, 1, -1, 10), 0);
}

TEST(SliderScaleTest, DisplayValueShowsNegativesAtTheMaximumEnd) {
    struct Case {
        std::int32_t value, minimum, maximum, want;
    };
    const Case cases[] = {
        {-3, 1, 320, 320}, {400, 1, 320, 320},   {0, 1, 320, 1},  {7, 0, 10, 7},
        {-1, 0, 10, 10},   {INT_MIN, 0, 10, 10}, {-3, -5, 5, -3}, {-9, -5, 5, -5},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(DisplayValue(c.value, c.minimum, c.maximum), c.want) << c.value;
    }
}

TEST(SliderScaleTest, WheelStepsWithinTheRangeAndOnlyOnChange) {
    struct Case {
        std::int32_t value;
        int delta;
        std::int32_t minimum, maximum;
        std::optional<std::int32_t> want;
    };
    const Case cases[] = {
        {10, 120, 0, 10, std::nullopt}, {10, -120, 0, 10, 9},
        {0, -120, 0, 10, std::nullopt}, {5, 0, 0, 10, 4},
        {400, 120, 1, 320, 320},        {-3, -120, 1, 320, 1},
        {INT_MAX, 120, 0, 10, 10},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(WheelStep(c.value, c.delta, 1, c.minimum, c.maximum), c.want) << c.value;
    }
}

TEST(SliderScaleTest, DragKeepsTheThumbInsideTheMovementRectangle) {
    const SliderScale s = Scale(330, 17, 1, 320);
    EXPECT_EQ(s.DragTo(100, 20), 120);
    EXPECT_EQ(s.DragTo(100, -150), 0);
    EXPECT_EQ(s.DragTo(300, 50), 313);
    EXPECT_EQ(s.DragTo(313, 0), 313);
}

TEST(SliderScaleTest, SettlingRoundsOrTruncatesAndSurvivesWildValues) {
    EXPECT_EQ(SettleValue(240.25f, true, 1), 240);
    EXPECT_EQ(SettleValue(240.5f, true, 1), 241);
    EXPECT_EQ(SettleValue(240.9f, false, 1), 240);
    EXPECT_EQ(SettleValue(1e20f, true, 1), 2147483520);
    EXPECT_EQ(SettleValue(-1e20f, false, 1), INT_MIN);
    EXPECT_EQ(SnapDown(7, 4), 4);
    EXPECT_EQ(SnapDown(7, 0), 7);
}

}  // namespace
