#include <gtest/gtest.h>

#include <vector>

#include "pages/lighting/ColourConversion.h"
#include "pages/lighting/LightingPreview.h"

namespace {
PreviewFrame All(std::uint32_t c, int a) {
    PreviewFrame f;
    f.fill({c, a});
    return f;
}
}  // namespace

TEST(LightingPreview, SteadyAndOffPaintAtOnceWithoutTimer) {
    struct Case {
        int mode, brightness, opacity;
        std::uint32_t colour;
    };
    const Case cases[] = {{1, 3, 90, 0x123456},  {1, 8, 255, 0x123456},  {1, 1, 30, 0x123456},
                          {1, 0, 255, 0x123456}, {1, -4, 255, 0x123456}, {0, 3, 255, 0}};
    for (const Case& t : cases) {
        LightingPreview p;
        p.SetColour(0x123456);
        const auto frame = p.Restart(t.mode, 5, t.brightness);
        ASSERT_TRUE(frame);
        EXPECT_EQ(*frame, All(t.colour, t.opacity)) << t.mode << " " << t.brightness;
        EXPECT_FALSE(p.Timer());
    }
}

TEST(LightingPreview, TimersAndPeriodsBySpeed) {
    struct Case {
        int mode, speed, id, period;
    };
    const Case cases[] = {
        {2, 8, 2, 10},
        {2, 1, 2, 80},
        {3, 8, 3, 10},
        {4, 1, 4, 80},
        {7, 1, 5, 30},
        {7, 8, 5, 30},
        {8, 8, 7, 40},
        {8, 1, 7, 320},
        // Damaged speeds run as the slider shows them: never a zero or negative period.
        {2, 9, 2, 10},
        {2, 1000, 2, 10},
        {2, -1, 2, 10},
        {2, 0, 2, 80},
        {8, 9, 7, 40},
    };
    for (const Case& t : cases) {
        LightingPreview p;
        EXPECT_FALSE(p.Restart(t.mode, t.speed, 8)) << "timed modes wait for the first tick";
        ASSERT_TRUE(p.Timer()) << t.mode;
        EXPECT_EQ(*p.Timer(), (PreviewTimer{t.id, t.period})) << t.mode << " " << t.speed;
    }
}

TEST(LightingPreview, UnknownModeStopsAndPaintsNothing) {
    LightingPreview p;
    p.Restart(3, 8, 8);
    for (int mode : {5, 6, 9, -1, 1000}) {
        EXPECT_FALSE(p.Restart(mode, 8, 8));
        EXPECT_FALSE(p.Timer());
        EXPECT_FALSE(p.Tick(3));
    }
}

TEST(LightingPreview, TickOfAnotherTimerPaintsNothing) {
    LightingPreview p;
    p.Restart(2, 8, 8);
    EXPECT_FALSE(p.Tick(3));
    EXPECT_FALSE(p.Tick(7));
    EXPECT_TRUE(p.Tick(2));
}

TEST(LightingPreview, BreathingRisesAndFallsInFives) {
    LightingPreview p;
    p.SetColour(0x00FF00);
    p.Restart(2, 8, 8);
    std::vector<int> levels;
    for (int i = 0; i < 104; ++i) {
        levels.push_back((*p.Tick(2))[0].opacity);
    }
    EXPECT_EQ(levels[0], 5);
    EXPECT_EQ(levels[50], 255);  // 51 rises of 5
    EXPECT_EQ(levels[51], 250);
    EXPECT_EQ(levels[100], 5);
    EXPECT_EQ(levels[101], 0);
    EXPECT_EQ(levels[102], 5);
    EXPECT_EQ((*p.Tick(2))[4].colour, 0x00FF00u);
}

TEST(LightingPreview, ColourBreathingChangesColourOnlyAtTheBottom) {
    LightingPreview p;
    p.Restart(4, 8, 8);
    std::vector<std::uint32_t> changesAt;
    std::vector<std::uint32_t> colours;
    std::uint32_t last = kBreathingColours[0];
    for (int i = 0; i < 102 * 8; ++i) {
        const ZoneLook z = (*p.Tick(4))[0];
        if (z.colour != last) {
            EXPECT_EQ(z.opacity, 0) << "tick " << i;
            colours.push_back(z.colour);
            last = z.colour;
        }
    }
    // Through the seven colours and from white back to red.
    ASSERT_EQ(colours.size(), 8u);
    for (std::size_t i = 0; i < 6; ++i) {
        EXPECT_EQ(colours[i], kBreathingColours[i + 1]);
    }
    EXPECT_EQ(colours[5], 0xFFFFFFu);
    EXPECT_EQ(colours[6], kBreathingColours[0]);
}

