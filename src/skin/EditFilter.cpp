#include "skin/EditFilter.h"

namespace {
bool IsDigit(char16_t c) {
    return c >= u'0' && c <= u'9';
}
bool KeptByDecimal(char16_t c) {
    return IsDigit(c) || c == u'.' || c == u',';
}
bool KeptByHex(char16_t c) {
    return IsDigit(c) || (c >= u'A' && c <= u'F');
}
}  // namespace

std::u16string FilterEditText(std::u16string_view text, bool decimal, bool hex) {
    std::u16string out;
    out.reserve(text.size());
    for (char16_t c : text) {
        if ((decimal && !KeptByDecimal(c)) || (hex && !KeptByHex(c))) {
            continue;
        }
        out.push_back(c);
    }
    return out;
}
