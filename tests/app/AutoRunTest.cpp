#include <gtest/gtest.h>

#include <fstream>
#include <string>
#include <vector>

#include "app/AutoRun.h"
#include "app/AutoRunDesktopEntry.h"
#include "support/TempDir.h"

namespace {

namespace fs = std::filesystem;

class FakeService : public AutoRunService {
public:
    bool Register(const fs::path& program) override {
        calls.push_back("register " + program.string());
        registered = registered || works;
        return works;
    }
    bool Unregister() override {
        calls.push_back("unregister");
        registered = registered && !works;
        return works;
    }
    std::vector<std::string> calls;
    bool works = true;
    bool registered = false;
};

class AutoRunToggleTest : public ::testing::Test {
protected:
    TempDir dir;
    FakeService service;
    const fs::path program = "/opt/corvane/corvane";
};

TEST_F(AutoRunToggleTest, TogglesRegistrationAndSettingTogether) {
    std::int32_t setting = ReadAutoRun(dir.Path());
    ASSERT_EQ(setting, -1);
    EXPECT_EQ(ToggleAutoRun(setting, dir.Path(), program, service), AutoRunToggle::Changed);
    EXPECT_EQ(setting, 1);
    EXPECT_TRUE(service.registered);
    EXPECT_EQ(ReadAutoRun(dir.Path()), 1);

    EXPECT_EQ(ToggleAutoRun(setting, dir.Path(), program, service), AutoRunToggle::Changed);
    EXPECT_EQ(setting, 0);
    EXPECT_FALSE(service.registered);
    EXPECT_EQ(ReadAutoRun(dir.Path()), 0);

    EXPECT_EQ(ToggleAutoRun(setting, dir.Path(), program, service), AutoRunToggle::Changed);
    EXPECT_EQ(setting, 1);
    EXPECT_EQ(service.calls,
              (std::vector<std::string>{"register /opt/corvane/corvane", "unregister",
                                        "register /opt/corvane/corvane"}));
}

TEST_F(AutoRunToggleTest, FailedRegistrationLeavesTheSettingAndFileUnchanged) {
    service.works = false;
    for (const std::int32_t start : {-1, 0, 1, 7}) {
        std::int32_t setting = start;
        EXPECT_EQ(ToggleAutoRun(setting, dir.Path(), program, service),
                  AutoRunToggle::RegistrationFailed);
        EXPECT_EQ(setting, start);
    }
    EXPECT_FALSE(fs::exists(SettingsFilePath(dir.Path())));
}

TEST_F(AutoRunToggleTest, SettingFollowsTheRegistrationWhenTheFileCannotBeWritten) {
    fs::create_directory(SettingsFilePath(dir.Path()));
    std::int32_t setting = 0;
    EXPECT_EQ(ToggleAutoRun(setting, dir.Path(), program, service), AutoRunToggle::NotSaved);
    EXPECT_EQ(setting, 1);
    EXPECT_TRUE(service.registered);
}

TEST(AutoRunDesktopEntry, IsACompleteEntryRunningTheProgramWithAuto) {
    EXPECT_EQ(AutostartDesktopEntry("/opt/corvane/corvane"),
              "[Desktop Entry]\n"
              "Type=Application\n"
              "Name=Corvane\n"
              "Exec=\"/opt/corvane/corvane\" -auto\n"
              "Terminal=false\n"
              "X-GNOME-Autostart-enabled=true\n");
}

TEST(AutoRunDesktopEntry, ExecArgumentIsQuotedAndEscaped) {
    const struct {
        const char *path, *exec;
    } cases[] = {
        {"/home/a b/corvane", R"("/home/a b/corvane")"},
        {"/x/\"q\"", R"("/x/\\"q\\"")"},
        {"/x/$HOME`id`", R"("/x/\\$HOME\\`id\\`")"},
        {"/x\\y", R"("/x\\\\y")"},
        {"/100%/c", R"("/100%%/c")"},
        {"/a\nb\tc", R"("/a\nb\tc")"},
        {"/x/it's;&|<>~*?#()", R"x("/x/it's;&|<>~*?#()")x"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(QuoteExecArgument(c.path), c.exec) << c.path;
    }
}

}  // namespace

namespace {

TEST(LaunchPathTest, AnInstalledFolderIsStartedThroughItsBinLink) {
    TempDir dir;
    namespace fs = std::filesystem;
    const fs::path prefix = dir.Path();
    for (const fs::path folder :
         {prefix / "lib" / "corvane", prefix / "lib" / "x86_64" / "corvane"}) {
        fs::create_directories(folder);
        std::ofstream(folder / "corvane") << "program";
    }
    fs::create_directories(prefix / "bin");
    const fs::path program = prefix / "lib" / "corvane" / "corvane";
    EXPECT_EQ(LaunchPath(program), program) << "no link yet";
    std::ofstream(prefix / "bin" / "corvane") << "another program";
    EXPECT_EQ(LaunchPath(program), program) << "a bin/corvane that is not this program";
    fs::remove(prefix / "bin" / "corvane");
    std::error_code error;
    fs::create_symlink("../lib/corvane/corvane", prefix / "bin" / "corvane", error);
    if (error) {
        GTEST_SKIP() << "no symbolic links here";
    }
    EXPECT_EQ(LaunchPath(program), prefix / "bin" / "corvane");
    const fs::path multiarch = prefix / "lib" / "x86_64" / "corvane" / "corvane";
    EXPECT_EQ(LaunchPath(multiarch), multiarch) << "the link names the other folder";
    fs::remove(prefix / "bin" / "corvane");
    fs::create_symlink("../lib/x86_64/corvane/corvane", prefix / "bin" / "corvane");
    EXPECT_EQ(LaunchPath(multiarch), prefix / "bin" / "corvane");
}

}  // namespace
