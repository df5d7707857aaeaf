#include "data/FixedText.h"

#include <algorithm>
#include <cstring>

std::u16string ReadFixedText(const char16_t* field, std::size_t units) {
    const char16_t* end = std::find(field, field + units, u'\0');
    return std::u16string(field, end);
}

void WriteFixedText(char16_t* field, std::size_t units, std::u16string_view text) {
    if (units == 0) {
        return;
    }
    const std::u16string_view kept = CutUnits(text, units - 1);
    std::fill(field, field + units, u'\0');
    std::copy(kept.begin(), kept.end(), field);
}

std::u16string AsciiToU16(std::string_view ascii) {
    return std::u16string(ascii.begin(), ascii.end());
}

std::u16string DecimalU16(long long value) {
    return AsciiToU16(std::to_string(value));
}
