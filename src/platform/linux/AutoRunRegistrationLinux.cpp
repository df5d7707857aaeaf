#include <optional>
#include <span>
#include <string>
#include <system_error>

#include "common/AutostartEntry.h"
#include "data/RecordFile.h"
#include "platform/AppDataFolder.h"
#include "platform/AutoRunRegistration.h"

namespace fs = std::filesystem;

namespace platform {

namespace {

// Asked afresh each time, like the per-user folder, so a changed environment is followed.
std::optional<fs::path> AutostartEntry() {
    const auto config = ApplicationDataFolder();
    if (!config) {
        return std::nullopt;
    }
    return *config / "autostart" / "corvane.desktop";
}

}  // namespace

bool AutoRunRegistration::Register(const fs::path& program) {
    const auto entry = AutostartEntry();
    if (!entry) {
        return false;
    }
    std::error_code ec;
    fs::create_directories(entry->parent_path(), ec);
    if (!fs::is_directory(entry->parent_path(), ec)) {
        return false;
    }
    const std::string text = AutostartDesktopEntry(program);
    return WriteFileAtomic(*entry, std::as_bytes(std::span(text.data(), text.size())));
}

bool AutoRunRegistration::Unregister() {
    const auto entry = AutostartEntry();
    if (!entry) {
        return true;  // without a configuration folder no entry can exist
    }
    std::error_code ec;
    fs::remove(*entry, ec);
    return fs::symlink_status(*entry, ec).type() == fs::file_type::not_found;
}

}  // namespace platform
