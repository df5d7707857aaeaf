#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>
#include <vector>

#include "common/Messages.h"
#include "pages/lighting/ColourBar.h"
#include "pages/lighting/ColourConversion.h"
#include "pages/lighting/ColourField.h"
#include "pages/lighting/ColourSelector.h"
#include "pages/lighting/ColourWell.h"
#include "pages/lighting/PickerKeys.h"

namespace {

// The three windows as the lighting page links them: model 3, field maxima 1000, a reversed
// bar, everything posted recorded instead of delivered.
struct Picker {
    ColourSelector selector{100};
    ColourBar bar{101};
    ColourWell well{0x00FF80};
    std::vector<std::uint32_t> toWellParent;
    int selfPosts = 0;
    int parentNotices = 0;

    Picker() {
        selector.SetModel(3, 1000, 1000);
        bar.SetModel(3 | ColourBar::kReversed);
        selector.Link(&bar, &well);
        selector.Resize(170, 170);
        bar.Resize(20, 170);
        well.postToParent = [this](std::uint32_t m) { toWellParent.push_back(m); };
        selector.postDragEnded = [this] { ++selfPosts; };
        selector.notifyParent = [this](int, std::uint32_t) { ++parentNotices; };
    }
    // What the event loop does with the selector's post to itself.
    void DeliverSelfPosts() {
        for (; selfPosts > 0; --selfPosts) {
            selector.OnDragEnded();
        }
    }
};

}  // namespace

TEST(ColourConversion, FractionsRoundHalvesDown) {
    EXPECT_EQ(FractionsToColour({127.5 / 255, 0, 0}), 127u);
    EXPECT_EQ(FractionsToColour({127.6 / 255, 0, 0}), 128u);
    EXPECT_EQ(FractionsToColour({1, 0.5, 0}), colour::Rgb(255, 127, 0));
}

TEST(ColourConversion, RefusesOutOfRange) {
    EXPECT_FALSE(RgbToHsv({-0.1, 0, 0}));
    EXPECT_FALSE(RgbToHsv({0, 1.1, 0}));
    EXPECT_FALSE(HsvToRgb({361, 1, 1}));
    EXPECT_FALSE(HsvToRgb({0, 1.01, 1}));
    EXPECT_FALSE(HsvToRgb({0, 1, -0.1}));
    // 360 degrees is red again; grey has no hue.
    const auto red = HsvToRgb({360, 1, 1});
    ASSERT_TRUE(red);
    EXPECT_EQ(FractionsToColour(*red), 0x0000FFu);
    const auto grey = RgbToHsv({0.5, 0.5, 0.5});
    ASSERT_TRUE(grey);
    EXPECT_EQ(grey->s, 0);
    EXPECT_EQ(grey->h, 0);
}

TEST(ColourSelector, RedAndBlackInTheHueModel) {
    Picker k;
    k.selector.SetColour(colour::Rgb(255, 0, 0));
    EXPECT_EQ(k.selector.Point().z, 0);
    EXPECT_EQ(k.selector.Point().x, 1000);
    EXPECT_EQ(k.selector.Point().y, 1000);
    // The reversed bar shows hue 0 at its bottom end.
    EXPECT_EQ(k.bar.Position(), 3599);
    EXPECT_EQ(k.bar.MarkerAt(), k.bar.Track().bottom);
    EXPECT_TRUE(k.selector.MarkerBlack());

    k.selector.TakeFieldRedraw();
    k.selector.SetColour(0);
    EXPECT_EQ(k.selector.Point().x, 0);
    EXPECT_EQ(k.selector.Point().y, 0);
    EXPECT_EQ(k.selector.Point().z, 0);
    EXPECT_FALSE(k.selector.TakeFieldRedraw());  // z kept, so the field stays as drawn
    EXPECT_FALSE(k.selector.MarkerBlack());
    EXPECT_EQ(k.selector.Colour(), 0u);
}

