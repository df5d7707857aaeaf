#include <gtest/gtest.h>

#include <cstring>
#include <memory>
#include <string>
#include <vector>

#include "data/FixedText.h"
#include "data/ProfileDefaults.h"
#include "data/ProfileStore.h"
#include "data/RecordFile.h"
#include "support/TempDir.h"

#ifndef _WIN32
#include <sys/stat.h>
#include <unistd.h>
#endif

namespace {

namespace fs = std::filesystem;

class RecordingUi : public ProfileUi {
public:
    void RefreshPages() override { calls.push_back("refresh"); }
    void PostEditNotice() override { calls.push_back("1230"); }
    void UpdateWindowNow() override { calls.push_back("update"); }
    bool ConfirmDelete() override {
        calls.push_back("confirm");
        return confirm;
    }
    bool ConfirmProgramImport(const std::vector<std::u16string>& programs) override {
        asked.push_back(programs);
        return confirm;
    }
    std::vector<std::string> calls;
    std::vector<std::vector<std::u16string>> asked;
    bool confirm = true;
};

// Stands in for a permission error, which a privileged test run never gets from the system.
FileBytes DeniedReader(const fs::path& path, std::uintmax_t limit) {
    SetFileReader(nullptr);
    FileBytes real = ReadRegularFile(path, limit);
    SetFileReader(&DeniedReader);
    if (real.status == ReadStatus::Read) {
        return {ReadStatus::Unreadable, {}};
    }
    return real;
}

struct ReaderGuard {
    ~ReaderGuard() { SetFileReader(nullptr); }
};

class ProfileStoreTest : public ::testing::Test {
protected:
    ProfileStoreTest()
        : working(std::make_unique<tagSTATEBLOCK>()),
          store(
              list, *working, [this] { return dir.Path() / ""; }, u"Profile ", ui) {}

    // A first start: defaults in every slot, the list made from them.
    void StartFresh() {
        store.LoadStateFile(*working);
        store.LoadProfileList();
        store.RepairSlotBindings(*working);
    }

    void AddNamed(const std::u16string& name) {
        auto p = std::make_unique<tagPROFILE>();
        FillProfileDefaults(*p, 0, u"x");
        WriteFixedText(p->name, name);
        list.Append(std::move(p));
    }

    std::u16string NameAt(std::size_t i) const { return ReadFixedText(list.At(i).name); }
    std::u16string CurrentName() const { return ReadFixedText(working->Current().name); }

