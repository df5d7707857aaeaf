#include <gtest/gtest.h>

#include <memory>

#include "data/ProfileDefaults.h"
#include "data/ProfileRecord.h"
#include "pages/lighting/ColourConversion.h"
#include "pages/lighting/LightEffects.h"
#include "pages/lighting/LightingEdits.h"

namespace {
struct Fixture {
    std::unique_ptr<tagPROFILE> p = std::make_unique<tagPROFILE>();
    LightingEdits edits;
    Fixture() {
        FillProfileDefaults(*p, 0, u"Profile ");
        edits.SetProfile(p.get());
    }
};
}  // namespace

TEST(LightingEdits, MenuEntriesStoreTheirModes) {
    struct Row {
        int command, mode, caption;
        ModeControls controls;
    };
    const Row rows[] = {
        {1001, 1, 76, {true, false, true}},   {1003, 4, 78, {false, true, false}},
        {1004, 3, 79, {false, true, false}},  {1006, 7, 109, {false, true, false}},
        {1007, 8, 110, {false, true, false}}, {1005, 0, 80, {false, false, false}},
        {1002, 2, 77, {false, true, false}},  {1008, 1, 76, {true, false, true}},
        {1010, 1, 76, {true, false, true}},
    };
    for (const Row& r : rows) {
        Fixture f;
        EXPECT_EQ(f.edits.ChooseEffect(r.command), r.mode);
        EXPECT_EQ(f.p->lightMode, r.mode);
        EXPECT_EQ(CaptionStringOf(r.mode), r.caption) << r.command;
        const ModeControls c = ControlsOf(r.mode);
        EXPECT_EQ(c.brightness, r.controls.brightness) << r.command;
        EXPECT_EQ(c.speed, r.controls.speed) << r.command;
        EXPECT_EQ(c.colour, r.controls.colour) << r.command;
    }
    // The menu lists six entries in this order; its second is colour breathing.
    ASSERT_EQ(kEffectMenu.size(), 6u);
    EXPECT_EQ(kEffectMenu[1].command, 1003);
    EXPECT_EQ(kEffectMenu[2].command, 1004);
    EXPECT_EQ(kEffectMenu.back().command, 1005);
}

TEST(LightingEdits, UnknownModeReadsAsSteadyWithTheDynamicLayout) {
    EXPECT_EQ(CaptionStringOf(5), 76);
    EXPECT_EQ(CaptionStringOf(-7), 76);
    EXPECT_FALSE(IsKnownMode(5));
    EXPECT_TRUE(ControlsOf(5).speed);
    EXPECT_FALSE(ControlsOf(5).colour);
    EXPECT_EQ(DarkPanelOf(0), (SkinRect{430, 370, 710, 504}));
    EXPECT_EQ(DarkPanelOf(1), (SkinRect{430, 440, 710, 504}));
    EXPECT_EQ(DarkPanelOf(5), (SkinRect{430, 370, 710, 440}));
    EXPECT_FALSE(CoversColourControls(1));
    EXPECT_FALSE(CoversColourControls(2));
    EXPECT_TRUE(CoversColourControls(8));
}

TEST(LightingEdits, ParamShownInHalves) {
    EXPECT_EQ(ParamText(7), "3.5");
    EXPECT_EQ(ParamText(1), "0.5");
    EXPECT_EQ(ParamText(30), "15.0");
    EXPECT_EQ(ParamText(-3), "-1.5");
}

TEST(LightingEdits, SwatchStoresItsColourAndRestartsOnlySteadyLight) {
    Fixture f;
    f.p->lightMode = 1;
    EXPECT_TRUE(f.edits.Swatch(2));
    EXPECT_EQ(f.p->lightColor, colour::Rgb(0, 128, 255));
    EXPECT_EQ(f.edits.Current(), colour::Rgb(0, 128, 255));
    f.p->lightMode = 3;
    EXPECT_FALSE(f.edits.Swatch(0));
    EXPECT_EQ(f.p->lightColor, colour::Rgb(236, 99, 31));
    EXPECT_FALSE(f.edits.Swatch(16));
    EXPECT_EQ(f.p->lightColor, colour::Rgb(236, 99, 31));
}

TEST(LightingEdits, ComponentKeepsTheOtherBytes) {
    Fixture f;
    f.p->lightMode = 1;
    f.edits.SetCurrent(colour::Rgb(10, 20, 30));
    f.p->lightColor = colour::Rgb(10, 20, 30);
    bool restart = false;
    EXPECT_EQ(f.edits.ComponentChanged(402, 16, restart), colour::Rgb(10, 16, 30));
    EXPECT_EQ(f.p->lightColor, colour::Rgb(10, 16, 30));
    EXPECT_TRUE(restart);
    // Only the low byte counts; an unknown id changes nothing.
    EXPECT_EQ(f.edits.ComponentChanged(401, 0x1FF, restart), colour::Rgb(255, 16, 30));
    EXPECT_EQ(f.edits.ComponentChanged(403, 0, restart), colour::Rgb(255, 16, 0));
    EXPECT_EQ(f.edits.ComponentChanged(404, 77, restart), colour::Rgb(255, 16, 0));
    EXPECT_FALSE(restart);  // nothing changed, nothing restarts
}

TEST(LightingEdits, PickerColourRestartsSteadyLightOnlyWhenItDiffers) {
    Fixture f;
    f.p->lightMode = 1;
    f.p->lightColor = 0x00FF00;
    EXPECT_FALSE(f.edits.PickerColourChanged(0x00FF00));
    EXPECT_TRUE(f.edits.PickerColourChanged(0x0000FF));
    f.p->lightMode = 8;
    EXPECT_FALSE(f.edits.PickerColourChanged(0x00FFFF));
    EXPECT_EQ(f.p->lightColor, 0x00FFFFu);
    EXPECT_EQ(f.edits.Current(), 0x00FFFFu);
}

TEST(LightingEdits, SlidersStoreByIdAndOnlyTwoRestart) {
    Fixture f;
    f.edits.SliderChanging(101, 3);
    f.edits.SliderChanging(102, 4);
    f.edits.SliderChanging(103, 7);
    f.edits.SliderChanging(104, 9);
    EXPECT_EQ(f.p->lightBrightness, 3);
    EXPECT_EQ(f.p->lightSpeed, 4);
    EXPECT_EQ(f.p->lightParam, 7);
    EXPECT_TRUE(f.edits.SliderSettled(101, 5));
    EXPECT_TRUE(f.edits.SliderSettled(102, 6));
    EXPECT_FALSE(f.edits.SliderSettled(103, 8));
    EXPECT_EQ(f.p->lightParam, 8);
    f.edits.ChooseSource(1);
    EXPECT_EQ(f.p->lightColorSource, 1);
}
