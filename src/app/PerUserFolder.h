#pragma once

#include <filesystem>
#include <optional>

// The folder below which the settings and record files live: <appData>/Corvane/, created
// when missing, or the program folder when no application-data folder can be named. A
// failure to create is not reported; the file operations after it fail quietly.
std::filesystem::path PerUserFolder(const std::optional<std::filesystem::path>& appData,
                                    const std::filesystem::path& programFolder);