    TempDir dir;
    RecordingUi ui;
    ProfileList list;
    std::unique_ptr<tagSTATEBLOCK> working;
    ProfileStore store;
};

TEST_F(ProfileStoreTest, FirstStartWritesDefaultsAndThreeProfiles) {
    StartFresh();
    EXPECT_EQ(fs::file_size(store.StateFilePath()), 301788u);
    EXPECT_EQ(fs::file_size(store.ProfileListPath()), 180900u);
    ASSERT_EQ(list.Size(), 3u);
    for (std::size_t i = 0; i < 3; ++i) {
        EXPECT_EQ(NameAt(i), u"Profile " + DecimalU16(i + 1));
    }
    auto expected = std::make_unique<tagSTATEBLOCK>();
    ResetStateDefaults(*expected, u"Profile ");
    const auto onDisk = ReadAll(store.StateFilePath());
    EXPECT_EQ(std::memcmp(onDisk.data(), expected.get(), sizeof(tagSTATEBLOCK)), 0);
    const auto listOnDisk = ReadAll(store.ProfileListPath());
    EXPECT_EQ(std::memcmp(listOnDisk.data() + 60300, &expected->profiles[1], 60300), 0);
}

TEST_F(ProfileStoreTest, ListFileOfTwoRecordsGivesTwoEntries) {
    StartFresh();
    auto two = ReadAll(store.ProfileListPath());
    two.resize(120600);
    WriteAll(store.ProfileListPath(), two.data(), two.size());
    list.Clear();
    store.LoadProfileList();
    EXPECT_EQ(list.Size(), 2u);
    EXPECT_EQ(fs::file_size(store.ProfileListPath()), 120600u);  // a whole file is not rewritten
}

TEST_F(ProfileStoreTest, NewProfileNumbersAndAvoidsClashes) {
    StartFresh();
    EXPECT_EQ(ReadFixedText(store.NewProfile()->name), u"Profile 4");
    list.RemoveAt(3);
    WriteFixedText(list.At(2).name, u"profile 4");
    EXPECT_EQ(ReadFixedText(store.NewProfile()->name), u"Profile 4_1");
    EXPECT_EQ(fs::file_size(store.ProfileListPath()), 4 * 60300u);
}

TEST_F(ProfileStoreTest, CopyTwiceGivesCopyThenNumber) {
    StartFresh();
    WriteFixedText(working->Current().name, u"Gaming");
    ASSERT_TRUE(store.CopyProfile());
    EXPECT_EQ(CurrentName(), u"Gaming_Copy");
    EXPECT_EQ(working->slotProfile[0], 3);
    EXPECT_EQ((ui.calls), (std::vector<std::string>{"refresh", "1230", "update"}));

    ASSERT_TRUE(store.BindSlotToProfile(0));
    WriteFixedText(working->Current().name, u"Gaming");
    ASSERT_TRUE(store.CopyProfile());
    EXPECT_EQ(CurrentName(), u"Gaming_1");
    EXPECT_EQ(list.Size(), 5u);
    // Copy saves both files.
    EXPECT_EQ(fs::file_size(store.ProfileListPath()), 5 * 60300u);
    const auto state = ReadAll(store.StateFilePath());
    EXPECT_EQ(std::memcmp(state.data(), working.get(), sizeof(tagSTATEBLOCK)), 0);
}

TEST_F(ProfileStoreTest, LookupTrimsStoredNamesAndIgnoresCase) {
    AddNamed(u"  Gaming ");
    AddNamed(u"gaming");
    EXPECT_EQ(list.FindProfile(u"GAMING"), 0u);
    EXPECT_FALSE(list.FindProfile(u" Gaming").has_value());
}

TEST_F(ProfileStoreTest, DeleteRebindsSlots) {
    for (int i = 0; i < 6; ++i) {
        AddNamed(u"P" + DecimalU16(i));
    }
    working->slotProfile[0] = 0;
    working->slotProfile[1] = 4;
    working->slotProfile[2] = 5;
    working->currentSlot = 1;
    ASSERT_TRUE(store.DeleteProfile());
    EXPECT_EQ(working->slotProfile[0], 0);
    EXPECT_EQ(working->slotProfile[1], 4);
    EXPECT_EQ(working->slotProfile[2], 4);
    EXPECT_EQ(ReadFixedText(working->profiles[1].name), u"P5");
    EXPECT_EQ(ReadFixedText(working->profiles[2].name), u"P5");
    EXPECT_EQ(fs::file_size(store.ProfileListPath()), 5 * 60300u);
    EXPECT_FALSE(fs::exists(store.StateFilePath()));  // Config.data is not saved
}

TEST_F(ProfileStoreTest, DeleteRefusals) {
    for (int i = 0; i < 4; ++i) {
        AddNamed(u"P" + DecimalU16(i));
    }
    working->currentSlot = 0;
    working->slotProfile[0] = 2;  // one of the first three
    EXPECT_FALSE(store.DeleteProfile());
    EXPECT_TRUE(ui.calls.empty());
    working->slotProfile[0] = 3;
    ui.confirm = false;
    EXPECT_FALSE(store.DeleteProfile());
    EXPECT_EQ((ui.calls), (std::vector<std::string>{"confirm"}));
    EXPECT_EQ(list.Size(), 4u);
}

TEST_F(ProfileStoreTest, BindRejectsPositionsOutsideTheList) {
    StartFresh();
    EXPECT_FALSE(store.BindSlotToProfile(3));
    EXPECT_TRUE(store.BindSlotToProfile(2));
    EXPECT_EQ(working->slotProfile[0], 2);
    EXPECT_EQ(CurrentName(), u"Profile 3");
}

TEST_F(ProfileStoreTest, ExportReplacesAndIsRepeatable) {
    StartFresh();
    const fs::path file = dir.Path() / "out.gmp";
    WriteAll(file, "old contents", 12);
    ASSERT_TRUE(store.ExportProfile(file));
    const auto first = ReadAll(file);
    ASSERT_TRUE(store.ExportProfile(file));
    EXPECT_EQ(first.size(), 60300u);
    EXPECT_EQ(ReadAll(file), first);
    EXPECT_EQ(std::memcmp(first.data(), &working->Current(), 60300), 0);
}

TEST_F(ProfileStoreTest, ImportAppendsBindsAndNamesUniquely) {
    StartFresh();
    const fs::path file = dir.Path() / "in.gmp";
    ASSERT_TRUE(store.ExportProfile(file));  // named "Profile 1", which exists
    ASSERT_EQ(store.ImportProfile(file), ImportResult::Imported);
    EXPECT_EQ(CurrentName(), u"Profile 1_1");
    ASSERT_EQ(store.ImportProfile(file), ImportResult::Imported);
    EXPECT_EQ(CurrentName(), u"Profile 1_2");
    EXPECT_EQ(working->slotProfile[0], 4);
    EXPECT_EQ(fs::file_size(store.ProfileListPath()), 5 * 60300u);
}

TEST_F(ProfileStoreTest, RepeatedImportOfABlankedNameStaysUnique) {
    StartFresh();
    WriteFixedText(working->Current().name, u" Profile 2");
    const fs::path file = dir.Path() / "blank.gmp";
    ASSERT_TRUE(store.ExportProfile(file));
    ASSERT_EQ(store.ImportProfile(file), ImportResult::Imported);
    EXPECT_EQ(CurrentName(), u" Profile 2_1");
    ASSERT_EQ(store.ImportProfile(file), ImportResult::Imported);
    EXPECT_EQ(CurrentName(), u" Profile 2_2");
}

TEST_F(ProfileStoreTest, ImportRefusesWrongSizeAndMissingFiles) {
    StartFresh();
    const fs::path file = dir.Path() / "bad.gmp";
    for (std::size_t size : {std::size_t{0}, std::size_t{60299}, std::size_t{60301}}) {
        std::vector<char> bytes(size, 'a');
        WriteAll(file, bytes.data(), bytes.size());
        EXPECT_EQ(store.ImportProfile(file), ImportResult::WrongSize) << size;
    }
    EXPECT_EQ(store.ImportProfile(dir.Path() / "none.gmp"), ImportResult::CannotOpen);
    EXPECT_EQ(list.Size(), 3u);
    EXPECT_TRUE(ui.calls.empty());
}

TEST_F(ProfileStoreTest, ImportedNameWithoutTerminatorStaysInItsField) {
    StartFresh();
    auto p = std::make_unique<tagPROFILE>(working->Current());
    std::fill(std::begin(p->name), std::end(p->name), u'N');
    const fs::path file = dir.Path() / "full.gmp";
    WriteAll(file, p.get(), sizeof *p);
    ASSERT_EQ(store.ImportProfile(file), ImportResult::Imported);
    EXPECT_EQ(CurrentName(), std::u16string(249, u'N'));
    EXPECT_EQ(working->Current().name[249], u'\0');
}

TEST_F(ProfileStoreTest, ShortStateFileIsRepairedAndKeepsWhatItHolds) {
    StartFresh();
    auto saved = std::make_unique<tagSTATEBLOCK>();
    ResetStateDefaults(*saved, u"Profile ");
    WriteFixedText(saved->profiles[0].name, u"Mine");
    saved->currentSlot = 7;
    saved->slotProfile[1] = 40;
    saved->slotProfile[2] = -3;
    fs::create_directories(store.ConfigFolder());
    WriteAll(store.StateFilePath(), saved.get(), 272 + 60300 + 100);  // slot 1 cut short

    auto block = std::make_unique<tagSTATEBLOCK>();
    store.LoadStateFile(*block);
    store.RepairSlotBindings(*block);
    EXPECT_EQ(block->currentSlot, 0);
    EXPECT_EQ(ReadFixedText(block->profiles[0].name), u"Mine");
    EXPECT_EQ(block->profiles[2].levelX[4], 160);  // defaults where the file ran out
    EXPECT_EQ(block->slotProfile[0], 0);
    EXPECT_EQ(block->slotProfile[1], 1);
    EXPECT_EQ(block->slotProfile[2], 2);
}

TEST_F(ProfileStoreTest, DamagedListKeepsWholeRecordsAndTheOriginal) {
    StartFresh();
    auto bytes = ReadAll(store.ProfileListPath());
    bytes.resize(2 * 60300 + 17);
    WriteAll(store.ProfileListPath(), bytes.data(), bytes.size());
    list.Clear();
    store.LoadProfileList();
    EXPECT_EQ(list.Size(), 2u);
    EXPECT_EQ(fs::file_size(store.ConfigFolder() / "Profile.data.bad"), bytes.size());
    EXPECT_EQ(fs::file_size(store.ProfileListPath()), 2 * 60300u);

    // A file without one whole record counts as missing, and is kept aside as well.
    bytes.resize(500);
    WriteAll(store.ProfileListPath(), bytes.data(), bytes.size());
    list.Clear();
    store.LoadProfileList();
    EXPECT_EQ(list.Size(), 3u);
    EXPECT_EQ(fs::file_size(store.ConfigFolder() / "Profile.data.bad.1"), 500u);
    EXPECT_EQ(fs::file_size(store.ConfigFolder() / "Profile.data.bad"), 2 * 60300u + 17);
}

TEST_F(ProfileStoreTest, EmptyListFileCountsAsMissing) {
    fs::create_directories(store.ConfigFolder());
    WriteAll(store.ProfileListPath(), "", 0);
    StartFresh();
    EXPECT_EQ(list.Size(), 3u);
    EXPECT_EQ(fs::file_size(store.ProfileListPath()), 180900u);
}

TEST_F(ProfileStoreTest, SavesFailQuietlyWhenTheFolderCannotBeMade) {
    WriteAll(dir.Path() / "Config", "x", 1);  // a file where the folder should be
    StartFresh();
    EXPECT_EQ(list.Size(), 3u);
    EXPECT_FALSE(store.SaveProfileList());
    EXPECT_EQ(ReadAll(dir.Path() / "Config"), std::vector<char>{'x'});
}

TEST_F(ProfileStoreTest, EmptyStateFileCountsAsMissing) {
    fs::create_directories(store.ConfigFolder());
    WriteAll(store.StateFilePath(), "", 0);
    StartFresh();
    auto expected = std::make_unique<tagSTATEBLOCK>();
    ResetStateDefaults(*expected, u"Profile ");
    EXPECT_EQ(std::memcmp(working.get(), expected.get(), sizeof(tagSTATEBLOCK)), 0);
    EXPECT_EQ(fs::file_size(store.StateFilePath()), sizeof(tagSTATEBLOCK));
    EXPECT_TRUE(store.LoadProblems().empty());
}

// A file that is there but cannot be read is never taken for a first start: the run goes on
// defaults, the file stays byte for byte, and each file is reported once.
TEST_F(ProfileStoreTest, UnreadableFilesAreKeptAndReportedOnce) {
    enum Way { Denied, Folder, Fifo, ModeZero };
    for (const Way way : {Denied, Folder, Fifo, ModeZero}) {
        SCOPED_TRACE(way);
#ifdef _WIN32
        if (way == Fifo || way == ModeZero) {
            continue;
        }
#else
        if (way == ModeZero && geteuid() == 0) {
            continue;  // a privileged user reads it anyway; Denied stands in
        }
#endif
        TempDir home;
        ProfileList profiles;
        auto block = std::make_unique<tagSTATEBLOCK>();
        RecordingUi quiet;
        ProfileStore s(profiles, *block, [&] { return home.Path() / ""; }, u"Profile ", quiet);
        fs::create_directories(s.ConfigFolder());
        // Five profiles the user made, and a state naming them.
        std::vector<char> listBytes(5 * sizeof(tagPROFILE), 'L');
        std::vector<char> stateBytes(sizeof(tagSTATEBLOCK), 'S');
        for (const fs::path& f : {s.StateFilePath(), s.ProfileListPath()}) {
            if (way == Folder) {
                fs::create_directory(f);
            }
#ifndef _WIN32
            if (way == Fifo) {
                ASSERT_EQ(mkfifo(f.c_str(), 0600), 0);
            }
#endif
        }
        if (way == Denied || way == ModeZero) {
            WriteAll(s.StateFilePath(), stateBytes.data(), stateBytes.size());
            WriteAll(s.ProfileListPath(), listBytes.data(), listBytes.size());
        }
        if (way == ModeZero) {
            fs::permissions(s.StateFilePath(), fs::perms::none);
            fs::permissions(s.ProfileListPath(), fs::perms::none);
        }
        ReaderGuard guard;
        if (way == Denied) {
            SetFileReader(&DeniedReader);
        }

        s.LoadStateFile(*block);
        s.LoadProfileList();
        s.RepairSlotBindings(*block);
        EXPECT_EQ(block->profiles[0].levelX[4], 160);  // defaults
        EXPECT_EQ(profiles.Size(), 3u);
        // Later saves of the run leave the files alone as well.
        EXPECT_FALSE(s.SaveStateFile(*block));
        EXPECT_FALSE(s.SaveProfileList());
        s.NewProfile();
        SetFileReader(nullptr);

        ASSERT_EQ(s.LoadProblems().size(), 2u);
        EXPECT_EQ(s.LoadProblems()[0].file, s.StateFilePath());
        EXPECT_EQ(s.LoadProblems()[1].file, s.ProfileListPath());
        EXPECT_EQ(s.LoadProblems()[1].kind, FileProblem::Unreadable);
        if (way == ModeZero) {
            fs::permissions(s.StateFilePath(), fs::perms::owner_read);
            fs::permissions(s.ProfileListPath(), fs::perms::owner_read);
        }
        if (way == Denied || way == ModeZero) {
            EXPECT_EQ(ReadAll(s.StateFilePath()), stateBytes);
            EXPECT_EQ(ReadAll(s.ProfileListPath()), listBytes);
        } else {
            EXPECT_NE(fs::status(s.StateFilePath()).type(), fs::file_type::regular);
            EXPECT_NE(fs::status(s.ProfileListPath()).type(), fs::file_type::regular);
        }
    }
}

// A sparse file of more records than anyone keeps is set aside unread, not read into memory
// and written back.
TEST_F(ProfileStoreTest, HugeListIsSetAsideUnread) {
    fs::create_directories(store.ConfigFolder());
    {
        WriteAll(store.ProfileListPath(), "x", 1);
        fs::resize_file(store.ProfileListPath(), (kMaxRecordsPerFile + 1) * sizeof(tagPROFILE));
    }
    StartFresh();
    EXPECT_EQ(list.Size(), 3u);
    EXPECT_EQ(fs::file_size(store.ProfileListPath()), 3 * sizeof(tagPROFILE));
    ASSERT_EQ(store.LoadProblems().size(), 1u);
    const FileProblem& p = store.LoadProblems()[0];
    EXPECT_EQ(p.kind, FileProblem::TooLarge);
    ASSERT_TRUE(p.keptAs.has_value());
    EXPECT_EQ(fs::file_size(*p.keptAs), (kMaxRecordsPerFile + 1) * sizeof(tagPROFILE));
}

TEST_F(ProfileStoreTest, EmptyListIsNeverSavedOverAFullFile) {
    StartFresh();
    const auto before = ReadAll(store.ProfileListPath());
    list.Clear();  // as at shutdown
    EXPECT_FALSE(store.SaveProfileList());
    EXPECT_EQ(ReadAll(store.ProfileListPath()), before);
}

TEST_F(ProfileStoreTest, ProfileThatLaunchesProgramsIsImportedOnlyWhenAllowed) {
    StartFresh();
    auto p = std::make_unique<tagPROFILE>(working->Current());
    WriteFixedText(p->name, u"Shared");
    p->buttons[2].type = 19;
    WriteFixedText(p->buttons[2].programPath, u"/usr/bin/one");
    p->buttons[7].type = 19;
    WriteFixedText(p->buttons[7].programPath, u"/opt/two; rm -rf ~");
    p->buttons[9].type = 19;  // an empty path launches nothing and is not asked about
    WriteFixedText(p->buttons[4].programPath, u"/not/a/program/button");
    const fs::path file = dir.Path() / "shared.gmp";
    WriteAll(file, p.get(), sizeof *p);
    const auto listBefore = ReadAll(store.ProfileListPath());
    const auto stateBefore = ReadAll(store.StateFilePath());

    ui.confirm = false;
    EXPECT_EQ(store.ImportProfile(file), ImportResult::Declined);
    const std::vector<std::u16string> programs = {u"/usr/bin/one", u"/opt/two; rm -rf ~"};
    ASSERT_EQ(ui.asked.size(), 1u);
    EXPECT_EQ(ui.asked[0], programs);
    EXPECT_EQ(list.Size(), 3u);
    EXPECT_NE(CurrentName(), u"Shared");
    EXPECT_TRUE(ui.calls.empty());
    EXPECT_EQ(ReadAll(store.ProfileListPath()), listBefore);
    EXPECT_EQ(ReadAll(store.StateFilePath()), stateBefore);

    ui.confirm = true;
    EXPECT_EQ(store.ImportProfile(file), ImportResult::Imported);
    EXPECT_EQ(list.Size(), 4u);
    EXPECT_EQ(CurrentName(), u"Shared");
    EXPECT_EQ(ReadFixedText(working->Current().buttons[7].programPath), u"/opt/two; rm -rf ~");

    // Without programs nothing is asked.
    ui.asked.clear();
    p->buttons[2].type = p->buttons[7].type = p->buttons[9].type = 3;
    WriteAll(file, p.get(), sizeof *p);
    EXPECT_EQ(store.ImportProfile(file), ImportResult::Imported);
    EXPECT_TRUE(ui.asked.empty());
}

}  // namespace
