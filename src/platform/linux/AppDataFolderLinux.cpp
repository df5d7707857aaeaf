#include <pwd.h>
#include <unistd.h>

#include <cstdlib>

#include "platform/AppDataFolder.h"

namespace platform {

std::optional<std::filesystem::path> ApplicationDataFolder() {
    // Relative values are invalid by the XDG rules and ignored.
    if (const char* xdg = std::getenv("XDG_CONFIG_HOME"); xdg != nullptr && xdg[0] == '/') {
        return std::filesystem::path(xdg);
    }
    const char* home = std::getenv("HOME");
    if (home == nullptr || home[0] != '/') {
        const passwd* pw = getpwuid(getuid());
        home = pw != nullptr ? pw->pw_dir : nullptr;
    }
    if (home == nullptr || home[0] != '/') {
        return std::nullopt;
    }
    return std::filesystem::path(home) / ".config";
}

}  // namespace platform
