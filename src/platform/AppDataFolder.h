#pragma once

#include <filesystem>
#include <optional>

namespace platform {
// The current user's application-data folder, or nullopt when none can be named.
std::optional<std::filesystem::path> ApplicationDataFolder();
}  // namespace platform
