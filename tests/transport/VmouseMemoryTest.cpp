// What the virtual mouse accepts and how its memory survives the file.
#include <gtest/gtest.h>

#include <sys/wait.h>
#include <unistd.h>

#include <fcntl.h>

#include "VmouseFolder.h"
#include "VmouseMemory.h"
#include "support/TempDir.h"

namespace {

std::vector<std::uint8_t> Report(std::size_t length, std::initializer_list<std::uint8_t> head) {
    std::vector<std::uint8_t> report(length, 0);
    std::copy(head.begin(), head.end(), report.begin());
    return report;
}

TEST(VmouseMemory, TakesOnlyReportsTheDeviceKnows) {
    using V = VmouseMemory::Verdict;
    struct Case {
        std::vector<std::uint8_t> report;
        V verdict;
    };
    const Case cases[] = {
        {Report(34, {0x04, 34}), V::Accepted},
        {Report(9, {0x05, 9}), V::Accepted},
        {Report(8, {0x06, 8}), V::Accepted},
        {Report(76, {0x08, 76}), V::Accepted},
        {Report(130, {0x09, 130, 12}), V::Accepted},
        {Report(33, {0x04, 33}), V::WrongLength},  // short
        {Report(9, {0x05, 8}), V::WrongLength},    // byte 1 disagrees
        {Report(131, {0x09, 130, 1}), V::WrongLength},
        {Report(130, {0x09, 130, 0}), V::BadButton},
        {Report(130, {0x09, 130, 13}), V::BadButton},
        {Report(8, {0x07, 8}), V::UnknownReport},
        {{}, V::UnknownReport},
    };
    for (const Case& c : cases) {
        VmouseMemory memory;
        EXPECT_EQ(memory.Take(c.report), c.verdict) << int(c.report.empty() ? 0 : c.report[0]);
    }
}

TEST(VmouseMemory, ImageRoundTripsAndDamageLeavesItEmpty) {
    VmouseMemory memory;
    ASSERT_EQ(memory.Take(Report(9, {0x05, 9, 3})), VmouseMemory::Verdict::Accepted);
    ASSERT_EQ(memory.Take(Report(130, {0x09, 130, 4, 1, 2, 'M'})), VmouseMemory::Verdict::Accepted);
    const auto image = memory.Serialize();
    VmouseMemory copy;
    ASSERT_TRUE(copy.Deserialize(image));
    EXPECT_EQ(copy.ToJson(true), memory.ToJson(true));

    const VmouseMemory empty;
    auto truncated = image;
    truncated.pop_back();
    auto planted = image;
    planted[4] = 9;  // the empty sensitivity slot claims the next 9 bytes
    auto foreign = image;
    foreign[0] = 'X';
    for (const auto& bad : {truncated, foreign, planted}) {
        VmouseMemory loaded;
        EXPECT_FALSE(loaded.Deserialize(bad));
        EXPECT_EQ(loaded.ToJson(false), empty.ToJson(false));
    }
}

TEST(VmouseMemory, MacroNameIsEscapedAndOverlongEntryAreaIsFlagged) {
    auto macro = Report(130, {0x09, 130, 1, 0, 1, '"', 'a', '\\', 0x80, 0xE9});
    macro[29] = 60;  // claims 120 bytes of entries; only 100 exist
    VmouseMemory memory;
    ASSERT_EQ(memory.Take(macro), VmouseMemory::Verdict::Accepted);
    const std::string json = memory.ToJson(true);
    EXPECT_NE(json.find(R"("name": "\"a\\\u20ac\u00e9")"), std::string::npos) << json;
    EXPECT_NE(json.find("\"units\": 60, \"fits\": false"), std::string::npos);
}

// Every save of a process killed before its rename left a temporary behind; the next save
// clears what dead writers left, and saves that finish leave nothing.
TEST(VmouseFolder, SavesLeaveNoTemporaries) {
    TempDir dir;
    const VmouseFolder folder(dir.Path());
    for (int i = 0; i < 100; ++i) {
        const pid_t child = fork();
        ASSERT_GE(child, 0);
        if (child == 0) {
            // As far as a save gets before a kill -9.
            const std::string temp =
                folder.StateFile().string() + ".tmp" + std::to_string(getpid()) + "-0";
            const int fd = open(temp.c_str(), O_WRONLY | O_CREAT | O_EXCL, 0600);
            _exit(fd >= 0 && write(fd, "{", 1) == 1 ? 0 : 1);
        }
        int status = 0;
        waitpid(child, &status, 0);
        ASSERT_EQ(WEXITSTATUS(status), 0);
    }
    ASSERT_EQ(std::distance(std::filesystem::directory_iterator(dir.Path()), {}), 100);
    for (int i = 0; i < 100; ++i) {
        ASSERT_TRUE(VmouseFolder::WriteAtomic(folder.StateFile(), "{\"n\": " + std::to_string(i) + "}"));
    }
    std::vector<std::string> left;
    for (const auto& e : std::filesystem::directory_iterator(dir.Path())) {
        left.push_back(e.path().filename().string());
    }
    EXPECT_EQ(left, std::vector<std::string>{"state.json"});
    EXPECT_EQ(VmouseFolder::ReadText(folder.StateFile()), "{\"n\": 99}");
}

TEST(VmouseFolder, PlantedLinkIsNeverWrittenThrough) {
    TempDir dir;
    const VmouseFolder folder(dir.Path());
    WriteAll(dir.Path() / "victim", "keep", 4);
    // Our own pid: not an orphan, so it stays where it is, and the save must go around it.
    const std::string ours = folder.StateFile().string() + ".tmp" + std::to_string(getpid());
    for (int n = 0; n < 4; ++n) {
        std::filesystem::create_symlink(dir.Path() / "victim", ours + "-" + std::to_string(n));
    }
    for (int n = 0; n < 8; ++n) {
        VmouseFolder::WriteAtomic(folder.StateFile(), "{}");
    }
    EXPECT_EQ(ReadAll(dir.Path() / "victim"), (std::vector<char>{'k', 'e', 'e', 'p'}));
    EXPECT_EQ(VmouseFolder::ReadText(folder.StateFile()), "{}");
}

}  // namespace