TEST(ColourSelector, MarkerTurnsBlackAt128) {
    ColourSelector s;
    s.SetModel(0, 255, 255);
    s.SetColour(colour::Rgb(0, 128, 0));
    EXPECT_TRUE(s.MarkerBlack());
    s.SetColour(colour::Rgb(127, 127, 127));
    EXPECT_FALSE(s.MarkerBlack());
}

TEST(ColourSelector, ByteModelsPlaceComponentsOnTheirAxes) {
    const std::uint32_t c = colour::Rgb(10, 20, 30);
    struct Case {
        int model;
        FieldPoint p;
    };
    for (const Case& t : {Case{0, {10, 30, 20}}, Case{1, {20, 30, 10}}, Case{2, {30, 10, 20}}}) {
        ColourSelector s;
        s.SetModel(t.model, 255, 255);
        s.SetColour(c);
        EXPECT_EQ(s.Point().z, t.p.z) << t.model;
        EXPECT_EQ(s.Point().x, t.p.x) << t.model;
        EXPECT_EQ(s.Point().y, t.p.y) << t.model;
        EXPECT_EQ(s.Colour(), c) << t.model;
    }
}

TEST(ColourSelector, DenseRoundTripInTheHueModel) {
    // ceil on hue, saturation and value moves each by at most one step: a tenth of a degree
    // and a thousandth, which is less than one byte after the half-step rounding, bar the
    // accumulation across components.
    ColourSelector s(100);
    s.SetModel(3, 1000, 1000);
    int worst = 0;
    for (int r = 0; r < 256; r += 5) {
        for (int g = 0; g < 256; g += 7) {
            for (int b = 0; b < 256; b += 3) {
                const std::uint32_t c = colour::Rgb(r, g, b);
                s.SetColour(c);
                const std::uint32_t back = s.Colour();
                worst =
                    std::max({worst, std::abs(colour::Red(back) - r),
                              std::abs(colour::Green(back) - g), std::abs(colour::Blue(back) - b)});
            }
        }
    }
    EXPECT_LE(worst, 1);
}

TEST(ColourSelector, BarNoticeOutsideTheModelIsIgnored) {
    Picker k;
    k.selector.SetColour(colour::Rgb(0, 255, 0));
    const FieldPoint before = k.selector.Point();
    const std::uint32_t colourBefore = k.selector.Colour();
    const std::size_t wellPosts = k.toWellParent.size();
    k.selector.OnBarNotice(3600);
    k.selector.OnBarNotice(-1);
    EXPECT_EQ(k.selector.Point().z, before.z);
    EXPECT_EQ(k.selector.Colour(), colourBefore);
    EXPECT_EQ(k.toWellParent.size(), wellPosts);

    k.selector.OnBarNotice(2400);  // 240 degrees: blue
    EXPECT_EQ(k.selector.Colour(), colour::Rgb(0, 0, 255));
    EXPECT_EQ(k.well.Colour(), colour::Rgb(0, 0, 255));
}

TEST(ColourSelector, DragBeyondTheFieldStopsAtTheEdgeAndEndsOnce) {
    Picker k;
    k.selector.SetColour(colour::Rgb(128, 64, 64));
    k.toWellParent.clear();
    ASSERT_TRUE(k.selector.LeftDown(80, 80));
    k.selector.Move(500, -300);  // far to the right and above
    EXPECT_EQ(k.selector.Point().x, 1000);
    EXPECT_EQ(k.selector.Point().y, 1000);
    double mx = 0, my = 0;
    k.selector.MarkerCentre(mx, my);
    EXPECT_EQ(mx, k.selector.Field().right);
    EXPECT_EQ(my, k.selector.Field().top);
    k.selector.Move(-40, 900);
    EXPECT_EQ(k.selector.Point().x, 0);
    EXPECT_EQ(k.selector.Point().y, 0);

    EXPECT_TRUE(k.selector.LeftUp());
    EXPECT_FALSE(k.selector.LeftUp());  // a second release is no drag end
    k.DeliverSelfPosts();
    int ended = 0;
    for (std::uint32_t m : k.toWellParent) {
        ended += m == msg::kColourDragEnded ? 1 : 0;
    }
    EXPECT_EQ(ended, 1);
    EXPECT_EQ(k.toWellParent.front(), msg::kColourChanged);
}

