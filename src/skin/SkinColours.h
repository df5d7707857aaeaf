// The theme's colours as the windows hand them to the text renderer (0x00BBGGRR).
#pragma once

#include <cstdint>

namespace skin_colour {
// RGB(1, 81, 142): borders, selection, bars and patches.
inline constexpr std::uint32_t kAccent = 0x8E5101;
// RGB(104, 176, 232): the accent's hue light enough to read as text on the dark ground, for
// headings and dialog texts.
inline constexpr std::uint32_t kAccentText = 0xE8B068;
}  // namespace skin_colour
