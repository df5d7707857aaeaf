#include <gtest/gtest.h>

#include <cstring>
#include <string>

#include "app/AutoRun.h"
#include "app/IniFile.h"
#include "support/TempDir.h"

#ifndef _WIN32
#include <sys/stat.h>
#endif

namespace {

namespace fs = std::filesystem;

std::string FileText(const fs::path& p) {
    const auto bytes = ReadAll(p);
    return std::string(bytes.begin(), bytes.end());
}

void WriteText(const fs::path& p, const std::string& text) {
    WriteAll(p, text.data(), text.size());
}

TEST(IniFileAutoRun, MissingFileOrKeyReadsMinusOne) {
    TempDir dir;
    EXPECT_EQ(ReadAutoRun(dir.Path()), -1);
    EXPECT_FALSE(fs::exists(SettingsFilePath(dir.Path())));  // reading never creates it

    WriteText(SettingsFilePath(dir.Path()), "[Other]\nAutoRun=1\n[Setting]\nAuto=1\n");
    EXPECT_EQ(ReadAutoRun(dir.Path()), -1);
}

TEST(IniFileAutoRun, SettingSectionWithAutoRunOneReadsOne) {
    TempDir dir;
    WriteText(SettingsFilePath(dir.Path()), "[Setting]\nAutoRun=1\n");
    EXPECT_EQ(ReadAutoRun(dir.Path()), 1);
}

TEST(IniFile, SectionsAndKeysAreFoundWithoutRegardToCase) {
    const struct {
        const char* text;
        std::int32_t read;
    } cases[] = {
        {"[setting]\nautorun=1\n", 1},
        {"[SETTING]\r\nAUTORUN=0\r\n", 0},
        {"  [ Setting ]  \n  AutoRun  =  1  \n", 1},
        {"[Setting]\nAutoRun=1\n[Setting]\nAutoRun=0\n", 1},  // the first section
        {"[Setting]\nAutoRun=0\nautorun=1\n", 0},             // the first key
        {"[Other]\nAutoRun=1\n", -1},
        {"AutoRun=1\n[Setting]\n", -1},  // a key before any section belongs to none
        {"[Setting]\n;AutoRun=1\n", -1},
        {"[Setting]\nAutoRun\n", -1},
        {"[Setting]\nAutoRun=\n", -1},  // an empty value gives the default
        {"\xEF\xBB\xBF[Setting]\nAutoRun=1", 1},
    };
    for (const auto& c : cases) {
        IniFile ini;
        ini.Parse(c.text);
        EXPECT_EQ(ProfileInt(ini.Value("Setting", "AutoRun"), -1), c.read) << c.text;
    }
}

TEST(IniFile, IntegerValuesFollowThePrivateProfileRules) {
    const struct {
        const char* value;
        std::int32_t read;
    } cases[] = {
        {"1", 1},
        {"  42", 42},
        {"+7", 7},
        {"-1", -1},
        {"55zz", 55},
        {"0x1F", 31},
        {"0XfF", 255},
        {"abc", 0},
        {"\"1\"", 1},
        {"'3'", 3},
        {"4294967295", -1},
        {"4294967296", 0},
        {"2147483648", INT32_MIN},
        {"1.9", 1},
        {"0x", 0},
    };
    for (const auto& c : cases) {
        IniFile ini;
        ini.Parse(std::string("[S]\nk=") + c.value + "\n");
        EXPECT_EQ(ProfileInt(ini.Value("S", "k"), -1), c.read) << c.value;
    }
    EXPECT_EQ(ProfileInt(std::nullopt, 9), 9);
}

TEST(IniFile, UtfSixteenFileIsReadAndWrittenBackInItsEncoding) {
    TempDir dir;
    const fs::path file = dir.Path() / "config.data";
    const std::u16string text = u"\uFEFF[Setting]\r\nAutoRun=1\r\n";
    WriteAll(file, text.data(), text.size() * 2);
    EXPECT_EQ(ReadIniInt(file, "Setting", "AutoRun", -1), 1);

    ASSERT_TRUE(WriteIniString(file, "Setting", "AutoRun", "0"));
    const std::u16string expected = u"\uFEFF[Setting]\r\nAutoRun=0\r\n";
    const auto bytes = ReadAll(file);
    ASSERT_EQ(bytes.size(), expected.size() * 2);
    EXPECT_EQ(std::memcmp(bytes.data(), expected.data(), bytes.size()), 0);
}

TEST(IniFile, WriterCreatesTheFileWithTheSectionAndKey) {
    TempDir dir;
    const fs::path file = dir.Path() / "config.data";
    ASSERT_TRUE(WriteIniString(file, "Setting", "AutoRun", "1"));
#ifdef _WIN32
    EXPECT_EQ(FileText(file), "[Setting]\r\nAutoRun=1\r\n");
#else
    EXPECT_EQ(FileText(file), "[Setting]\nAutoRun=1\n");
#endif
    EXPECT_EQ(ReadIniInt(file, "Setting", "AutoRun", -1), 1);
}

TEST(IniFile, WriterKeepsEverythingElse) {
    const struct {
        const char* before;
        const char* after;
    } cases[] = {
        // Replaced in place, the stored spelling of the key kept.
        {"; mine\r\n[Other]\r\nA=1\r\n\r\n[setting]\r\nautorun = 0\r\nB=2\r\n",
         "; mine\r\n[Other]\r\nA=1\r\n\r\n[setting]\r\nautorun=1\r\nB=2\r\n"},
        // Added at the end of its own section, before the blank line and the next one.
        {"[Setting]\nB=2\n\n[Other]\nAutoRun=0\n",
         "[Setting]\nB=2\nAutoRun=1\n\n[Other]\nAutoRun=0\n"},
        // A new section goes to the end, set off by a blank line.
        {"[Other]\nA=1", "[Other]\nA=1\n\n[Setting]\nAutoRun=1\n"},
    };
    for (const auto& c : cases) {
        TempDir dir;
        const fs::path file = dir.Path() / "config.data";
        WriteText(file, c.before);
        ASSERT_TRUE(WriteIniString(file, "Setting", "AutoRun", "1")) << c.before;
        EXPECT_EQ(FileText(file), c.after) << c.before;
    }
}

TEST(IniFile, WriterRefusesWhatCannotStandOnOneLine) {
    TempDir dir;
    const fs::path file = dir.Path() / "config.data";
    WriteText(file, "[Setting]\nAutoRun=0\n");
    const struct {
        const char *section, *key, *value;
    } cases[] = {
        {"Setting", "AutoRun", "1\n[Other]"},
        {"Setting", "Auto\r\nRun", "1"},
        {"Setting", "A=B", "1"},
        {"Set]ting", "AutoRun", "1"},
        {"", "AutoRun", "1"},
        {"Setting", "", "1"},
        {"Setting", " AutoRun", "1"},
        {"Setting", "[AutoRun", "1"},
    };
    for (const auto& c : cases) {
        EXPECT_FALSE(WriteIniString(file, c.section, c.key, c.value)) << c.key << c.value;
    }
    EXPECT_EQ(FileText(file), "[Setting]\nAutoRun=0\n");
}

// Two saves in a row: the second must not see a different form than the first wrote.
TEST(IniFile, LineEndsStayAsTheFileHadThem) {
    const struct {
        const char* before;
        const char* after;
    } cases[] = {
        {"[Setting]\nAutoRun=0\nX=1\r\r", "[Setting]\nAutoRun=1\nX=1\r\r\n"},
        {"[Setting]\r\nAutoRun=0\r\nX=1\r\n", "[Setting]\r\nAutoRun=1\r\nX=1\r\n"},
        {"[Setting]\nAutoRun=0\r\n", "[Setting]\nAutoRun=1\n"},
    };
    for (const auto& c : cases) {
        TempDir dir;
        const fs::path file = dir.Path() / "config.data";
        WriteText(file, c.before);
        ASSERT_TRUE(WriteIniString(file, "Setting", "AutoRun", "1")) << c.before;
        ASSERT_TRUE(WriteIniString(file, "Setting", "AutoRun", "1")) << c.before;
        EXPECT_EQ(FileText(file), c.after) << c.before;
        EXPECT_EQ(ReadIniInt(file, "Setting", "AutoRun", -1), 1);
    }
}

TEST(IniFile, WriterLeavesAFileItCannotReadAlone) {
    TempDir dir;
    const fs::path file = dir.Path() / "config.data";
    fs::create_directory(file);  // there, but not readable as a file
    EXPECT_FALSE(WriteIniString(file, "Setting", "AutoRun", "1"));
    EXPECT_TRUE(fs::is_directory(file));
}

#ifndef _WIN32
// Opening a FIFO for reading waits for a writer: it must be refused, not opened.
TEST(IniFile, FifoIsNeitherReadNorReplaced) {
    TempDir dir;
    const fs::path file = dir.Path() / "config.data";
    ASSERT_EQ(mkfifo(file.c_str(), 0600), 0);
    EXPECT_EQ(ReadIniInt(file, "Setting", "AutoRun", -1), -1);
    EXPECT_FALSE(WriteIniString(file, "Setting", "AutoRun", "1"));
    EXPECT_EQ(fs::status(file).type(), fs::file_type::fifo);
}
#endif

}  // namespace
