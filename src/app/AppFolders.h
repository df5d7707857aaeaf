#pragma once

#include <filesystem>

// The folder of the program's own file, symbolic links resolved, with a trailing separator.
std::filesystem::path ProgramFolder();

// Computed afresh on every call: nothing caches it.
std::filesystem::path CurrentPerUserFolder();
