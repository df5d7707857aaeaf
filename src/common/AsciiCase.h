// Names that ignore case the way the stored files expect: A-Z only, whatever else the text holds.
#pragma once

#include <string_view>

template <class Char>
constexpr Char FoldAscii(Char c) {
    return (c >= Char('a') && c <= Char('z')) ? Char(c - ('a' - 'A')) : c;
}

template <class Char>
constexpr bool SameIgnoringAsciiCase(std::basic_string_view<Char> a,
                                     std::basic_string_view<Char> b) {
    if (a.size() != b.size()) {
        return false;
    }
    for (std::size_t i = 0; i < a.size(); ++i) {
        if (FoldAscii(a[i]) != FoldAscii(b[i])) {
            return false;
        }
    }
    return true;
}
