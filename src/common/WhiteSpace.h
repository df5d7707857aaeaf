// White space as the C library's isspace() sees it in the "C" locale. The settings file, the
// layout files, skin entries and stored names all trim with this one set, so a value reads
// the same wherever it is parsed.
#pragma once

#include <string_view>

template <class Char>
constexpr bool IsWhiteSpace(Char c) {
    return c == Char(' ') || (c >= Char('\t') && c <= Char('\r'));
}

template <class Char>
constexpr std::basic_string_view<Char> TrimWhiteSpaceOf(std::basic_string_view<Char> s) {
    while (!s.empty() && IsWhiteSpace(s.front())) {
        s.remove_prefix(1);
    }
    while (!s.empty() && IsWhiteSpace(s.back())) {
        s.remove_suffix(1);
    }
    return s;
}

// Overloads rather than the template, so that strings and literals convert.
constexpr std::string_view TrimWhiteSpace(std::string_view s) {
    return TrimWhiteSpaceOf(s);
}
constexpr std::u16string_view TrimWhiteSpace(std::u16string_view s) {
    return TrimWhiteSpaceOf(s);
}
