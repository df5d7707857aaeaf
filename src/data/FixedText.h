// Zero-terminated UTF-16 texts held in fixed arrays of the records.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

#include "common/Utf.h"

// The text ends at the first zero or at the end of the field, never beyond: a record read
// from a foreign file need not carry a terminator.
std::u16string ReadFixedText(const char16_t* field, std::size_t units);

// Stores at most units - 1 code units and a terminating zero; the rest of the field is
// zeroed. A surrogate pair is never split.
void WriteFixedText(char16_t* field, std::size_t units, std::u16string_view text);

std::u16string AsciiToU16(std::string_view ascii);
std::u16string DecimalU16(long long value);

template <std::size_t N>
std::u16string ReadFixedText(const char16_t (&field)[N]) {
    return ReadFixedText(field, N);
}
template <std::size_t N>
void WriteFixedText(char16_t (&field)[N], std::u16string_view text) {
    WriteFixedText(field, N, text);
}
