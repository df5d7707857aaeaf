#include <gtest/gtest.h>

#include <csignal>

#include "data/RecordFile.h"
#include "support/TempDir.h"

#ifndef _WIN32
#include <sys/resource.h>
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
    EXPECT_FALSE(std::filesystem::exists(dir.Path() / "f.data.tmp"));
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

TEST(RecordFile, MissingOrFolderReadsAsNothing) {
    TempDir dir;
    EXPECT_FALSE(ReadFileBytes(dir.Path() / "missing").has_value());
    EXPECT_FALSE(ReadFileBytes(dir.Path()).has_value());
}

}  // namespace
