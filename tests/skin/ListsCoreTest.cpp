#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "skin/ListRowRules.h"
#include "skin/ScrollBarGeometry.h"
#include "skin/SpinRules.h"

namespace {
// 30 rows, 10 showing: the form a list box gives its bar.
const ScrollInfo kList{0, 29, 10, 0};
}  // namespace

TEST(ScrollBarGeometry, ThumbLengthAndPlace) {
    struct Case {
        int length;
        ScrollInfo info;
        int thumbLength, thumbOffset;
    };
    const Case cases[] = {
        {228, kList, 66, 0},               // 200-pixel track, a third of it
        {228, {0, 29, 10, 20}, 66, 134},   // at the top position the thumb ends at the arrow
        {228, {0, 999, 10, 0}, 12, 0},     // never shorter than 12
        {28 + 11, kList, 0, 0},            // an 11-pixel track shows no thumb
        {228, {0, 9, 20, 0}, 200, 0},      // a page beyond the range fills the track only
        {228, {0, 29, 10, 500}, 66, 134},  // a position beyond the range stays on the track
        {228, {10, 39, 10, 10}, 66, 0},    // the offset counts from the minimum
    };
    for (const Case& c : cases) {
        const ScrollBarLayout l = LayoutScrollBar(c.length, 14, c.info, c.info.position);
        EXPECT_EQ(l.thumbLength, c.thumbLength) << c.length << " pos " << c.info.position;
        EXPECT_EQ(l.thumbOffset, c.thumbOffset) << c.length << " pos " << c.info.position;
    }
}

TEST(ScrollBarGeometry, HitTestFollowsThePartsInOrder) {
    const ScrollBarLayout l = LayoutScrollBar(228, 14, {0, 29, 10, 10}, 10);
    // Thumb at 14 + 67 .. 14 + 67 + 66.
    const std::vector<std::pair<int, int>> hits = {
        {-1, sb::kNone},      {0, sb::kLineUp},      {13, sb::kLineUp},      {14, sb::kPageUp},
        {80, sb::kPageUp},    {81, sb::kThumbTrack}, {146, sb::kThumbTrack}, {147, sb::kPageDown},
        {213, sb::kPageDown}, {214, sb::kLineDown},  {227, sb::kLineDown},   {228, sb::kNone}};
    for (const auto& [along, code] : hits) {
        EXPECT_EQ(HitTestScrollBar(l, along), code) << along;
    }
    // A bar shorter than its two arrows is all arrows, each half of it.
    const ScrollBarLayout tiny = LayoutScrollBar(20, 14, kList, 0);
    EXPECT_EQ(HitTestScrollBar(tiny, 9), sb::kLineUp);
    EXPECT_EQ(HitTestScrollBar(tiny, 10), sb::kLineDown);
    // Without a thumb the track is never the thumb.
    const ScrollBarLayout bare = LayoutScrollBar(39, 14, kList, 0);
    for (int along = 0; along < 39; ++along) {
        EXPECT_NE(HitTestScrollBar(bare, along), sb::kThumbTrack) << along;
    }
}

TEST(ScrollBarGeometry, DraggingToTheEndGivesTheTopPosition) {
    const ScrollBarLayout l = LayoutScrollBar(228, 14, kList, 0);
    EXPECT_EQ(DragPosition(kList, l, 0, 10000), kList.maximum - kList.page + 1);
    EXPECT_EQ(DragPosition(kList, l, 0, -50), 0);
    EXPECT_EQ(DragPosition(kList, l, 0, 67), 10);  // half the free track, half the positions
    // With a minimum above 0 the end is still maximum - page + 1.
    const ScrollInfo shifted{10, 39, 10, 10};
    EXPECT_EQ(DragPosition(shifted, LayoutScrollBar(228, 14, shifted, 10), 10, 10000), 30);
    // A thumb that fills its track cannot move.
    const ScrollInfo full{0, 9, 20, 0};
    EXPECT_EQ(DragPosition(full, LayoutScrollBar(228, 14, full, 0), 0, 100), 0);
}

TEST(ScrollBarGeometry, HeldPartsStopAtTheirEnd) {
    EXPECT_TRUE(RepeatStops(sb::kLineUp, {0, 29, 10, 0}, sb::kLineUp));
    EXPECT_FALSE(RepeatStops(sb::kLineUp, {0, 29, 10, 1}, sb::kLineUp));
    EXPECT_FALSE(RepeatStops(sb::kLineDown, {0, 29, 10, 19}, sb::kLineDown));
    EXPECT_TRUE(RepeatStops(sb::kLineDown, {0, 29, 10, 20}, sb::kLineDown));
    EXPECT_FALSE(RepeatStops(sb::kPageDown, kList, sb::kPageDown));
    EXPECT_TRUE(RepeatStops(sb::kPageDown, kList, sb::kThumbTrack));
    EXPECT_TRUE(RepeatStops(sb::kPageUp, kList, sb::kThumbTrack));
}