TEST(LightingPreview, RunningLightBouncesWithItsOwnColourCount) {
    LightingPreview p;
    p.Restart(8, 8, 8);
    const std::vector<int> expectedLit = {0, 1, 2, 3, 4, 4, 3, 2, 1, 0, 0, 1};
    for (std::size_t i = 0; i < expectedLit.size(); ++i) {
        const PreviewFrame f = *p.Tick(7);
        for (int z = 0; z < kZoneCount; ++z) {
            if (z == expectedLit[i]) {
                EXPECT_EQ(f[z], (ZoneLook{kRunningColours[i % 9], 255})) << i;
            } else {
                EXPECT_EQ(f[z], (ZoneLook{0, 0})) << i;
            }
        }
    }
}

TEST(LightingPreview, ColourWheelStepTable) {
    struct Case {
        WheelColour before;
        int step;
        WheelColour after;
    };
    const Case cases[] = {
        {{255, 0, 0, true, false, false}, 5, {255, 5, 0, true, false, false}},
        {{255, 252, 0, true, false, false}, 5, {255, 255, 0, true, true, false}},
        {{3, 255, 0, true, true, false}, 5, {0, 255, 0, false, true, false}},
        {{0, 255, 250, false, true, false}, 5, {0, 255, 255, false, true, true}},
        {{0, 5, 255, false, true, true}, 5, {0, 0, 255, false, false, true}},
        {{254, 0, 255, false, false, true}, 24, {255, 0, 255, true, false, true}},
        {{255, 0, 10, true, false, true}, 24, {255, 0, 0, true, false, false}},
        {{1, 2, 3, false, false, false}, 5, {1, 2, 3, false, false, false}},
        {{1, 2, 3, true, true, true}, 5, {1, 2, 3, true, true, true}},
    };
    for (const Case& t : cases) {
        WheelColour w = t.before;
        w.Advance(t.step);
        EXPECT_EQ(w, t.after) << t.before.r << "," << t.before.g << "," << t.before.b;
    }
    // From red through the six corners and home again.
    WheelColour w;
    std::vector<std::uint32_t> corners;
    for (int i = 0; i < 6 * 51; ++i) {
        w.Advance(5);
        const std::uint32_t c = w.Colour();
        if ((c == 0x00FFFF || c == 0x00FF00 || c == 0xFFFF00 || c == 0xFF0000 || c == 0xFF00FF ||
             c == 0x0000FF)) {
            corners.push_back(c);
        }
    }
    EXPECT_EQ(corners, (std::vector<std::uint32_t>{0x00FFFF, 0x00FF00, 0xFFFF00, 0xFF0000, 0xFF00FF,
                                                   0x0000FF}));
}

TEST(LightingPreview, ColourCycleAndRainbowAdvanceTheWheel) {
    LightingPreview p;
    p.Restart(3, 1, 8);
    EXPECT_EQ(*p.Tick(3), All(colour::Rgb(255, 5, 0), 255));

    p.Restart(7, 2, 8);  // step 6
    const PreviewFrame f = *p.Tick(5);
    // Zone 2 starts red: green climbs 6, 12, 18; red and blue hold.
    EXPECT_EQ(f[1], (ZoneLook{colour::Rgb(255, 12, 0), 255}));
    // Zone 1 starts yellow: the first advance only turns it, so red is taken at 255 before
    // it starts to fall.
    EXPECT_EQ(f[0], (ZoneLook{colour::Rgb(255, 255, 0), 255}));
    EXPECT_EQ((*p.Tick(5))[0], (ZoneLook{colour::Rgb(237, 255, 0), 255}));
    // Restarting returns every zone to its start.
    p.Restart(7, 2, 8);
    EXPECT_EQ(*p.Tick(5), f);
}
