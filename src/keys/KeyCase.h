#pragma once

#include <string>
#include <string_view>

// Upper case for the characters keyboard layouts write on their keys, independent of the
// process locale: ASCII, Latin-1, Latin Extended-A, the Romanian commas, Latin Extended
// Additional (Vietnamese), Greek, Cyrillic and Armenian. Characters without a single upper
// case form (ß) and everything outside these blocks stay as they are.
char16_t UpperCaseKeyChar(char16_t c);
std::u16string UpperCaseKeyText(std::u16string_view text);
