// What a choice on the button page does to the profile record.
#include <gtest/gtest.h>

#include <cstring>
#include <map>
#include <memory>

#include "common/StringTable.h"
#include "data/FixedText.h"
#include "data/MacroLibrary.h"
#include "data/ProfileDefaults.h"
#include "keys/BuiltInUsLayout.h"
#include "pages/buttons/ButtonAssignment.h"
#include "pages/buttons/FunctionCatalogue.h"

namespace {

// Answers as a test tells it to and remembers what it was asked.
struct FakeDialogs : AssignmentDialogs {
    int warnings = 0;
    std::optional<ShortcutValues> shortcutAnswer;
    std::optional<MacroSelection> macroAnswer;
    std::optional<ShortcutValues> shortcutAsked;
    std::optional<MacroSelection> macroAsked;

    void WarnLeftClickNeeded() override { ++warnings; }
    std::optional<ShortcutValues> AskShortcut(const ShortcutValues& initial) override {
        shortcutAsked = initial;
        return shortcutAnswer;
    }
    std::optional<MacroSelection> AskMacro(const MacroSelection& initial) override {
        macroAsked = initial;
        return macroAnswer;
    }
};

class ButtonAssignmentTest : public ::testing::Test {
protected:
    ButtonAssignmentTest()
        : library_([] { return std::filesystem::path(); }, u"Macro "),
          assignment_([this]() -> tagPROFILE& { return *profile_; }, [this] { return &library_; }) {
        FillProfileDefaults(*profile_, 0, u"Profile ");
    }

    tagBUTTON& Button(int b) { return profile_->buttons[b]; }
    bool Choose(int button, int command) {
        assignment_.SetCurrentButton(button);
        return assignment_.OnFunctionCommand(command, dialogs_);
    }
    tagElement& AddMacro(const char16_t* name, int events) {
        tagElement e{};
        WriteFixedText(e.name, name);
        e.repeatCount = 3;
        e.eventCount = events;
        for (int i = 0; i < kMacroEventCapacity; ++i) {
            e.events[i] = {std::uint8_t(4 + i % 20), std::uint8_t(1 + i % 2), std::uint16_t(i)};
        }
        return library_.AppendMacro(e);
    }

