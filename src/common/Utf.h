#pragma once

#include <cstddef>
#include <string>
#include <string_view>

// Invalid sequences become U+FFFD rather than being dropped silently.
std::u16string Utf8ToUtf16(std::string_view utf8);
std::string Utf16ToUtf8(std::u16string_view utf16);

// Cuts to at most maxUnits code units without splitting a surrogate pair.
std::u16string_view CutUnits(std::u16string_view text, std::size_t maxUnits);
