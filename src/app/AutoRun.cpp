#include "app/AutoRun.h"

#include <string>

#include "app/IniFile.h"

namespace fs = std::filesystem;

namespace {
constexpr std::string_view kSection = "Setting";
constexpr std::string_view kKey = "AutoRun";
}  // namespace

fs::path SettingsFilePath(const fs::path& perUserFolder) {
    return perUserFolder / "config.data";
}

std::int32_t ReadAutoRun(const fs::path& perUserFolder) {
    return ReadIniInt(SettingsFilePath(perUserFolder), kSection, kKey, -1);
}

AutoRunToggle ToggleAutoRun(std::int32_t& setting, const fs::path& perUserFolder,
                            const fs::path& program, AutoRunService& service) {
    const std::int32_t next = setting == 1 ? 0 : 1;
    const bool registered = next == 1 ? service.Register(program) : service.Unregister();
    if (!registered) {
        return AutoRunToggle::RegistrationFailed;
    }
    setting = next;
    if (!WriteIniString(SettingsFilePath(perUserFolder), kSection, kKey, std::to_string(next))) {
        return AutoRunToggle::NotSaved;
    }
    return AutoRunToggle::Changed;
}
