// The main window's decisions, without a window.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <memory>

#include "app/MainWindowModel.h"
#include "data/FixedText.h"
#include "data/ProfileDefaults.h"
#include "data/ProfileList.h"
#include "data/ProfileStore.h"
#include "support/QuietProfileUi.h"
#include "support/TempDir.h"

namespace {

class MainWindowModelTest : public ::testing::Test {
protected:
    MainWindowModelTest()
        : working(std::make_unique<tagSTATEBLOCK>()),
          store(list, *working, [this] { return dir.Path() / ""; }, u"Profile ", ui),
          model(*working) {
        store.LoadStateFile(*working);
        store.LoadProfileList();
    }

    TempDir dir;
    QuietProfileUi ui;
    ProfileList list;
    std::unique_ptr<tagSTATEBLOCK> working;
    ProfileStore store;
    MainWindowModel model;
};

}  // namespace

TEST(MainWindowTabs, EachTabHasItsPageAndNothingElseHasOne) {
    EXPECT_EQ(MainWindowModel::PageOfTab(tab::kSensitivity), 0);
    EXPECT_EQ(MainWindowModel::PageOfTab(tab::kButtons), 1);
    EXPECT_EQ(MainWindowModel::PageOfTab(tab::kLighting), 2);
    EXPECT_EQ(MainWindowModel::PageOfTab(tab::kMacro), 3);
    for (int key : {0, 3, 8, 10, 18}) {
        EXPECT_FALSE(MainWindowModel::PageOfTab(key)) << key;
    }
}

TEST_F(MainWindowModelTest, ClickingTheCurrentTabChangesNothing) {
    EXPECT_TRUE(model.ClickTab(tab::kButtons));
    EXPECT_FALSE(model.ClickTab(tab::kButtons));
    EXPECT_EQ(model.CurrentTab(), tab::kButtons);
    EXPECT_FALSE(model.ClickTab(18)) << "Apply is not a tab";
    EXPECT_EQ(model.CurrentTab(), tab::kButtons);
    EXPECT_TRUE(model.ClickTab(tab::kMacro));
    EXPECT_EQ(model.CurrentTab(), tab::kMacro);
}

TEST_F(MainWindowModelTest, SlotSwitchMakesThatSlotCurrentAndSendsNothingYet) {
    working->profiles[2].reportRate = 3;
    EXPECT_TRUE(model.SelectSlot(2));
    EXPECT_EQ(working->currentSlot, 2);
    EXPECT_EQ(working->Current().reportRate, 3);
    EXPECT_EQ(working->profileSwitched, 0) << "the apply decides that";
    EXPECT_FALSE(model.SelectSlot(3));
    EXPECT_FALSE(model.SelectSlot(-1));
    EXPECT_EQ(working->currentSlot, 2);
}

TEST_F(MainWindowModelTest, RestoreDefaultsRebindsTheSlotsAndMarksEverythingChanged) {
    working->currentSlot = 1;
    working->slotProfile[0] = 2;
    working->slotProfile[1] = 2;
    working->profiles[0].reportRate = 3;
    working->profiles[1].lightMode = 5;
    model.RestoreDefaults(u"Profile ");

    EXPECT_EQ(working->currentSlot, 0);
    for (int k = 0; k < kSlotCount; ++k) {
        auto expected = std::make_unique<tagPROFILE>();
        FillProfileDefaults(*expected, k, u"Profile ");
        EXPECT_EQ(working->slotProfile[k], k);
        EXPECT_EQ(std::memcmp(&working->profiles[k], expected.get(), sizeof(tagPROFILE)), 0) << k;
    }
    EXPECT_TRUE(std::all_of(std::begin(working->buttonChanged), std::end(working->buttonChanged),
                            [](std::int32_t c) { return c == 1; }));
    EXPECT_EQ(working->sensitivityChanged, 1);
    EXPECT_EQ(working->lightingChanged, 1);
    EXPECT_EQ(working->reportRateChanged, 1);
    EXPECT_EQ(working->profileSwitched, 1);
}

TEST_F(MainWindowModelTest, NewProfileIsAddedAndBoundToTheCurrentSlot) {
    working->currentSlot = 1;
    const std::size_t before = list.Size();
    ASSERT_TRUE(model.NewProfile(store));
    ASSERT_EQ(list.Size(), before + 1);
    EXPECT_EQ(working->slotProfile[1], static_cast<std::int32_t>(before));
    EXPECT_EQ(ReadFixedText(working->Current().name), ReadFixedText(list.At(before).name));
    EXPECT_EQ(std::memcmp(&working->Current(), &list.At(before), sizeof(tagPROFILE)), 0);
    EXPECT_EQ(working->slotProfile[0], 0) << "other slots keep their binding";
}
