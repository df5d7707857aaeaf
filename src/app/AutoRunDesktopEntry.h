// The XDG autostart entry that starts the program at log-on on Linux desktops.
#pragma once

#include <filesystem>
#include <string>
#include <string_view>

// One argument of an Exec key, quoted and escaped so that the desktop reads it back as
// the same bytes whatever the path holds.
std::string QuoteExecArgument(std::string_view argument);

// The whole desktop entry, running "<program> -auto".
std::string AutostartDesktopEntry(const std::filesystem::path& program);

// The name the desktop should start: an installed program folder (<prefix>/lib/corvane/) is
// reached through <prefix>/bin/corvane, which keeps working when the folder moves between
// versions; any other program is started where it is.
std::filesystem::path LaunchPath(const std::filesystem::path& program);
