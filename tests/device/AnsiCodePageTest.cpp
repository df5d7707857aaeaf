#include <gtest/gtest.h>

#include <string>

#include "ReportBytes.h"
#include "device/AnsiCodePage.h"

namespace {

std::string Converted(std::u16string_view text) {
    const std::string s = ToWindows1252(text);
    return ToHex(std::span(reinterpret_cast<const std::uint8_t*>(s.data()), s.size()));
}

TEST(AnsiCodePage, Windows1252) {
    const struct {
        std::u16string text;
        const char* bytes;
    } rows[] = {
        {u"Macro 1_Copy", "4D 61 63 72 6F 20 31 5F 43 6F 70 79"},
        {u"\u00A0\u00E9\u00FF", "A0 E9 FF"},                    // Latin-1 maps to itself
        {u"\u20AC\u201A\u0178\u017E\u2122", "80 82 9F 9E 99"},  // the 0x80..0x9F block
        {u"\u0081\u008D\u008F\u0090\u009D", "81 8D 8F 90 9D"},  // its unassigned bytes
        {u"\u0080\u0100\u65E5\u672C", "3F 3F 3F 3F"},           // not in the code page
        {u"a\U0001F600b", "61 3F 62"},                          // one '?' per code point
        {u"\xD800x\xDC00", "3F 78 3F"},                         // unpaired surrogates
    };
    for (const auto& row : rows) {
        EXPECT_EQ(Converted(row.text), ToHex(Hex(row.bytes)));
    }
}

TEST(AnsiCodePage, CombiningMarksComposeWhereTheCodePageHoldsTheLetter) {
    const struct {
        std::u16string text;
        const char* bytes;
    } rows[] = {
        {u"Cafe\u0301", "43 61 66 E9"},
        {u"A\u0300a\u030Ac\u0327N\u0303Y\u0308s\u030C", "C0 E5 E7 D1 9F 9A"},
        {u"x\u0301", "78 3F"},        // no composed letter: the mark alone cannot be held
        {u"\u0301e", "3F 65"},        // a mark without a base
        {u"e\u0301\u0301", "E9 3F"},  // one mark per letter
    };
    for (const auto& row : rows) {
        EXPECT_EQ(Converted(row.text), ToHex(Hex(row.bytes)));
    }
}

}  // namespace
