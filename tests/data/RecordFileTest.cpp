#include <gtest/gtest.h>

#include <algorithm>
#include <csignal>
#include <iterator>

#include "data/RecordFile.h"
#include "support/TempDir.h"

#ifndef _WIN32
#include <sys/resource.h>
#include <sys/stat.h>
#endif

namespace {

std::vector<std::byte> Bytes(std::size_t n, unsigned char v) {
    return std::vector<std::byte>(n, std::byte{v});
}

TEST(RecordFile, AtomicWriteReplacesWhole) {
    TempDir dir;
    const auto path = dir.Path() / "f.data";
    ASSERT_TRUE(WriteFileAtomic(path, Bytes(10, 1)));
    ASSERT_TRUE(WriteFileAtomic(path, Bytes(3, 2)));
    EXPECT_EQ(*ReadFileBytes(path), Bytes(3, 2));
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir.Path()), {}), 1)
        << "a temporary was left behind";
}

TEST(RecordFile, FailedSyncLeavesTheOldFile) {
    TempDir dir;
    const auto path = dir.Path() / "f.data";
    ASSERT_TRUE(WriteFileAtomic(path, Bytes(10, 1)));
    SetFileSyncHandler([](std::FILE*) { return false; });
    EXPECT_FALSE(WriteFileAtomic(path, Bytes(20, 2)));
    SetFileSyncHandler(nullptr);
    EXPECT_EQ(*ReadFileBytes(path), Bytes(10, 1));
    EXPECT_FALSE(std::filesystem::exists(dir.Path() / "f.data.tmp"));
}

#ifndef _WIN32
// A file-size limit makes the write fail part-way, as a full disk does.
TEST(RecordFile, FullDiskLeavesTheOldFile) {
    TempDir dir;
    const auto path = dir.Path() / "f.data";
    ASSERT_TRUE(WriteFileAtomic(path, Bytes(1000, 1)));
    rlimit old{};
    getrlimit(RLIMIT_FSIZE, &old);
    auto oldHandler = std::signal(SIGXFSZ, SIG_IGN);
    rlimit small = old;
    small.rlim_cur = 4096;
    setrlimit(RLIMIT_FSIZE, &small);
    const bool written = WriteFileAtomic(path, Bytes(200000, 2));
    setrlimit(RLIMIT_FSIZE, &old);
    std::signal(SIGXFSZ, oldHandler);
    EXPECT_FALSE(written);
    EXPECT_EQ(*ReadFileBytes(path), Bytes(1000, 1));
}
#endif

TEST(RecordFile, WriteIntoMissingFolderFails) {
    TempDir dir;
    EXPECT_FALSE(WriteFileAtomic(dir.Path() / "none" / "f.data", Bytes(1, 1)));
}

TEST(RecordFile, MoveAsideNeverOverwritesAnEarlierCopy) {
    TempDir dir;
    const auto path = dir.Path() / "Profile.data";
    WriteAll(path, "a", 1);
    EXPECT_EQ(MoveAside(path), dir.Path() / "Profile.data.bad");
    WriteAll(path, "b", 1);
    EXPECT_EQ(MoveAside(path), dir.Path() / "Profile.data.bad.1");
    EXPECT_EQ(ReadAll(dir.Path() / "Profile.data.bad"), std::vector<char>{'a'});
    EXPECT_EQ(ReadAll(dir.Path() / "Profile.data.bad.1"), std::vector<char>{'b'});
}

TEST(RecordFile, OnlyANameWithNothingThereIsMissing) {
    TempDir dir;
    WriteAll(dir.Path() / "ten", "0123456789", 10);
    WriteAll(dir.Path() / "empty", "", 0);
    const struct {
        std::filesystem::path path;
        std::uintmax_t limit;
        ReadStatus status;
        std::size_t size;
    } cases[] = {
        {dir.Path() / "missing", kNoSizeLimit, ReadStatus::Missing, 0},
        {dir.Path(), kNoSizeLimit, ReadStatus::Unreadable, 0},
        {dir.Path() / "ten", kNoSizeLimit, ReadStatus::Read, 10},
        {dir.Path() / "ten", 10, ReadStatus::Read, 10},
        {dir.Path() / "ten", 9, ReadStatus::TooLarge, 0},
        {dir.Path() / "empty", kNoSizeLimit, ReadStatus::Read, 0},
    };
    for (const auto& c : cases) {
        const FileBytes r = ReadRegularFile(c.path, c.limit);
        EXPECT_EQ(r.status, c.status) << c.path << " " << c.limit;
        EXPECT_EQ(r.bytes.size(), c.size) << c.path;
    }
    EXPECT_FALSE(ReadFileBytes(dir.Path()).has_value());
}

#ifndef _WIN32
// Opening a FIFO for reading would wait for a writer for ever.
TEST(RecordFile, FifoIsUnreadableWithoutBeingOpened) {
    TempDir dir;
    const auto path = dir.Path() / "Config.data";
    ASSERT_EQ(mkfifo(path.c_str(), 0600), 0);
    EXPECT_EQ(ReadRegularFile(path).status, ReadStatus::Unreadable);
}

// Whatever sits at the names a save might once have used, the save lands on the target
// and nothing else changes.
TEST(RecordFile, PlantedTemporariesNeitherRedirectNorBlockASave) {
    TempDir dir;
    const auto path = dir.Path() / "Config.data";
    const auto victim = dir.Path() / "victim";
    WriteAll(victim, "keep", 4);
    std::filesystem::create_symlink(victim, dir.Path() / "Config.data.tmp");
    std::filesystem::create_directory(dir.Path() / "Config.data.tmp-0");
    ASSERT_TRUE(WriteFileAtomic(path, Bytes(5, 7)));
    EXPECT_EQ(*ReadFileBytes(path), Bytes(5, 7));
    EXPECT_EQ(ReadAll(victim), (std::vector<char>{'k', 'e', 'e', 'p'}));
    EXPECT_FALSE(std::filesystem::is_symlink(path));
}
#endif

TEST(RecordFile, StaleTemporariesOfOurNamingAreRemoved) {
    TempDir dir;
    const auto path = dir.Path() / "Profile.data";
    WriteAll(path, "p", 1);
    WriteAll(dir.Path() / "Profile.data.tmp", "x", 1);               // the old fixed name
    WriteAll(dir.Path() / "Profile.data.tmp-0123456789abcdef", "x", 1);
    WriteAll(dir.Path() / "Profile.data.bad", "b", 1);               // a kept copy
    WriteAll(dir.Path() / "Config.data.tmp-01", "x", 1);             // another file's
    std::filesystem::create_directory(dir.Path() / "Profile.data.tmp-dir");
#ifndef _WIN32
    WriteAll(dir.Path() / "target", "t", 1);
    std::filesystem::create_symlink(dir.Path() / "target", dir.Path() / "Profile.data.tmp-link");
#endif
    RemoveStaleTemporaries(path);
    std::vector<std::string> left;
    for (const auto& e : std::filesystem::directory_iterator(dir.Path())) {
        left.push_back(e.path().filename().string());
    }
    std::sort(left.begin(), left.end());
    std::vector<std::string> expected = {"Config.data.tmp-01", "Profile.data", "Profile.data.bad",
                                         "Profile.data.tmp-dir"};
#ifndef _WIN32
    expected.push_back("target");  // the link went, not what it named
#endif
    EXPECT_EQ(left, expected);
}

}  // namespace