TEST(ColourSelector, PressOutsideTheFieldStartsNoDrag) {
    Picker k;
    EXPECT_FALSE(k.selector.LeftDown(0, 0));  // the one-pixel frame
    EXPECT_TRUE(k.selector.ButtonDown());
    EXPECT_FALSE(k.selector.Dragging());
}

TEST(ColourSelector, KeysMoveAndClampTheMarker) {
    Picker k;
    k.selector.SetColour(colour::Rgb(255, 0, 0));  // x 1000, y 1000
    const auto after = [&](int key) {
        k.selector.Key(key);
        return std::pair(k.selector.Point().x, k.selector.Point().y);
    };
    using P = std::pair<int, int>;
    EXPECT_EQ(after(pickerkey::kRight), P(1000, 1000));
    EXPECT_EQ(after(pickerkey::kUp), P(1000, 1000));
    EXPECT_EQ(after(pickerkey::kLeft), P(999, 1000));
    EXPECT_EQ(after(pickerkey::kPageDown), P(1000, 0));
    EXPECT_EQ(after(pickerkey::kDown), P(1000, 0));
    EXPECT_EQ(after(pickerkey::kEnd), P(0, 0));
    EXPECT_EQ(after(pickerkey::kHome), P(0, 1000));
    EXPECT_EQ(after(pickerkey::kPageUp), P(1000, 1000));
    // Keys wait while the mouse drags.
    ASSERT_TRUE(k.selector.LeftDown(10, 160));
    const FieldPoint held = k.selector.Point();
    k.selector.Key(pickerkey::kPageUp);
    EXPECT_EQ(k.selector.Point().x, held.x);
}

TEST(ColourSelector, NoIdSendsNoNotice) {
    ColourSelector s(0);
    ColourBar bar(101);
    ColourWell well;
    s.SetModel(3, 1000, 1000);
    bar.SetModel(3 | ColourBar::kReversed);
    s.Link(&bar, &well);
    int posted = 0;
    well.postToParent = [&](std::uint32_t) { ++posted; };
    s.SetColour(colour::Rgb(0, 255, 0));
    EXPECT_EQ(posted, 0);
    EXPECT_EQ(well.Colour(), 0u);
}

TEST(ColourBar, RangesAndRefusedModels) {
    ColourBar bar;
    EXPECT_FALSE(bar.SetModel(7));
    EXPECT_TRUE(bar.SetModel(4));
    EXPECT_EQ(bar.Maximum(), 1000);
    EXPECT_EQ(bar.Position(), 0);
    EXPECT_TRUE(bar.SetModel(1 | ColourBar::kReversed));
    EXPECT_EQ(bar.Maximum(), 255);
    EXPECT_EQ(bar.Position(), 255);
}

TEST(ColourBar, GeometryLeavesRoomForTheMarkers) {
    ColourBar bar;
    bar.Resize(20, 170);
    EXPECT_EQ(bar.Inner().left, 2);
    EXPECT_EQ(bar.Inner().bottom, 167);
    EXPECT_EQ(bar.BarRect().left, 9);
    EXPECT_EQ(bar.BarRect().right, 10);
    EXPECT_EQ(bar.BarRect().top, 5);
    EXPECT_EQ(bar.BarRect().bottom, 164);
    EXPECT_EQ(bar.Track().top, 7);
    EXPECT_EQ(bar.TrackLength(), 155);
    EXPECT_EQ(bar.Gradient().size(), 156u);
}

