// Messages of the skin toolkit that have no fixed number in the shared table.
#pragma once

#include <cstdint>

namespace msg {
// "BitmapEdit_KillFocus": a skinned edit's text changed (despite the name). A name registered
// once per session stands behind it elsewhere; here it is one fixed number in the user range,
// above every numbered message, as registered numbers are.
inline constexpr std::uint32_t kBitmapEditChanged = 0xC001;
}  // namespace msg
