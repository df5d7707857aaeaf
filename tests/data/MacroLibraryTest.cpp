#include <gtest/gtest.h>

#include <cstring>
#include <memory>
#include <string>
#include <vector>

#include "data/FixedText.h"
#include "data/MacroLibrary.h"
#include "data/ProfileDefaults.h"
#include "data/RecordFile.h"
#include "support/TempDir.h"

namespace {

namespace fs = std::filesystem;

tagElement Macro(const std::u16string& name, int events, std::int32_t repeat = 0) {
    tagElement m{};
    WriteFixedText(m.name, name);
    m.repeatCount = repeat;
    m.eventCount = events;
    for (int i = 0; i < events && i < kMacroEventCapacity; ++i) {
        m.events[i] = {static_cast<std::uint8_t>(4 + i), static_cast<std::uint8_t>(1 + i % 2),
                       static_cast<std::uint16_t>(10 * i)};
    }
    return m;
}

class MacroLibraryTest : public ::testing::Test {
protected:
    MacroLibraryTest() : working(std::make_unique<tagSTATEBLOCK>()) {
        ResetStateDefaults(*working, u"Profile ");
    }

    std::u16string NameAt(std::size_t i) const { return ReadFixedText(lib.RecordAt(i)->name); }

    tagBUTTON& Button(int profile, int button) {
        return working->profiles[profile].buttons[button];
    }

    void BindToMacro(tagBUTTON& b, const std::u16string& name, std::int32_t index) {
        b.type = 18;
        b.macroIndex = index;
        b.playbackMode = 2;
        WriteFixedText(b.macroName, name);
    }

    fs::path WriteMacroFile(const std::string& file, const void* bytes, std::size_t n) {
        const fs::path p = dir.Path() / file;
        WriteAll(p, bytes, n);
        return p;
    }