TEST(ScrollBarGeometry, ControlRangeBecomesClassicInformation) {
    // 30 rows, 10 showing: values 0..20 with a page of 10.
    EXPECT_EQ(ScrollInfoFromRange(0, 20, 10, 5), (ScrollInfo{0, 29, 10, 5}));
    EXPECT_TRUE(ScrollInfoFromRange(0, 20, 10, 0).Scrollable());
    // Everything showing: nothing to scroll.
    EXPECT_FALSE(ScrollInfoFromRange(0, 0, 10, 0).Scrollable());
}

TEST(SpinRules, LeadingNumberReadsLikeTheClassicCall) {
    const std::vector<std::pair<std::u16string, int>> cases = {{u"", 0},
                                                               {u"abc", 0},
                                                               {u"42", 42},
                                                               {u"  7x", 7},
                                                               {u"-12", -12},
                                                               {u"+3", 3},
                                                               {u"99999999999", 2147483647},
                                                               {u"-99999999999", -2147483647 - 1}};
    for (const auto& [text, v] : cases) {
        EXPECT_EQ(LeadingNumber(text), v);
    }
}

TEST(SpinRules, StepsAndCorrections) {
    const SpinRange byte{1, 0, 255};
    const SpinRange fives{5, 0, 255};
    EXPECT_EQ(SpinCorrected(3, byte), 3);
    EXPECT_EQ(SpinCorrected(300, byte), 255);
    EXPECT_EQ(SpinCorrected(-4, byte), 0);
    EXPECT_EQ(SpinCorrected(3, fives), 5);
    EXPECT_EQ(SpinCorrected(2, fives), 0);
    EXPECT_EQ(NearestMultiple(2, 4), 4);  // halves go up
    EXPECT_EQ(NearestMultiple(-2, 4), 0);
    EXPECT_EQ(NearestMultiple(-3, 4), -4);

    EXPECT_EQ(SpinUp(10, byte), 11);
    EXPECT_EQ(SpinUp(255, byte), 255);
    EXPECT_EQ(SpinUp(300, byte), std::nullopt);
    EXPECT_EQ(SpinDown(0, byte), 0);
    EXPECT_EQ(SpinDown(-1, byte), std::nullopt);
    EXPECT_EQ(SpinUp(12, fives), 15);  // 17 moves to the nearest multiple
    EXPECT_EQ(SpinDown(-50, {1, -100, 100}), -51);
    // An end that is not a multiple never lets the rounding step past it.
    EXPECT_EQ(SpinUp(250, {5, 0, 253}), 250);
    EXPECT_EQ(SpinDown(5, {5, 3, 100}), 5);
}

TEST(ListRowRules, KindsIconsAndPartners) {
    auto row = [](int code, int kind) { return std::uint32_t(code) << 8 | std::uint32_t(kind); };
    // press A, delay, press B, release B, release A, release without a press
    const std::vector<std::uint32_t> rows = {row(4, 0x12), row(0xFF, 0x04), row(5, 0x12),
                                             row(5, 0x23), row(4, 0x23),    row(6, 0x23)};
    EXPECT_EQ(RowIcon(rows[0]), 2);
    EXPECT_EQ(RowIcon(0x01), 0);  // resource 1 is no row icon
    EXPECT_EQ(RowPairingOf(rows[1]), RowPairing::None);
    EXPECT_EQ(FindPartnerRow(rows, 0), 4);
    EXPECT_EQ(FindPartnerRow(rows, 2), 3);
    EXPECT_EQ(FindPartnerRow(rows, 4), 0);
    EXPECT_EQ(FindPartnerRow(rows, 1), -1);
    EXPECT_EQ(FindPartnerRow(rows, 5), -1);
    EXPECT_EQ(FindPartnerRow(rows, 6), -1);
    const RowTriangle t = HoverTriangle(10, 200, 34);
    EXPECT_EQ(t.tip.x, 184);
    EXPECT_EQ(t.tip.y, 22);
    EXPECT_EQ(t.top.y, 15);
    EXPECT_EQ(t.bottom.y, 29);
}
