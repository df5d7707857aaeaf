#include <fstream>

#include "PageFixture.h"
#include "data/RecordFile.h"

using namespace macro_test;

namespace {
constexpr std::uint8_t kA = 0x04, kB = 0x05, kC = 0x06, kQ = 0x14;
}

TEST_F(PageTest, CopyTwiceNumbersTheSecondCopy) {
    AddMacro(u"Combo", {Press(kA), Release(kA)});
    page.SelectMacro(0);
    page.CopyMacro();
    EXPECT_EQ(NameAt(1), u"Combo_Copy");
    EXPECT_EQ(page.SelectedIndex(), 1);
    page.SelectMacro(0);
    page.CopyMacro();
    EXPECT_EQ(NameAt(2), u"Combo_Copy_1");
    EXPECT_EQ(Stored(2), Stored(0));
    // Stored at once.
    MacroLibrary again{[this] { return dir.Path() / ""; }, u"Macro "};
    again.LoadMacroLibrary();
    EXPECT_EQ(again.Size(), 3u);
}

TEST_F(PageTest, ImportOfATakenNameAppendsANumber) {
    tagElement& original = AddMacro(u"Combo", {Press(kA)});
    const auto file = dir.Path() / "combo.macro";
    ASSERT_TRUE(WriteRecordAtomic(file, original));
    page.AdoptImported(lib.ImportMacro(file).record);
    EXPECT_EQ(NameAt(1), u"Combo_1");
    EXPECT_EQ(page.SelectedIndex(), 1);
    EXPECT_EQ(view.name, u"Combo_1");
}

TEST_F(PageTest, RenameRules) {
    AddMacro(u"Alpha", {});
    AddMacro(u"Beta", {});
    page.SelectMacro(1);
    // Another macro's name in other case, or an empty name: refused, the old name back.
    for (const std::u16string& taken :
         {std::u16string(u"ALPHA"), std::u16string(u"  alpha "), std::u16string(u"   ")}) {
        const auto r = page.CommitRename(taken);
        EXPECT_FALSE(r.renamed);
        EXPECT_EQ(r.name, u"Beta");
    }
    // Its own name in other case is no change either.
    EXPECT_FALSE(page.CommitRename(u"beta").renamed);
    const auto r = page.CommitRename(u"  Gamma ");
    EXPECT_TRUE(r.renamed);
    EXPECT_EQ(NameAt(1), u"Gamma");
}

TEST_F(PageTest, EveryEditReachesBoundButtonsAndIsAnnounced) {
    AddMacro(u"Combo", {Press(kA), Delay(10), Release(kA), Delay(20), Press(kB)});
    tagBUTTON& bound = working->profiles[4].buttons[5];  // a profile no slot shows
    bound.type = 18;
    WriteFixedText(bound.macroName, u"combo");
    page.SelectMacro(0);
    page.DeleteEventAt(0);
    EXPECT_EQ(notices, std::vector<int>{4});
    ASSERT_EQ(bound.macroEventCount, 3);
    EXPECT_EQ(bound.macroEvents[2], Press(kB));
    EXPECT_EQ(view.selectedRow, 0);

    // Deleting the macro sends the button back to its default function.
    page.DeleteMacro();
    EXPECT_EQ(bound.type, DefaultButtonTypes[5]);
    EXPECT_EQ(page.SelectedIndex(), -1);
    EXPECT_TRUE(lib.Empty());
}

TEST_F(PageTest, RowsFindTheirEventsPastHiddenZeroDelays) {
    // Imported records and measured 0 ms delays leave events without rows.
    AddMacro(u"Zeros", {Delay(0), Press(kA), Delay(0), Release(kA), Delay(0), Press(kB), Delay(0),
                        Release(kB), Press(kC)});
    page.SelectMacro(0);
    ASSERT_EQ(view.rows.size(), 5u);

    page.DeleteEventAt(2);  // row 2 is b's press, event 5
    EXPECT_EQ(Stored(0), (std::vector<MacroEvent>{Delay(0), Press(kA), Delay(0), Release(kA),
                                                  Delay(0), Delay(0), Press(kC)}));
    page.MoveUp(2);  // c above a's release
    EXPECT_EQ(Stored(0), (std::vector<MacroEvent>{Delay(0), Press(kA), Delay(0), Press(kC),
                                                  Delay(0), Delay(0), Release(kA)}));
    EXPECT_EQ(view.selectedRow, 1);
    page.MoveUp(1);  // c past a's press
    EXPECT_EQ(Stored(0)[1], Press(kC));
    page.MoveDown(1);  // a's press onto its release: not allowed
    EXPECT_EQ(Stored(0)[1], Press(kC));
    EXPECT_EQ(Stored(0)[3], Press(kA));

    ASSERT_TRUE(page.BeginModify(2).anyText);  // a's release, event 6
    page.SetPendingCode(kQ);
    page.FinishModify(u"Q");
    EXPECT_EQ(Stored(0), (std::vector<MacroEvent>{Delay(0), Press(kC), Delay(0), Press(kQ),
                                                  Delay(0), Delay(0), Release(kQ)}));
    EXPECT_EQ(view.selectedRow, 2);
}

TEST_F(PageTest, MoveUpOnAReleaseBelowItsPressDoesNothing) {
    AddMacro(u"M", {Press(kA), Release(kA), Press(kB)});
    page.SelectMacro(0);
    notices.clear();
    page.MoveUp(1);
    EXPECT_EQ(Stored(0), (std::vector<MacroEvent>{Press(kA), Release(kA), Press(kB)}));
    page.MoveUp(0);
    page.MoveDown(2);
    EXPECT_EQ(Working(), Stored(0));
}

