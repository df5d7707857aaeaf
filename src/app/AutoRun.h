// The settings file config.data and the autorun command.
#pragma once

#include <cstdint>
#include <filesystem>

#include "common/AutoRunService.h"

std::filesystem::path SettingsFilePath(const std::filesystem::path& perUserFolder);

// "AutoRun" of section "Setting"; -1 when the file or the key is missing.
std::int32_t ReadAutoRun(const std::filesystem::path& perUserFolder);

enum class AutoRunToggle {
    Changed,             // registration and settings file both follow the new setting
    RegistrationFailed,  // nothing changed
    NotSaved,            // the setting follows the registration; the file kept the old value
};

// Command 6003: 1 becomes 0 and the log-on start is removed; anything else becomes 1 and
// the program is registered. The setting changes only once the registration did, so it
// never says autorun is on when it is not.
AutoRunToggle ToggleAutoRun(std::int32_t& setting, const std::filesystem::path& perUserFolder,
                            const std::filesystem::path& program, AutoRunService& service);
