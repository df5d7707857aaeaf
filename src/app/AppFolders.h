#pragma once

#include <filesystem>

// The folder of the program's own file, symbolic links resolved, with a trailing separator.
std::filesystem::path ProgramFolder();

// Computed afresh on every call: nothing caches it.
std::filesystem::path CurrentPerUserFolder();

// The program's icon, for the window and the notification area.
inline std::filesystem::path ProgramIconPath(const std::filesystem::path& skinFolder) {
    return skinFolder / "res" / "res_128.png";
}
