// The program the log-on start runs, and the desktop entry that runs it.
#pragma once

#include <filesystem>

#include "common/AutostartEntry.h"

// The name the desktop should start: an installed program folder (<prefix>/lib/corvane/) is
// reached through <prefix>/bin/corvane, which keeps working when the folder moves between
// versions; any other program is started where it is.
std::filesystem::path LaunchPath(const std::filesystem::path& program);
