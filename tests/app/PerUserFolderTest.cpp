#include <gtest/gtest.h>

#include "app/PerUserFolder.h"
#include "support/TempDir.h"

namespace {

namespace fs = std::filesystem;

TEST(PerUserFolder, CreatesItsFolderWithATrailingSeparator) {
    TempDir dir;
    const fs::path result = PerUserFolder(dir.Path(), "/prog/");
    EXPECT_EQ(result, dir.Path() / "Corvane" / "");
    // Whatever the system's separator, the path ends with one after the folder's name.
    const std::string tail = std::string("Corvane") + char(fs::path::preferred_separator);
    EXPECT_TRUE(result.string().ends_with(tail)) << result.string();
    EXPECT_TRUE(fs::is_directory(dir.Path() / "Corvane"));
}

TEST(PerUserFolder, CreatesAMissingApplicationDataFolder) {
    TempDir dir;
    const fs::path appData = dir.Path() / "home" / ".config";
    EXPECT_EQ(PerUserFolder(appData, "/prog/"), appData / "Corvane" / "");
    EXPECT_TRUE(fs::is_directory(appData / "Corvane"));
}

TEST(PerUserFolder, AFileNamedCorvaneStillGivesThePath) {
    TempDir dir;
    WriteAll(dir.Path() / "Corvane", "x", 1);
    EXPECT_EQ(PerUserFolder(dir.Path(), "/prog/"), dir.Path() / "Corvane" / "");
    EXPECT_TRUE(fs::is_regular_file(dir.Path() / "Corvane"));
}

TEST(PerUserFolder, WithoutApplicationDataTheProgramFolder) {
    EXPECT_EQ(PerUserFolder(std::nullopt, "/prog/"), fs::path("/prog/"));
}

}  // namespace
