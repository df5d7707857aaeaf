// The navigation keys the picker windows answer, as the classic virtual-key numbers.
#pragma once

namespace pickerkey {
inline constexpr int kPageUp = 33;
inline constexpr int kPageDown = 34;
inline constexpr int kEnd = 35;
inline constexpr int kHome = 36;
inline constexpr int kLeft = 37;
inline constexpr int kUp = 38;
inline constexpr int kRight = 39;
inline constexpr int kDown = 40;
}  // namespace pickerkey