    TempDir dir;
    MacroLibrary lib{[this] { return dir.Path() / ""; }, u"Macro "};
    std::unique_ptr<tagSTATEBLOCK> working;
};

TEST_F(MacroLibraryTest, MissingFileGivesEmptyLibraryAndCreatesNothing) {
    lib.LoadMacroLibrary();
    EXPECT_TRUE(lib.Empty());
    EXPECT_EQ(lib.RecordAt(0), nullptr);
    EXPECT_FALSE(fs::exists(dir.Path() / "Config"));
}

TEST_F(MacroLibraryTest, SaveWritesRecordsInOrderAndLoadReadsThemBack) {
    lib.AppendMacro(Macro(u"Fire", 3, 5));
    lib.AppendMacro(Macro(u"Reload", 180));
    ASSERT_TRUE(lib.SaveMacroLibrary());
    const auto onDisk = ReadAll(lib.LibraryPath());
    ASSERT_EQ(onDisk.size(), 2 * 788u);
    EXPECT_EQ(std::memcmp(onDisk.data() + 788, lib.RecordAt(1), 788), 0);

    MacroLibrary again([this] { return dir.Path() / ""; }, u"Macro ");
    again.LoadMacroLibrary();
    ASSERT_EQ(again.Size(), 2u);
    EXPECT_EQ(std::memcmp(again.RecordAt(0), lib.RecordAt(0), 788), 0);
    EXPECT_EQ(std::memcmp(again.RecordAt(1), lib.RecordAt(1), 788), 0);

    lib.FreeMacroLibrary();
    ASSERT_TRUE(lib.SaveMacroLibrary());
    EXPECT_EQ(fs::file_size(lib.LibraryPath()), 0u);  // an empty library leaves an empty file
}

TEST_F(MacroLibraryTest, PartialTrailingRecordIsDroppedAndOriginalKeptAsideBeforeSave) {
    lib.AppendMacro(Macro(u"One", 1));
    lib.AppendMacro(Macro(u"Two", 2));
    lib.SaveMacroLibrary();
    auto bytes = ReadAll(lib.LibraryPath());
    bytes.resize(2 * 788 + 100, 'x');
    WriteAll(lib.LibraryPath(), bytes.data(), bytes.size());

    lib.LoadMacroLibrary();
    ASSERT_EQ(lib.Size(), 2u);
    EXPECT_EQ(NameAt(1), u"Two");
    // Loading alone changes no file: the user may never save.
    EXPECT_EQ(fs::file_size(lib.LibraryPath()), bytes.size());
    EXPECT_FALSE(fs::exists(dir.Path() / "Config" / "macro.data.bad"));

    lib.SaveMacroLibrary();
    EXPECT_EQ(ReadAll(dir.Path() / "Config" / "macro.data.bad"), bytes);
    EXPECT_EQ(fs::file_size(lib.LibraryPath()), 2 * 788u);
    lib.SaveMacroLibrary();  // the damage is kept once, not on every save
    EXPECT_FALSE(fs::exists(dir.Path() / "Config" / "macro.data.bad.1"));
}

TEST_F(MacroLibraryTest, EventCountFromFilesIsHeldToTheRecord) {
    const struct {
        std::int32_t stored;
        std::int32_t read;
    } cases[] = {{500, 180}, {181, 180}, {180, 180}, {7, 7}, {0, 0}, {-3, 0}, {INT32_MIN, 0}};
    for (const auto& c : cases) {
        tagElement m = Macro(u"M", 3);
        m.eventCount = c.stored;
        EnsureDirectory(dir.Path() / "Config");
        WriteAll(lib.LibraryPath(), &m, sizeof m);
        lib.LoadMacroLibrary();
        ASSERT_EQ(lib.Size(), 1u);
        EXPECT_EQ(lib.RecordAt(0)->eventCount, c.read) << "load " << c.stored;

        lib.FreeMacroLibrary();
        const auto imported = lib.ImportMacro(WriteMacroFile("m.macro", &m, sizeof m));
        ASSERT_NE(imported.record, nullptr);
        EXPECT_EQ(imported.record->eventCount, c.read) << "import " << c.stored;
    }
}

TEST_F(MacroLibraryTest, RefreshHoldsAnAppendedCountToTheRecord) {
    tagElement m = Macro(u"Burst", 4);
    m.eventCount = 70000;  // a caller's record, not read through a file
    lib.AppendMacro(m);
    BindToMacro(Button(0, 3), u"Burst", 0);
    EXPECT_EQ(lib.RefreshEmbeddedMacros(*working), 1);
    EXPECT_EQ(Button(0, 3).macroEventCount, 180);
}

TEST_F(MacroLibraryTest, FindMacroTrimsTheLibrarySideAndIgnoresCaseOfAToZ) {
    lib.AppendMacro(Macro(u"  Fire\t", 1));
    EXPECT_TRUE(lib.FindMacro(u"FIRE"));
    EXPECT_FALSE(lib.FindMacro(u" Fire"));
    EXPECT_FALSE(lib.FindMacro(u"Fir"));
}

TEST_F(MacroLibraryTest, NewMacroIsNumberedFromTheCountAndSaved) {
    tagElement* first = lib.NewMacro();
    ASSERT_NE(first, nullptr);
    EXPECT_EQ(ReadFixedText(first->name), u"Macro 1");
    EXPECT_EQ(first->eventCount, 0);
    EXPECT_EQ(first->repeatCount, 0);
    EXPECT_EQ(fs::file_size(lib.LibraryPath()), 788u);

    lib.RemoveMacroAt(0);
    lib.AppendMacro(Macro(u"macro 2", 0));
    EXPECT_EQ(ReadFixedText(lib.NewMacro()->name), u"Macro 2_1");
}

TEST_F(MacroLibraryTest, RemoveMacroAtOutsideTheLibraryChangesNothing) {
    lib.AppendMacro(Macro(u"A", 0));
    EXPECT_FALSE(lib.RemoveMacroAt(1));
    EXPECT_TRUE(lib.RemoveMacroAt(0));
    EXPECT_TRUE(lib.Empty());
}

TEST_F(MacroLibraryTest, RefreshCopiesTheMacroAndKeepsIndexAndMode) {
    lib.AppendMacro(Macro(u"Other", 1));
    lib.AppendMacro(Macro(u"Combo", 5, 3));
    tagBUTTON& b = Button(1, 6);
    BindToMacro(b, u"A long stale name of the macro", 7);
    WriteFixedText(b.macroName, u"combo");

    EXPECT_EQ(lib.RefreshEmbeddedMacros(*working), 1);
    EXPECT_EQ(b.type, 18);
    EXPECT_EQ(b.macroEventCount, 5);
    EXPECT_EQ(b.repeatCount, 3);
    EXPECT_EQ(std::memcmp(b.macroEvents, lib.RecordAt(1)->events, sizeof b.macroEvents), 0);
    char16_t expectedName[kMacroNameUnits] = {u'C', u'o', u'm', u'b', u'o'};
    EXPECT_EQ(std::memcmp(b.macroName, expectedName, sizeof expectedName), 0);
    EXPECT_EQ(b.macroIndex, 7);
    EXPECT_EQ(b.playbackMode, 2);
}

TEST_F(MacroLibraryTest, ButtonOfARemovedOrRenamedMacroFallsBackToItsDefault) {
    lib.AppendMacro(Macro(u"Fire", 2));
    lib.AppendMacro(Macro(u"Reload", 2));
    BindToMacro(Button(0, 0), u"Fire", 0);
    BindToMacro(Button(2, 11), u"Reload", 1);
    lib.RefreshEmbeddedMacros(*working);
    const tagBUTTON before = Button(0, 0);

    lib.RemoveMacroAt(0);
    WriteFixedText(lib.RecordAt(0)->name, u"Reload2");
    EXPECT_EQ(lib.RefreshEmbeddedMacros(*working), 1);
    EXPECT_EQ(Button(0, 0).type, DefaultButtonTypes[0]);
    EXPECT_EQ(Button(2, 11).type, DefaultButtonTypes[11]);
    EXPECT_EQ(Button(0, 0).macroIndex, 0);
    EXPECT_EQ(Button(2, 11).macroIndex, 1);
    // The macro fields stay as they were; only the function changes.
    EXPECT_EQ(std::memcmp(Button(0, 0).macroName, before.macroName, sizeof before.macroName), 0);
    EXPECT_EQ(Button(0, 0).macroEventCount, before.macroEventCount);
}

TEST_F(MacroLibraryTest, ButtonTakesTheFirstOfNamesThatDifferOnlyInCase) {
    lib.AppendMacro(Macro(u"Spray", 2));
    lib.AppendMacro(Macro(u"SPRAY", 9));
    BindToMacro(Button(0, 4), u"spray", 1);
    lib.RefreshEmbeddedMacros(*working);
    EXPECT_EQ(Button(0, 4).macroEventCount, 2);
    EXPECT_EQ(ReadFixedText(Button(0, 4).macroName), u"Spray");
}

TEST_F(MacroLibraryTest, ButtonNameWithALeadingBlankMatchesNothing) {
    lib.AppendMacro(Macro(u" Spray ", 2));
    BindToMacro(Button(0, 4), u" Spray", 0);
    lib.RefreshEmbeddedMacros(*working);
    EXPECT_EQ(Button(0, 4).type, DefaultButtonTypes[4]);
}

TEST_F(MacroLibraryTest, RefreshWalksAllFiveProfiles) {
    lib.AppendMacro(Macro(u"Hold", 4, 2));
    for (int p = 0; p < kStateProfileCount; ++p) {
        BindToMacro(Button(p, p), u"Hold", 0);
    }
    EXPECT_EQ(lib.RefreshEmbeddedMacros(*working), 1);
    for (int p = 0; p < kStateProfileCount; ++p) {
        EXPECT_EQ(Button(p, p).macroEventCount, 4) << "profile " << p;
        EXPECT_EQ(Button(p, p).repeatCount, 2) << "profile " << p;
    }
}

TEST_F(MacroLibraryTest, RefreshReportsWhetherAnyButtonPlaysAMacro) {
    lib.AppendMacro(Macro(u"Hold", 4));
    EXPECT_EQ(lib.RefreshEmbeddedMacros(*working), 0);

    // A macro function without a name is not a macro binding and is left alone.
    Button(4, 2).type = 18;
    EXPECT_EQ(lib.RefreshEmbeddedMacros(*working), 0);
    EXPECT_EQ(Button(4, 2).type, 18);

    // A name without the macro function is not one either.
    WriteFixedText(Button(3, 1).macroName, u"Hold");
    EXPECT_EQ(lib.RefreshEmbeddedMacros(*working), 0);
    EXPECT_EQ(Button(3, 1).macroEventCount, 0);
}

TEST_F(MacroLibraryTest, ImportOfAnExistingNameIsNumbered) {
    lib.AppendMacro(Macro(u"Fire", 1));
    const tagElement file = Macro(u"  fire ", 6, 4);
    const fs::path path = WriteMacroFile("fire.macro", &file, sizeof file);

    const MacroImport first = lib.ImportMacro(path);
    ASSERT_EQ(first.result, ImportResult::Imported);
    const MacroImport second = lib.ImportMacro(path);
    ASSERT_EQ(second.result, ImportResult::Imported);
    ASSERT_EQ(lib.Size(), 3u);
    // The number is appended to the name as stored, blanks and all.
    EXPECT_EQ(NameAt(1), u"  fire _1");
    EXPECT_EQ(NameAt(2), u"  fire _2");
    EXPECT_EQ(second.record, lib.RecordAt(2));
    EXPECT_EQ(std::memcmp(&second.record->repeatCount, &file.repeatCount, 788 - 60), 0);

    const tagElement fresh = Macro(u" Reload ", 1);
    EXPECT_EQ(ReadFixedText(lib.ImportMacro(WriteMacroFile("r.macro", &fresh, 788)).record->name),
              u"Reload");
}

TEST_F(MacroLibraryTest, ImportRefusesAFileThatIsNotOneRecord) {
    const tagElement m = Macro(u"Fire", 1);
    std::vector<char> bytes(789, 0);
    std::memcpy(bytes.data(), &m, sizeof m);
    for (std::size_t size : {std::size_t{0}, std::size_t{787}, std::size_t{789}}) {
        const auto r = lib.ImportMacro(WriteMacroFile("bad.macro", bytes.data(), size));
        EXPECT_EQ(r.result, ImportResult::WrongSize) << size;
        EXPECT_EQ(r.record, nullptr);
    }
    EXPECT_EQ(lib.ImportMacro(dir.Path() / "missing.macro").result, ImportResult::CannotOpen);
    EXPECT_EQ(lib.ImportMacro(dir.Path()).result, ImportResult::CannotOpen);
    EXPECT_TRUE(lib.Empty());
}

TEST_F(MacroLibraryTest, NamesFillingTheFieldAreReadToItsEndAndNumberedToFit) {
    // 30 units and no terminator; the count behind the field must not leak into the name.
    tagElement m = Macro(u"", 1, 0x41414141);
    std::fill(std::begin(m.name), std::end(m.name), u'N');
    const std::u16string thirty(30, u'N');
    const fs::path path = WriteMacroFile("full.macro", &m, sizeof m);
    ASSERT_EQ(lib.ImportMacro(path).result, ImportResult::Imported);
    EXPECT_EQ(NameAt(0), std::u16string(29, u'N'));  // stored with its terminator

    // Numbered forms are cut so that they fit 29 units and still differ.
    lib.ImportMacro(path);
    lib.ImportMacro(path);
    EXPECT_EQ(NameAt(1), std::u16string(27, u'N') + u"_1");
    EXPECT_EQ(NameAt(2), std::u16string(27, u'N') + u"_2");
    for (std::size_t i = 0; i < 3; ++i) {
        EXPECT_EQ(lib.RecordAt(i)->name[29], u'\0');
    }

    // The same name in macro.data is found whole.
    lib.FreeMacroLibrary();
    EnsureDirectory(dir.Path() / "Config");
    WriteAll(lib.LibraryPath(), &m, sizeof m);
    lib.LoadMacroLibrary();
    EXPECT_EQ(NameAt(0), thirty);
    EXPECT_TRUE(lib.FindMacro(thirty));
}

TEST_F(MacroLibraryTest, ExportWritesTheRecordAndReplacesAnOldFile) {
    const fs::path path = dir.Path() / "out.macro";
    EXPECT_FALSE(lib.ExportMacro(nullptr, path));
    EXPECT_FALSE(fs::exists(path));

    WriteAll(path, "old contents that are longer than nothing", 40);
    const tagElement m = Macro(u"Fire", 12, 9);
    ASSERT_TRUE(lib.ExportMacro(&m, path));
    const auto bytes = ReadAll(path);
    ASSERT_EQ(bytes.size(), 788u);
    EXPECT_EQ(std::memcmp(bytes.data(), &m, 788), 0);
}

// A library that cannot be read is not an empty one: saving would lose every macro in it.
TEST_F(MacroLibraryTest, UnreadableLibraryIsNeverSavedOver) {
    fs::create_directories(lib.LibraryPath().parent_path());
    fs::create_directory(lib.LibraryPath());  // there, but no file to read
    lib.LoadMacroLibrary();
    EXPECT_TRUE(lib.Empty());
    ASSERT_EQ(lib.LoadProblems().size(), 1u);
    EXPECT_EQ(lib.LoadProblems()[0].kind, FileProblem::Unreadable);
    EXPECT_EQ(lib.NewMacro() != nullptr, true);
    EXPECT_FALSE(lib.SaveMacroLibrary());
    EXPECT_TRUE(fs::is_directory(lib.LibraryPath()));
}

TEST_F(MacroLibraryTest, HugeLibraryIsSetAsideUnreadAndReplacedOnSave) {
    fs::create_directories(lib.LibraryPath().parent_path());
    const auto huge = (kMaxRecordsPerFile + 1) * sizeof(tagElement);
    WriteAll(lib.LibraryPath(), "x", 1);
    fs::resize_file(lib.LibraryPath(), huge);
    lib.LoadMacroLibrary();
    EXPECT_TRUE(lib.Empty());
    ASSERT_EQ(lib.LoadProblems().size(), 1u);
    EXPECT_EQ(lib.LoadProblems()[0].kind, FileProblem::TooLarge);
    EXPECT_EQ(fs::file_size(lib.LibraryPath().string() + ".bad"), huge);
    lib.NewMacro();
    EXPECT_EQ(fs::file_size(lib.LibraryPath()), sizeof(tagElement));
    // One just within the limit is still a library.
    WriteAll(lib.LibraryPath(), "x", 1);
    fs::resize_file(lib.LibraryPath(), kMaxRecordsPerFile * sizeof(tagElement));
    lib.LoadMacroLibrary();
    EXPECT_EQ(lib.Size(), kMaxRecordsPerFile);
    EXPECT_TRUE(lib.LoadProblems().empty());
}

}  // namespace
