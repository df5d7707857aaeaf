#include <gtest/gtest.h>

#include <array>
#include <functional>
#include <memory>

#include "data/ProfileDefaults.h"
#include "device/ChangeDetection.h"

namespace {

struct Flags {
    int sensitivity, lighting, rate, switched;
    bool operator==(const Flags&) const = default;
};
std::ostream& operator<<(std::ostream& os, const Flags& f) {
    return os << f.sensitivity << f.lighting << f.rate << f.switched;
}

class ChangeDetectionTest : public testing::Test {
protected:
    ChangeDetectionTest()
        : working(std::make_unique<tagSTATEBLOCK>()), applied(std::make_unique<tagSTATEBLOCK>()) {
        ResetStateDefaults(*applied, u"Profile ");
        applied->currentSlot = 1;
        *working = *applied;
        // Stale flags from the last apply must be overwritten, and 12..59 left alone.
        working->sensitivityChanged = working->lightingChanged = 1;
        working->reportRateChanged = working->profileSwitched = 1;
        std::fill(std::begin(working->buttonChanged), std::end(working->buttonChanged), 7);
    }

    Flags Detect() {
        DetectChanges(*working, *applied);
        return {working->sensitivityChanged, working->lightingChanged, working->reportRateChanged,
                working->profileSwitched};
    }
    tagPROFILE& P() { return working->profiles[1]; }

    std::unique_ptr<tagSTATEBLOCK> working, applied;
};

TEST_F(ChangeDetectionTest, EachFieldRaisesItsReportFlag) {
    const struct {
        const char* what;
        std::function<void(tagPROFILE&)> edit;
        Flags flags;
    } rows[] = {
        {"nothing", [](tagPROFILE&) {}, {0, 0, 0, 0}},
        {"sensReportByte2", [](tagPROFILE& p) { p.sensReportByte2 = 11; }, {1, 0, 0, 0}},
        {"sensReportByte3", [](tagPROFILE& p) { p.sensReportByte3 = 11; }, {1, 0, 0, 0}},
        {"xySeparate", [](tagPROFILE& p) { p.xySeparate = 1; }, {1, 0, 0, 0}},
        {"levelX", [](tagPROFILE& p) { p.levelX[4] = 161; }, {1, 0, 0, 0}},
        {"levelY", [](tagPROFILE& p) { p.levelY[0] = 11; }, {1, 0, 0, 0}},
        {"currentLevel", [](tagPROFILE& p) { p.currentLevel = 3; }, {1, 0, 0, 0}},
        {"levelEnabled", [](tagPROFILE& p) { p.levelEnabled[2] = 2; }, {1, 0, 0, 0}},
        {"levelExtra", [](tagPROFILE& p) { p.levelExtra[4] = 0; }, {1, 0, 0, 0}},
        {"levelColor", [](tagPROFILE& p) { p.levelColor[3] = 1; }, {1, 0, 0, 0}},
        {"lightMode", [](tagPROFILE& p) { p.lightMode = 1; }, {0, 1, 0, 0}},
        {"lightSpeed", [](tagPROFILE& p) { p.lightSpeed = 1; }, {0, 1, 0, 0}},
        {"lightBrightness", [](tagPROFILE& p) { p.lightBrightness = 1; }, {0, 1, 0, 0}},
        {"lightColor", [](tagPROFILE& p) { p.lightColor = 0x00FF00; }, {0, 1, 0, 0}},
        {"lightParam", [](tagPROFILE& p) { p.lightParam = 0; }, {0, 1, 0, 0}},
        {"reportRate", [](tagPROFILE& p) { p.reportRate = 0; }, {0, 0, 1, 0}},
        // Neither sent nor compared.
        {"lightColorSource", [](tagPROFILE& p) { p.lightColorSource = 1; }, {0, 0, 0, 0}},
        {"pointerSpeed", [](tagPROFILE& p) { p.pointerSpeed = 3; }, {0, 0, 0, 0}},
        {"name", [](tagPROFILE& p) { p.name[0] = u'Z'; }, {0, 0, 0, 0}},
    };
    for (const auto& row : rows) {
        *working = *applied;
        row.edit(P());
        EXPECT_EQ(Detect(), row.flags) << row.what;
        for (int i = 0; i < kButtonCount; ++i) {
            EXPECT_EQ(working->buttonChanged[i], 0) << row.what;
        }
    }
}

TEST_F(ChangeDetectionTest, ButtonsCompareEveryByte) {
    P().buttons[0].type = 18;
    P().buttons[4].reserved2[1] = 1;
    P().buttons[11].programPath[1999] = u'x';
    applied->profiles[0].buttons[3].type = 9;  // another slot does not count
    EXPECT_EQ(Detect(), (Flags{0, 0, 0, 0}));
    const std::array<int, kButtonCount> expected = {1, 0, 0, 0, 1, 0, 0, 0, 0, 0, 0, 1};
    for (int i = 0; i < kButtonCount; ++i) {
        EXPECT_EQ(working->buttonChanged[i], expected[i]) << "button " << i;
    }
    for (int i = kButtonCount; i < 60; ++i) {
        EXPECT_EQ(working->buttonChanged[i], 7) << "entry " << i;
    }
}

TEST_F(ChangeDetectionTest, SwitchedSlotOrBindingMarksEverything) {
    const std::function<void()> switches[] = {
        [&] { working->currentSlot = 2; },
        [&] { working->slotProfile[1] = 4; },
    };
    for (const auto& change : switches) {
        *working = *applied;
        std::fill(std::begin(working->buttonChanged), std::end(working->buttonChanged), 7);
        working->profileSwitched = 0;
        change();
        EXPECT_EQ(Detect(), (Flags{1, 1, 1, 1}));
        for (int i = 0; i < 60; ++i) {
            EXPECT_EQ(working->buttonChanged[i], i < kButtonCount ? 1 : 7) << "entry " << i;
        }
    }
    // A binding change in another slot is not a switch.
    *working = *applied;
    working->slotProfile[0] = 3;
    EXPECT_EQ(Detect(), (Flags{0, 0, 0, 0}));
}

}  // namespace