TEST(ColourBar, DragKeysAndNoticesReachTheSelector) {
    Picker k;
    k.selector.SetColour(colour::Rgb(255, 0, 0));
    // Top of the reversed bar: position 0, z 3599, almost red from the other side.
    ASSERT_TRUE(k.bar.LeftDown(10, 3));
    EXPECT_EQ(k.bar.Position(), 0);
    EXPECT_EQ(k.selector.Point().z, 3599);
    k.bar.Move(10, k.bar.Track().top + k.bar.TrackLength() / 2);
    EXPECT_NEAR(k.selector.Point().z, 1800, 12);
    k.toWellParent.clear();
    EXPECT_TRUE(k.bar.LeftUp());
    ASSERT_EQ(k.toWellParent.size(), 2u);  // the colour once more, then the drag's end
    EXPECT_EQ(k.toWellParent.back(), msg::kColourDragEnded);

    k.bar.Key(pickerkey::kEnd);
    EXPECT_EQ(k.bar.Position(), 3599);
    EXPECT_EQ(k.selector.Point().z, 0);
    k.bar.Key(pickerkey::kPageDown);  // already at the end: nothing
    EXPECT_EQ(k.bar.Position(), 3599);
    k.bar.Key(pickerkey::kUp);
    EXPECT_EQ(k.selector.Point().z, 10);
}

TEST(ColourBar, HueGradientRunsFromRedAtTheBottomRow) {
    Picker k;
    const std::vector<std::uint32_t> g = k.bar.Gradient();
    EXPECT_EQ(g.front(), 0xFFFF0000u);  // entry 0 is drawn at the bottom
    EXPECT_EQ(g.back(), 0xFFFF0000u);
    const std::uint32_t third = g[(g.size() - 1) / 3];  // hue 120: green
    EXPECT_EQ((third >> 8) & 0xFF, 0xFFu);
    EXPECT_LE((third >> 16) & 0xFF, 8u);
    // A non-reversed bar with the flip flag draws the same array upside down.
    ColourBar plain;
    plain.SetModel(0);
    plain.Resize(20, 170);
    const std::vector<std::uint32_t> r = plain.Gradient();
    EXPECT_EQ(r.front(), 0xFFFF0000u);  // red 255 at the bottom
    EXPECT_EQ(r.back(), 0xFF000000u);
}

TEST(ColourField, CornersHaveTheModelsColours) {
    constexpr int w = 40, h = 30;
    std::vector<std::uint32_t> px(w * h);
    RenderColourField(3, 1200, px.data(), w, h, w);  // hue 120: green
    EXPECT_EQ(px[0], 0xFFFFFFFFu);                   // top left: no saturation, full value
    EXPECT_EQ(px[w - 1], 0xFF00FF00u);               // top right: pure green
    EXPECT_EQ(px[(h - 1) * w], 0xFF000000u);         // bottom: black
    EXPECT_EQ(px[(h - 1) * w + w - 1], 0xFF000000u);
    // Value falls monotonically down a column.
    for (int y = 1; y < h; ++y) {
        EXPECT_LE(px[y * w + w - 1] & 0xFF00u, px[(y - 1) * w + w - 1] & 0xFF00u);
    }
    RenderColourField(0, 255, px.data(), w, h, w);  // red fixed at 255
    EXPECT_EQ(px[0], 0xFFFFFF00u);                  // green 255 at the top, blue 0 at left
    EXPECT_EQ(px[(h - 1) * w + w - 1], 0xFFFF00FFu);
}

TEST(ColourField, TrianglesPointWhereTheirKindSays) {
    const Triangle left = TriangleAt({10, 10}, 6, 1);
    EXPECT_EQ(left.b.x, 15);
    EXPECT_EQ(left.b.y, 15);
    EXPECT_EQ(left.c.y, 5);
    const Triangle down = TriangleAt({10, 10}, 6, 4);
    EXPECT_EQ(down.b.y, 5);
    EXPECT_EQ(down.c.y, 5);
}