TEST_F(PageTest, StaleChoicesAndEditsAreIgnored) {
    AddMacro(u"One", {Press(kA), Release(kA)});
    AddMacro(u"Two", {Delay(40)});
    page.SelectMacro(1);
    EXPECT_FALSE(page.OnListChoice(5, 3));  // gone from the library
    EXPECT_FALSE(page.OnListChoice(0, 4));  // the profile list's pick
    EXPECT_EQ(page.SelectedIndex(), 1);
    EXPECT_TRUE(page.OnListChoice(0, 3));
    EXPECT_EQ(page.SelectedIndex(), 0);

    // The edited macro is deleted before the edit ends.
    page.SelectMacro(1);
    ASSERT_FALSE(page.BeginModify(0).anyText);  // a delay row takes digits
    page.DeleteMacro();
    page.FinishModify(u"999");
    EXPECT_EQ(page.SelectedIndex(), 0);
    EXPECT_EQ(Stored(0), (std::vector<MacroEvent>{Press(kA), Release(kA)}));
}

TEST_F(PageTest, InsertDelayAtTheEdgesOnlyClosesTheDialog) {
    AddMacro(u"M", {Press(kA), Release(kA)});
    page.SelectMacro(0);
    for (auto [row, place] : {std::pair{0, 0u}, std::pair{1, 1u}}) {
        ASSERT_TRUE(page.OpenInsert(row));
        EXPECT_TRUE(view.insertShown);
        page.InsertDelayResult(place, 100, row);
        EXPECT_FALSE(view.insertShown);
        EXPECT_FALSE(page.InsertOpen());
        EXPECT_EQ(Stored(0), (std::vector<MacroEvent>{Press(kA), Release(kA)}));
    }
    ASSERT_TRUE(page.OpenInsert(1));
    page.InsertDelayResult(0, 70000, 1);
    EXPECT_EQ(Stored(0), (std::vector<MacroEvent>{Press(kA), Delay(65535), Release(kA)}));
    EXPECT_EQ(view.selectedRow, 1);
    EXPECT_FALSE(page.OpenInsert(-1));  // only with a selected row
}

TEST_F(PageTest, InsertRecordingWithoutDelaysGoesInFrontOfTheSelectedEvent) {
    AddMacro(u"M", {Press(kA), Delay(10), Release(kA)});
    page.SelectMacro(0);
    ASSERT_TRUE(page.OpenInsert(2));  // a's release
    page.InsertRecordStart(2, 50, 2);
    EXPECT_TRUE(hook.held);
    Key('B');
    now += 500;
    Key('C');
    page.InsertRecordStop();
    EXPECT_FALSE(hook.held);
    EXPECT_EQ(Working(), (std::vector<MacroEvent>{Press(kA), Delay(10), Press(kB), Release(kB),
                                                  Press(kC), Release(kC), Release(kA)}));
    // Nothing is stored until OK.
    EXPECT_EQ(Stored(0).size(), 3u);
    page.InsertDone();
    EXPECT_EQ(Stored(0), Working());
}

TEST_F(PageTest, CancelOrOkWhileRecordingStopsItFirst) {
    AddMacro(u"M", {Press(kA), Release(kA)});
    page.SelectMacro(0);
    const auto before = Working();
    ASSERT_TRUE(page.OpenInsert(1));
    page.InsertRecordStart(1, 25, 1);
    Key('B');
    ASSERT_EQ(Working().size(), 5u);
    page.InsertCancel();  // still recording
    EXPECT_FALSE(page.Recorder().Recording());
    EXPECT_FALSE(hook.held);
    EXPECT_EQ(view.recordCaption, 16);
    EXPECT_EQ(Working(), before);
    EXPECT_EQ(view.rows.size(), 2u);
    EXPECT_EQ(Stored(0), before);

    ASSERT_TRUE(page.OpenInsert(0));
    page.InsertRecordStart(2, 0, 0);
    Key('C');
    page.InsertDone();
    EXPECT_FALSE(hook.held);
    EXPECT_EQ(Stored(0), (std::vector<MacroEvent>{Press(kC), Release(kC), Press(kA), Release(kA)}));
}

TEST_F(PageTest, TheSixtiethActionStopsAnInsertRecordingAndClearsItsButton) {
    AddMacro(u"M", {Press(kA), Release(kA)});
    page.SelectMacro(0);
    InsertDialogState dialog;
    view.dialog = &dialog;
    dialog.SetMode(2);
    ASSERT_TRUE(page.OpenInsert(1));
    const InsertMessage start = dialog.RecordToggled(true);
    view.recordChecked = true;
    page.InsertRecordStart(start.wParam, start.lParam, 1);
    for (int i = 0; i < 40; ++i) {
        Key(char('A' + i % 20));
    }
    EXPECT_FALSE(page.Recorder().Recording());
    EXPECT_FALSE(hook.held);
    EXPECT_FALSE(dialog.Recording());
    EXPECT_FALSE(view.recordChecked);
    EXPECT_EQ(page.Buffer().actionCount, 60);
    EXPECT_TRUE(page.InsertOpen());  // the dialog stays for OK or Cancel
}

TEST_F(PageTest, APlainRecordingWithoutAMacroMakesOneAndStoresOnStop) {
    page.SetDelayMode(1);
    view.delayBox = u"75";
    page.ToggleRecord();
    ASSERT_EQ(lib.Size(), 1u);
    EXPECT_EQ(NameAt(0), u"Macro 1");
    Key('Q');
    page.ToggleRecord();
    EXPECT_EQ(Stored(0), (std::vector<MacroEvent>{Press(0x14), Delay(75), Release(0x14)}));
}
