// Windows-1252, the ANSI code page of the macro report's name field. The device shows what it
// gets byte for byte, so the conversion must not depend on the machine's locale.
#pragma once

#include <string>
#include <string_view>

// One byte per character; a base letter followed by a combining mark is composed where
// Windows-1252 holds the composed letter. Every code point the code page cannot hold, and
// every unpaired surrogate, becomes '?'.
std::string ToWindows1252(std::u16string_view text);
