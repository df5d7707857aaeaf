#include <gtest/gtest.h>

#include <cstdlib>
#include <optional>
#include <string>

#include "app/AutoRun.h"
#include "app/AutoRunDesktopEntry.h"
#include "platform/AutoRunRegistration.h"
#include "support/TempDir.h"

namespace {

namespace fs = std::filesystem;

// Sets a variable for one test and puts the old value back.
class ScopedEnv {
public:
    ScopedEnv(const char* name, const std::optional<std::string>& value) : name_(name) {
        if (const char* old = std::getenv(name)) {
            old_ = old;
        }
        Set(value);
    }
    ~ScopedEnv() { Set(old_); }
    ScopedEnv(const ScopedEnv&) = delete;
    ScopedEnv& operator=(const ScopedEnv&) = delete;

private:
    void Set(const std::optional<std::string>& value) {
        if (value) {
            setenv(name_, value->c_str(), 1);
        } else {
            unsetenv(name_);
        }
    }
    const char* name_;
    std::optional<std::string> old_;
};

std::string FileText(const fs::path& p) {
    const auto bytes = ReadAll(p);
    return std::string(bytes.begin(), bytes.end());
}

class AutoRunRegistrationTest : public ::testing::Test {
protected:
    TempDir dir;
    ScopedEnv xdg{"XDG_CONFIG_HOME", dir.Path().string()};
    platform::AutoRunRegistration registration;
    const fs::path program = "/opt/my corvane/corvane";
    const fs::path entry = dir.Path() / "autostart" / "corvane.desktop";
};

TEST_F(AutoRunRegistrationTest, RegisterWritesTheEntryAndUnregisterRemovesIt) {
    ASSERT_TRUE(registration.Register(program));
    EXPECT_EQ(FileText(entry), AutostartDesktopEntry(program));
    EXPECT_NE(FileText(entry).find("Exec=\"/opt/my corvane/corvane\" -auto\n"), std::string::npos);

    ASSERT_TRUE(registration.Register("/usr/lib/corvane/corvane"));  // replaces the old entry
    EXPECT_EQ(FileText(entry), AutostartDesktopEntry("/usr/lib/corvane/corvane"));

    EXPECT_TRUE(registration.Unregister());
    EXPECT_FALSE(fs::exists(entry));
    EXPECT_TRUE(registration.Unregister());  // nothing left to remove is success
}

TEST_F(AutoRunRegistrationTest, WithoutXdgConfigHomeTheEntryGoesBelowHome) {
    const ScopedEnv unset("XDG_CONFIG_HOME", std::nullopt);
    const ScopedEnv home("HOME", dir.Path().string());
    ASSERT_TRUE(registration.Register(program));
    EXPECT_TRUE(fs::exists(dir.Path() / ".config" / "autostart" / "corvane.desktop"));
}

TEST_F(AutoRunRegistrationTest, RegisterFailsWhenTheFolderCannotBeMade) {
    WriteAll(dir.Path() / "autostart", "x", 1);  // a file where the folder belongs
    EXPECT_FALSE(registration.Register(program));
}

TEST_F(AutoRunRegistrationTest, ToggleWritesAndRemovesEntryAndSetting) {
    const fs::path perUser = dir.Path() / "Corvane";
    fs::create_directory(perUser);
    std::int32_t setting = ReadAutoRun(perUser);
    ASSERT_EQ(ToggleAutoRun(setting, perUser, program, registration), AutoRunToggle::Changed);
    EXPECT_TRUE(fs::exists(entry));
    EXPECT_EQ(ReadAutoRun(perUser), 1);

    ASSERT_EQ(ToggleAutoRun(setting, perUser, program, registration), AutoRunToggle::Changed);
    EXPECT_FALSE(fs::exists(entry));
    EXPECT_EQ(ReadAutoRun(perUser), 0);
    EXPECT_EQ(setting, 0);
}

TEST_F(AutoRunRegistrationTest, ToggleWithAFailingRegistrationLeavesTheSetting) {
    const fs::path perUser = dir.Path() / "Corvane";
    fs::create_directory(perUser);
    WriteAll(SettingsFilePath(perUser), "[Setting]\nAutoRun=0\n", 20);
    WriteAll(dir.Path() / "autostart", "x", 1);
    std::int32_t setting = ReadAutoRun(perUser);
    EXPECT_EQ(ToggleAutoRun(setting, perUser, program, registration),
              AutoRunToggle::RegistrationFailed);
    EXPECT_EQ(setting, 0);
    EXPECT_EQ(ReadAutoRun(perUser), 0);
}

}  // namespace
