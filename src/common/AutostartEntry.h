// The XDG autostart entry that starts the program at log-on on Linux desktops. Below the
// platform layer, which writes it, so that its text is tested without a desktop.
#pragma once

#include <filesystem>
#include <string>
#include <string_view>

// One argument of an Exec key, quoted and escaped so that the desktop reads it back as
// the same bytes whatever the path holds.
std::string QuoteExecArgument(std::string_view argument);

// The whole desktop entry, running "<program> -auto".
std::string AutostartDesktopEntry(const std::filesystem::path& program);
