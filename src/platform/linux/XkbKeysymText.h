#pragma once

#include <cstdint>
#include <string>

// The text a keysym writes, as Windows' ToUnicode gives it for the same key: the character in
// UTF-16, control characters included, and the spacing accent for a dead key. Empty for a
// keysym without a character.
std::u16string KeysymText(std::uint32_t keysym);

// The one code point of the text, or 0 when it holds none or more than one.
char32_t SingleCharacter(const std::u16string& text);