    std::unique_ptr<tagPROFILE> profile_ = std::make_unique<tagPROFILE>();
    MacroLibrary library_;
    ButtonAssignment assignment_;
    FakeDialogs dialogs_;
};

TEST_F(ButtonAssignmentTest, TheLastLeftClickCannotBeTakenAway) {
    dialogs_.shortcutAnswer = ShortcutValues{0x04, true};
    dialogs_.macroAnswer = MacroSelection{0, 0};
    AddMacro(u"Jump", 2);
    const tagBUTTON before = Button(0);
    for (int command :
         {1002, 1015, 1045, catalogue::kKeyCombinationCommand, catalogue::kMacroCommand}) {
        SCOPED_TRACE(command);
        EXPECT_FALSE(Choose(0, command));
        EXPECT_EQ(std::memcmp(&Button(0), &before, sizeof before), 0);
    }
    EXPECT_EQ(dialogs_.warnings, 5);
    EXPECT_FALSE(dialogs_.shortcutAsked);  // refused before any dialog opens
    EXPECT_FALSE(dialogs_.macroAsked);
}

TEST_F(ButtonAssignmentTest, WithASecondLeftClickTheFirstMayChange) {
    Button(1).type = catalogue::kLeftClick;
    EXPECT_TRUE(Choose(0, 1002));
    EXPECT_EQ(Button(0).type, 3);
    // Now button 2 is the last one.
    EXPECT_FALSE(Choose(1, 1013));
    EXPECT_EQ(dialogs_.warnings, 1);
    // Choosing left click for another button is always allowed.
    EXPECT_TRUE(Choose(5, 1001));
    EXPECT_EQ(Button(5).type, catalogue::kLeftClick);
}

TEST_F(ButtonAssignmentTest, UnknownCommandsMeanLeftClick) {
    EXPECT_TRUE(Choose(6, 1099));
    EXPECT_EQ(Button(6).type, catalogue::kLeftClick);
}

TEST_F(ButtonAssignmentTest, KeyCombinationIsStoredWithItsModifiers) {
    Button(3).keyCode = 0x1234;  // only the low byte reaches the dialog
    Button(3).modifiers = modifier::kAlt;
    WriteFixedText(Button(3).macroName, u"Old");
    dialogs_.shortcutAnswer = ShortcutValues{0x3E, true, false, true, false};
    EXPECT_TRUE(Choose(3, catalogue::kKeyCombinationCommand));
    EXPECT_EQ(*dialogs_.shortcutAsked, (ShortcutValues{0x34, false, false, true, false}));
    EXPECT_EQ(Button(3).type, catalogue::kKeyCombination);
    EXPECT_EQ(Button(3).keyCode, 0x3E);
    EXPECT_EQ(Button(3).modifiers, modifier::kCtrl | modifier::kAlt);
    EXPECT_EQ(ReadFixedText(Button(3).macroName), u"");
}

TEST_F(ButtonAssignmentTest, EmptyKeyCombinationRestoresTheDefault) {
    Button(6).type = 9;
    dialogs_.shortcutAnswer = ShortcutValues{};
    EXPECT_TRUE(Choose(6, catalogue::kKeyCombinationCommand));
    EXPECT_EQ(Button(6).type, 14);
    // A modifier alone is a combination.
    dialogs_.shortcutAnswer = ShortcutValues{0, false, true};
    EXPECT_TRUE(Choose(6, catalogue::kKeyCombinationCommand));
    EXPECT_EQ(Button(6).type, catalogue::kKeyCombination);
}

TEST_F(ButtonAssignmentTest, CancelledDialogsChangeNothing) {
    AddMacro(u"Jump", 2);
    const tagPROFILE before = *profile_;
    EXPECT_FALSE(Choose(4, catalogue::kKeyCombinationCommand));
    EXPECT_FALSE(Choose(4, catalogue::kMacroCommand));
    EXPECT_EQ(std::memcmp(profile_.get(), &before, sizeof before), 0);
}

TEST_F(ButtonAssignmentTest, MacroIsCopiedIntoTheRecord) {
    AddMacro(u"Jump", 1);
    const tagElement& macro = AddMacro(u"A name of exactly thirty chars", 180);
    Button(4).playbackMode = 2;
    dialogs_.macroAnswer = MacroSelection{1, 1};
    EXPECT_TRUE(Choose(4, catalogue::kMacroCommand));
    // Not a macro before: no index offered, the stored option is.
    EXPECT_EQ(dialogs_.macroAsked->selectedIndex, -1);
    EXPECT_EQ(dialogs_.macroAsked->playbackMode, 2);

    const tagBUTTON& b = Button(4);
    EXPECT_EQ(b.type, catalogue::kMacro);
    EXPECT_EQ(b.macroIndex, 1);
    EXPECT_EQ(b.playbackMode, 1);
    EXPECT_EQ(b.macroEventCount, 180);
    EXPECT_EQ(b.repeatCount, 3);
    EXPECT_EQ(std::memcmp(b.macroEvents, macro.events, sizeof b.macroEvents), 0);
    EXPECT_EQ(ReadFixedText(b.macroName), u"A name of exactly thirty char");  // 29 kept

    // A button that plays a macro offers its index the next time.
    dialogs_.macroAnswer.reset();
    Choose(4, catalogue::kMacroCommand);
    EXPECT_EQ(dialogs_.macroAsked->selectedIndex, 1);
}

TEST_F(ButtonAssignmentTest, MacroThatIsNotThereRestoresTheDefault) {
    Button(4).type = 9;
    dialogs_.macroAnswer = MacroSelection{2, 0};  // empty library
    EXPECT_TRUE(Choose(4, catalogue::kMacroCommand));
    EXPECT_EQ(Button(4).type, 5);
    EXPECT_EQ(Button(4).playbackMode, 2);  // the dialog's values stay
    EXPECT_EQ(Button(4).macroIndex, 0);

    AddMacro(u"Jump", 1);
    dialogs_.macroAnswer = MacroSelection{0, 1};  // index past the end
    EXPECT_TRUE(Choose(4, catalogue::kMacroCommand));
    EXPECT_EQ(Button(4).type, 5);
    dialogs_.macroAnswer = MacroSelection{0, -1};  // none chosen
    EXPECT_TRUE(Choose(4, catalogue::kMacroCommand));
    EXPECT_EQ(Button(4).type, 5);
}

TEST_F(ButtonAssignmentTest, HandednessSwapsSixRecordsAndBack) {
    for (int b = 0; b < kButtonCount; ++b) {
        Button(b).keyCode = std::uint16_t(100 + b);  // tells the records apart
    }
    Button(1).type = catalogue::kLeftClick;
    profile_->handedness = 0;
    const tagPROFILE before = *profile_;

    EXPECT_FALSE(assignment_.SelectHandedness(0));  // already selected
    EXPECT_EQ(std::memcmp(profile_.get(), &before, sizeof before), 0);

    EXPECT_TRUE(assignment_.SelectHandedness(1));
    EXPECT_EQ(profile_->handedness, 1);
    const int swappedWith[kButtonCount] = {1, 0, 2, 6, 7, 5, 3, 4, 8, 9, 10, 11};
    for (int b = 0; b < kButtonCount; ++b) {
        EXPECT_EQ(std::memcmp(&Button(b), &before.buttons[swappedWith[b]], sizeof(tagBUTTON)), 0)
            << "button " << b + 1;
    }
    EXPECT_FALSE(assignment_.SelectHandedness(1));
    EXPECT_TRUE(assignment_.SelectHandedness(0));
    EXPECT_EQ(std::memcmp(profile_.get(), &before, sizeof before), 0);
}

TEST(AssignmentTextTest, TextsOfEveryKind) {
    StringTable strings;
    strings.Parse("1005\tLeft Click\n1019\tDPI Down\n1074\tCut\n");
    BuiltInUsLayout us;
    tagBUTTON b{};
    b.modifiers = modifier::kShift | modifier::kWin;
    b.keyCode = 0x3A;
    EXPECT_EQ(AssignmentText(b, 17, us, strings), u"Shift+Win+F1");
    b.modifiers = modifier::kCtrl | modifier::kAlt;
    b.keyCode = 0x04;
    EXPECT_EQ(AssignmentText(b, 17, us, strings), u"Ctrl+Alt+A");
    b.modifiers = 0xF;
    EXPECT_EQ(AssignmentText(b, 17, us, strings), u"Ctrl+Shift+Alt+Win+A");
    WriteFixedText(b.macroName, u"Jump");
    EXPECT_EQ(AssignmentText(b, 18, us, strings), u"Jump");
    EXPECT_EQ(AssignmentText(b, 2, us, strings), u"Left Click");
    EXPECT_EQ(AssignmentText(b, 14, us, strings), u"DPI Down");
    EXPECT_EQ(AssignmentText(b, 118, us, strings), u"Cut");
    for (std::uint8_t unlisted : {0, 19, 61, 62, 200}) {
        EXPECT_EQ(AssignmentText(b, unlisted, us, strings), u"") << int(unlisted);
    }
}

TEST(FunctionCatalogueTest, MenuShapeAndOneRowPerCommand) {
    int perLevel[catalogue::kSubmenuCount + 1] = {};
    std::vector<int> mainCommands;
    for (const catalogue::Function& f : catalogue::Functions()) {
        ++perLevel[f.submenu + 1];
        if (f.submenu == catalogue::kMainLevel) {
            mainCommands.push_back(f.command);
        }
        EXPECT_EQ(catalogue::ByCommand(f.command), &f);
        EXPECT_EQ(catalogue::ByCode(f.code), &f);
        EXPECT_EQ(catalogue::CodeOfCommand(f.command), f.code);
    }
    EXPECT_EQ(mainCommands, (std::vector<int>{1001, 1002, 1003, 1004, 1005, 1006, 1007, 1008, 1009,
                                              1010, 1011, 1012, 1046, 1013}));
    const int expected[] = {14, 3, 8, 8, 8, 5};
    EXPECT_TRUE(std::equal(std::begin(perLevel), std::end(perLevel), std::begin(expected)));
    // Every default code has a row and a text.
    for (std::uint8_t code : DefaultButtonTypes) {
        EXPECT_TRUE(catalogue::TextString(code).has_value()) << int(code);
    }
    EXPECT_FALSE(catalogue::TextString(catalogue::kKeyCombination));
    EXPECT_FALSE(catalogue::TextString(catalogue::kMacro));
}

TEST(FunctionCatalogueTest, MenuWidthsAreTheWidestLabelSoFar) {
    // Everything narrow but one label in each of a few places.
    auto widths = [](std::map<int, int> wide) {
        return catalogue::MeasureMenu([wide](int label) {
            auto it = wide.find(label);
            return it != wide.end() ? it->second : 40;
        });
    };
    catalogue::MenuWidths w = widths({});
    EXPECT_EQ(w.main, 156);
    EXPECT_EQ(w.submenus[4], 156);
    // A wide item of the third submenu widens it, the later submenus and the main level,
    // not the earlier submenus.
    w = widths({{1043, 200}});
    EXPECT_EQ(w.submenus[1], 156);
    EXPECT_EQ(w.submenus[2], 200);
    EXPECT_EQ(w.submenus[4], 200);
    EXPECT_EQ(w.main, 200);
    // A submenu's title is measured after its items: it widens only what follows.
    w = widths({{1031, 180}, {1082, 170}});
    EXPECT_EQ(w.submenus[0], 170);
    EXPECT_EQ(w.submenus[1], 170);
    EXPECT_EQ(w.submenus[2], 180);
    // The last title counts for the main level only.
    w = widths({{1088, 230}});
    EXPECT_EQ(w.submenus[4], 156);
    EXPECT_EQ(w.main, 230);
}

}  // namespace
