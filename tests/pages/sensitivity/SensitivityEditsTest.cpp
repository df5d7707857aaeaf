#include <gtest/gtest.h>

#include <climits>
#include <memory>

#include "data/ProfileDefaults.h"
#include "pages/sensitivity/SensitivityEdits.h"
#include "pages/sensitivity/SensitivityTables.h"

namespace {

class SensitivityEditsTest : public ::testing::Test {
protected:
    void SetUp() override { FillProfileDefaults(*p, 0, u"P"); }
    std::unique_ptr<tagPROFILE> p = std::make_unique<tagPROFILE>();
    SensitivityEdits edits{*p};
};

TEST_F(SensitivityEditsTest, SpeedStoresTwiceThePositionAndZeroAsOne) {
    const struct { std::int32_t position, stored; } cases[] = {{0, 1}, {1, 2}, {5, 10}, {10, 20}};
    for (const auto& c : cases) {
        edits.SliderMoved(sens::kSliderSpeed, c.position);
        EXPECT_EQ(p->pointerSpeed, c.stored) << c.position;
        p->pointerSpeed = -1;
        edits.SliderSettled(sens::kSliderSpeed, c.position);
        EXPECT_EQ(p->pointerSpeed, c.stored) << c.position;
    }
    // An odd stored speed shows truncated and is kept until the slider moves.
    p->pointerSpeed = 7;
    EXPECT_EQ(edits.View().speedPosition, 3);
    EXPECT_EQ(p->pointerSpeed, 7);
}

TEST_F(SensitivityEditsTest, LinkedXMovesBothValuesOfTheActiveLevelOnly) {
    p->xySeparate = 0;
    p->currentLevel = 2;
    const auto before = *p;
    const SensitivityUpdate u = edits.SliderMoved(sens::kSliderX, 50);
    EXPECT_EQ(u.setY, 50);
    EXPECT_FALSE(u.setX);
    EXPECT_TRUE(u.levelText);
    EXPECT_EQ(p->levelX[2], 50);
    EXPECT_EQ(p->levelY[2], 50);
    const SensitivityView v = edits.View();
    EXPECT_EQ(v.levelX[2], u"5000");
    EXPECT_EQ(v.levelY[2], u"5000");
    for (int i : {0, 1, 3, 4}) {
        EXPECT_EQ(p->levelX[i], before.levelX[i]) << i;
        EXPECT_EQ(p->levelY[i], before.levelY[i]) << i;
    }
    // Y drags X along the same way.
    EXPECT_EQ(edits.SliderMoved(sens::kSliderY, 70).setX, 70);
    EXPECT_EQ(p->levelX[2], 70);
}

TEST_F(SensitivityEditsTest, SeparateSlidersMoveOneValue) {
    p->xySeparate = 1;
    p->currentLevel = 0;
    p->levelY[0] = 30;
    const SensitivityUpdate u = edits.SliderMoved(sens::kSliderX, 90);
    EXPECT_FALSE(u.setY);
    EXPECT_EQ(p->levelX[0], 90);
    EXPECT_EQ(p->levelY[0], 30);
}

TEST_F(SensitivityEditsTest, LinkingBringsOnlyTheActiveLevelIntoLine) {
    p->xySeparate = 1;
    p->currentLevel = 1;
    p->levelX[1] = 40, p->levelY[1] = 80;
    p->levelX[3] = 10, p->levelY[3] = 20;
    SensitivityUpdate u = edits.SetSeparate(false);
    EXPECT_EQ(p->xySeparate, 0);
    EXPECT_EQ(p->levelY[1], 40);
    EXPECT_EQ(u.setY, 40);
    EXPECT_TRUE(u.levelText);
    EXPECT_EQ(u.notice, 0);
    EXPECT_EQ(p->levelX[3], 10);
    EXPECT_EQ(p->levelY[3], 20);

    // The other level follows once it is active and one of its sliders moves.
    edits.ClickLevel(3);
    EXPECT_EQ(p->levelY[3], 20);
    edits.SliderMoved(sens::kSliderY, 25);
    EXPECT_EQ(p->levelX[3], 25);
    EXPECT_EQ(p->levelY[3], 25);

    // Already equal, or switching to separate: nothing to bring into line.
    EXPECT_EQ(edits.SetSeparate(false), SensitivityUpdate{});
    EXPECT_EQ(edits.SetSeparate(true), SensitivityUpdate{});
    EXPECT_EQ(p->xySeparate, 1);
}

TEST_F(SensitivityEditsTest, LevelClickMovesOnlyTheTwoLevelSliders) {
    p->levelX[4] = 120, p->levelY[4] = 64;
    p->pointerSpeed = 14, p->pointerAccel = 6;
    const SensitivityView before = edits.View();
    const SensitivityUpdate u = edits.ClickLevel(4);
    EXPECT_EQ(p->currentLevel, 4);
    SensitivityUpdate expected;
    expected.selectLevel = true;
    expected.notice = sens::kNoticeLevels;
    EXPECT_EQ(u, expected);
    const SensitivityView after = edits.View();
    EXPECT_EQ(after.level, 4);
    EXPECT_EQ(after.sliderX, 120);
    EXPECT_EQ(after.sliderY, 64);
    EXPECT_EQ(after.speedPosition, before.speedPosition);
    EXPECT_EQ(after.accelPosition, before.accelPosition);
    // A level the page does not have changes nothing.
    EXPECT_EQ(edits.ClickLevel(5), SensitivityUpdate{});
    EXPECT_EQ(p->currentLevel, 4);
}

TEST_F(SensitivityEditsTest, RateMenuAndCaption) {
    const SensitivityUpdate u = edits.ChooseRate(1003);
    EXPECT_EQ(p->reportRate, 2);
    EXPECT_TRUE(u.rateCaption);
    EXPECT_EQ(edits.View().rateStringId, 42);
    const struct {
        int command;
        std::int32_t rate;
    } cases[] = {{1001, 0}, {1002, 1}, {1004, 3}, {1005, 0}, {1010, 0}};
    for (const auto& c : cases) {
        edits.ChooseRate(c.command);
        EXPECT_EQ(p->reportRate, c.rate) << c.command;
    }
    // Outside the menu's range: not a rate command at all.
    p->reportRate = 3;
    EXPECT_EQ(edits.ChooseRate(1011), SensitivityUpdate{});
    EXPECT_EQ(p->reportRate, 3);

    const struct {
        std::int32_t rate;
        int stringId;
    } shown[] = {{0, 40}, {1, 41}, {2, 42}, {3, 43}, {4, 40}, {5, 40}, {-1, 40}};
    for (const auto& s : shown) {
        EXPECT_EQ(RateStringId(s.rate), s.stringId) << s.rate;
    }
}

// Which edits tell the main window, and with which kind.
TEST_F(SensitivityEditsTest, EditNoticeKinds) {
    p->xySeparate = 1;
    p->levelY[0] = 7;
    const struct {
        const char* what;
        SensitivityUpdate (*edit)(SensitivityEdits&);
        int kind;
    } cases[] = {
        {"X moving", [](SensitivityEdits& e) { return e.SliderMoved(sens::kSliderX, 9); }, 0},
        {"Y moving", [](SensitivityEdits& e) { return e.SliderMoved(sens::kSliderY, 9); }, 0},
        {"speed moving", [](SensitivityEdits& e) { return e.SliderMoved(sens::kSliderSpeed, 3); },
         0},
        {"accel moving", [](SensitivityEdits& e) { return e.SliderMoved(sens::kSliderAccel, 3); },
         0},
        {"X settled", [](SensitivityEdits& e) { return e.SliderSettled(sens::kSliderX, 9); }, 1},
        {"Y settled", [](SensitivityEdits& e) { return e.SliderSettled(sens::kSliderY, 9); }, 0},
        {"speed settled",
         [](SensitivityEdits& e) { return e.SliderSettled(sens::kSliderSpeed, 3); }, 5},
        {"accel settled",
         [](SensitivityEdits& e) { return e.SliderSettled(sens::kSliderAccel, 3); }, 5},
        {"other slider", [](SensitivityEdits& e) { return e.SliderSettled(105, 3); }, 0},
        {"level click", [](SensitivityEdits& e) { return e.ClickLevel(1); }, 1},
        {"link", [](SensitivityEdits& e) { return e.SetSeparate(false); }, 0},
        {"rate", [](SensitivityEdits& e) { return e.ChooseRate(1002); }, 3},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(c.edit(edits).notice, c.kind) << c.what;
    }
}

TEST_F(SensitivityEditsTest, DamagedValuesAreShownSafelyAndKept) {
    p->currentLevel = 7;
    EXPECT_EQ(edits.View().level, 4);
    edits.SliderMoved(sens::kSliderX, 33);
    EXPECT_EQ(p->levelX[4], 33);
    EXPECT_EQ(p->currentLevel, 7);  // kept until a level is clicked
    p->currentLevel = -2;
    EXPECT_EQ(edits.View().level, 0);

    p->currentLevel = 0;
    p->levelX[0] = INT32_MAX;
    p->levelY[0] = -3;
    p->levelX[1] = 400;
    const SensitivityView v = edits.View();
    EXPECT_EQ(v.levelX[0], u"214748364700");
    EXPECT_EQ(v.levelY[0], u"-300");
    EXPECT_EQ(v.levelX[1], u"40000");
    // The sliders get the stored values and clamp them for display themselves.
    EXPECT_EQ(v.sliderX, INT32_MAX);
    EXPECT_EQ(v.sliderY, -3);
    EXPECT_EQ(p->levelX[0], INT32_MAX);
}

TEST(LevelText, RangeEnds) {
    EXPECT_EQ(LevelText(1), u"100");
    EXPECT_EQ(LevelText(320), u"32000");
    EXPECT_EQ(LevelText(INT32_MIN), u"-214748364800");
}

}  // namespace
