#include "device/AnsiCodePage.h"

#include <cstdint>
#include <optional>

namespace {

// Bytes 0x80..0x9F. The five bytes the code page leaves unassigned stand for the C1 controls
// of the same value, as Windows converts them.
constexpr char16_t kHighBlock[32] = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178,
};

// Base letter + combining mark -> composed letter, for the composed letters the code page
// holds.
struct Composition {
    char16_t mark;
    const char16_t* bases;
    const char16_t* composed;
};
constexpr Composition kCompositions[] = {
    {0x0300, u"AEIOUaeiou", u"\u00C0\u00C8\u00CC\u00D2\u00D9\u00E0\u00E8\u00EC\u00F2\u00F9"},
    {0x0301, u"AEIOUYaeiouy",
     u"\u00C1\u00C9\u00CD\u00D3\u00DA\u00DD\u00E1\u00E9\u00ED\u00F3\u00FA\u00FD"},
    {0x0302, u"AEIOUaeiou", u"\u00C2\u00CA\u00CE\u00D4\u00DB\u00E2\u00EA\u00EE\u00F4\u00FB"},
    {0x0303, u"ANOano", u"\u00C3\u00D1\u00D5\u00E3\u00F1\u00F5"},
    {0x0308, u"AEIOUYaeiouy",
     u"\u00C4\u00CB\u00CF\u00D6\u00DC\u0178\u00E4\u00EB\u00EF\u00F6\u00FC\u00FF"},
    {0x030A, u"Aa", u"\u00C5\u00E5"},
    {0x030C, u"SZsz", u"\u0160\u017D\u0161\u017E"},
    {0x0327, u"Cc", u"\u00C7\u00E7"},
};

constexpr bool SameLengths(const char16_t* a, const char16_t* b) {
    for (; *a != 0 && *b != 0; ++a, ++b) {
    }
    return *a == *b;
}
constexpr bool CompositionsLineUp() {
    for (const Composition& c : kCompositions) {
        if (!SameLengths(c.bases, c.composed)) {
            return false;
        }
    }
    return true;
}
static_assert(CompositionsLineUp(), "every base letter needs its composed letter");

std::optional<char16_t> Compose(char16_t base, char16_t mark) {
    for (const Composition& c : kCompositions) {
        if (c.mark != mark) {
            continue;
        }
        for (int i = 0; c.bases[i] != 0; ++i) {
            if (c.bases[i] == base) {
                return c.composed[i];
            }
        }
    }
    return std::nullopt;
}

char ToByte(char32_t cp) {
    if (cp < 0x80 || (cp >= 0xA0 && cp <= 0xFF)) {
        return static_cast<char>(cp);
    }
    for (int i = 0; i < 32; ++i) {
        if (kHighBlock[i] == cp) {
            return static_cast<char>(0x80 + i);
        }
    }
    return '?';
}

bool IsHighSurrogate(char16_t u) {
    return u >= 0xD800 && u <= 0xDBFF;
}
bool IsLowSurrogate(char16_t u) {
    return u >= 0xDC00 && u <= 0xDFFF;
}

}  // namespace

std::string ToWindows1252(std::u16string_view text) {
    std::string out;
    out.reserve(text.size());
    for (std::size_t i = 0; i < text.size(); ++i) {
        const char16_t u = text[i];
        if (IsHighSurrogate(u) && i + 1 < text.size() && IsLowSurrogate(text[i + 1])) {
            out += '?';  // no code point beyond the BMP is in the code page
            ++i;
            continue;
        }
        if (IsHighSurrogate(u) || IsLowSurrogate(u)) {
            out += '?';
            continue;
        }
        if (i + 1 < text.size()) {
            if (const auto composed = Compose(u, text[i + 1])) {
                out += ToByte(*composed);
                ++i;
                continue;
            }
        }
        out += ToByte(u);
    }
    return out;
}
