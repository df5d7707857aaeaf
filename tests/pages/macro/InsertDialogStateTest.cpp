#include <gtest/gtest.h>

#include "pages/macro/InsertDialogState.h"

TEST(InsertDialogStateTest, DelayBoxNumbers) {
    const std::pair<std::u16string, int> cases[] = {
        {u"", 0},          {u"0", 0},     {u"65535", 65535}, {u"65536", 65535},
        {u"99999", 65535}, {u"120", 120}, {u"007", 7}};
    for (const auto& [text, value] : cases) {
        EXPECT_EQ(DelayBoxValue(text), value) << std::string(text.begin(), text.end());
    }
}

TEST(InsertDialogStateTest, OkSaysWhatTheChosenPageDoes) {
    InsertDialogState s;
    EXPECT_EQ(s.ChoiceCaption(), 54);
    EXPECT_EQ(s.OkCaption(), 53);
    s.SetDelayPageText(u"70000");
    EXPECT_EQ(s.Ok(), (InsertMessage{1143, 0, 65535}));
    s.Choose(1002);
    EXPECT_EQ(s.Ok(), (InsertMessage{1143, 1, 65535}));
    for (int command : {1003, 1004}) {
        s.Choose(command);
        EXPECT_TRUE(s.RecordingPageShown());
        EXPECT_EQ(s.OkCaption(), 51);
        EXPECT_EQ(s.ChoiceCaption(), 54 + command - 1001);
        EXPECT_EQ(s.Ok(), (InsertMessage{1140, 0, 0}));
    }
    s.Choose(999);  // not a menu command: nothing changes
    EXPECT_EQ(s.Choice(), 3);
    EXPECT_EQ(InsertDialogState::Cancel(), (InsertMessage{1139, 0, 0}));
}

TEST(InsertDialogStateTest, RecordButtonLocksTheModeAndTheBox) {
    InsertDialogState s;
    EXPECT_TRUE(s.RecordDelayBoxEnabled());
    s.SetRecordPageText(u"");
    EXPECT_EQ(s.RecordToggled(true), (InsertMessage{1142, 1, 0}));
    EXPECT_EQ(s.RecordCaption(), 17);
    EXPECT_FALSE(s.RecordDelayBoxEnabled());
    EXPECT_TRUE(s.ModeButtonEnabled(1));
    EXPECT_FALSE(s.ModeButtonEnabled(0));
    s.SetMode(0);  // ignored while recording
    EXPECT_EQ(s.Mode(), 1);
    EXPECT_EQ(s.RecordToggled(false), (InsertMessage{1141, 1, 0}));
    s.SetMode(2);
    EXPECT_FALSE(s.RecordDelayBoxEnabled());
    EXPECT_TRUE(s.ModeButtonEnabled(0));
    s.RecordToggled(true);
    s.ResetRecording();
    EXPECT_FALSE(s.Recording());
    EXPECT_EQ(s.RecordCaption(), 16);
}
