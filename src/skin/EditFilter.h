// The character filters of the skinned edit box.
#pragma once

#include <string>
#include <string_view>

// Decimal keeps the digits, "." and ","; hex keeps the digits and "A" to "F" (capitals only,
// as the hex fields show capitals). With both, only digits are left. Order is kept.
std::u16string FilterEditText(std::u16string_view text, bool decimal, bool hex);
