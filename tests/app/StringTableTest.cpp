#include <gtest/gtest.h>

#include <cstdlib>
#include <fstream>
#include <map>
#include <string>

#include "common/StringTable.h"
#include "common/Utf.h"

namespace {

TEST(StringTable, ParsesEntriesEscapesAndComments) {
    StringTable t;
    t.Parse(
        "# comment\n\n5\tApply\r\n49\tProfile \n7\tline\\none\\ttab\\\\\n"
        "bad line\n12x\tno\n1002\tFen\xC3\xAAtre \xF0\x9F\x8E\xAE\n");
    EXPECT_EQ(t.Get(5), u"Apply");
    EXPECT_EQ(t.Get(49), u"Profile ");  // trailing blanks are part of the text
    EXPECT_EQ(t.Get(7), u"line\none\ttab\\");
    EXPECT_EQ(t.Get(1002), u"Fen\u00EAtre \U0001F3AE");
    EXPECT_EQ(t.Get(12), u"");
    EXPECT_EQ(t.Get(999), u"");
    EXPECT_EQ(t.Count(), 4u);
}

TEST(StringTable, TextsAreCutToTheCallersBuffer) {
    StringTable t;
    t.Parse("1\t" + std::string(300, 'a') + "\n");
    EXPECT_EQ(t.Get(1).size(), 259u);
    EXPECT_EQ(t.Get(1, StringTable::kWarningBufferUnits).size(), 300u);
}

TEST(StringTable, MissingFileLeavesEveryTextEmpty) {
    StringTable t;
    EXPECT_FALSE(t.Load("/nonexistent/strings.txt"));
    EXPECT_EQ(t.Get(49), u"");
}

// The shipped table carries the texts the program builds names and warnings from.
TEST(StringTable, ShippedTableHasTheTextsTheProgramNeeds) {
    StringTable t;
    ASSERT_TRUE(t.Load(CORVANE_STRING_TABLE));
    EXPECT_EQ(t.Get(49), u"Profile ");
    EXPECT_EQ(t.Get(19), u"Macro ");
    for (int n : {1,  2,  3,   4,   5,    6,    7,    23,   24,   25,   48,   59,
                  60, 61, 100, 103, 1002, 1003, 1004, 2001, 2002, 2003, 2005, 2006}) {
        EXPECT_FALSE(t.Get(n).empty()) << n;
    }
}

// Each page and subsystem adds its own numbers; one number given twice would show the later
// text in both places.
TEST(StringTable, ShippedTableGivesEveryNumberOnce) {
    std::ifstream in(CORVANE_STRING_TABLE);
    ASSERT_TRUE(in);
    std::map<long, int> firstLine;
    std::string line;
    for (int n = 1; std::getline(in, line); ++n) {
        const std::size_t tab = line.find('\t');
        if (line.empty() || line[0] == '#' || tab == std::string::npos) {
            continue;
        }
        const long number = std::strtol(line.substr(0, tab).c_str(), nullptr, 10);
        const auto [at, fresh] = firstLine.emplace(number, n);
        EXPECT_TRUE(fresh) << "text " << number << " on lines " << at->second << " and " << n;
    }
}

TEST(Utf, RoundTripAndInvalidInput) {
    const std::u16string text = u"A\u00E9\u20AC\U0001F600";
    EXPECT_EQ(Utf8ToUtf16(Utf16ToUtf8(text)), text);
    EXPECT_EQ(Utf8ToUtf16("\xC3"), u"\uFFFD");            // cut sequence
    EXPECT_EQ(Utf8ToUtf16("\xC0\xAF"), u"\uFFFD\uFFFD");  // overlong
    EXPECT_EQ(Utf16ToUtf8(u"\xD800"), "\xEF\xBF\xBD");    // lone surrogate
}

}  // namespace
