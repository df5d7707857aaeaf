#include "app/PerUserFolder.h"

#include <system_error>

namespace fs = std::filesystem;

fs::path PerUserFolder(const std::optional<fs::path>& appData, const fs::path& programFolder) {
    if (!appData || appData->empty()) {
        return programFolder;
    }
    const fs::path own = *appData / "Corvane";
    std::error_code ec;
    if (fs::is_directory(*appData, ec)) {
        if (!fs::is_directory(own, ec)) {
            fs::create_directory(own, ec);
        }
    } else if (fs::create_directories(*appData, ec) && !fs::is_directory(own, ec)) {
        fs::create_directory(own, ec);
    }
    return own / "";
}
