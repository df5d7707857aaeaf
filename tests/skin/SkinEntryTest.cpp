#include <gtest/gtest.h>

#include "skin/SkinEntry.h"

namespace {

struct EntryCase {
    const char* label;
    std::u16string value;
    std::u16string name;
    int left, top, right, bottom;
    std::u16string text;
};

class ParseSkinEntryTest : public testing::TestWithParam<EntryCase> {};

TEST_P(ParseSkinEntryTest, GivesNameRectangleAndText) {
    const EntryCase& c = GetParam();
    const SkinEntry e = ParseSkinEntry(c.value);
    EXPECT_EQ(e.name, c.name);
    EXPECT_EQ(e.left, c.left);
    EXPECT_EQ(e.top, c.top);
    EXPECT_EQ(e.right, c.right);
    EXPECT_EQ(e.bottom, c.bottom);
    EXPECT_EQ(e.text, c.text);
}

INSTANTIATE_TEST_SUITE_P(
    Values, ParseSkinEntryTest,
    testing::Values(EntryCase{"blanks", u"OK, 10, 20, 80, 24, Close window  ", u"OK", 10, 20, 90,
                              44, u"Close window"},
                    // Without a text field the height digits are the text.
                    EntryCase{"no_text", u"name,5,6,7,8", u"name", 5, 6, 12, 14, u"8"},
                    EntryCase{"empty", u"", u"", 0, 0, 0, 0, u""},
                    // Reading stops at the first field that is not a number; the rest stays 0.
                    EntryCase{"partial", u"btn,3,x,9,9,Tip", u"btn", 3, 0, 3, 0, u"Tip"},
                    EntryCase{"no_comma", u"12", u"", 12, 0, 12, 0, u"12"},
                    EntryCase{"negative", u"a,-4,-2,10,5,t", u"a", -4, -2, 6, 3, u"t"},
                    // A width beyond the int range must not wrap the right edge below the left.
                    EntryCase{"huge", u"a,10,0,99999999999,1,t", u"a", 10, 0, 2147483647, 1, u"t"}),
    [](const testing::TestParamInfo<EntryCase>& info) { return info.param.label; });

TEST(ParseSkinEntry, CutsOverlongNameAndTextToTheirFields) {
    const std::u16string name(60, u'n');
    const std::u16string text(500, u't');
    const SkinEntry e = ParseSkinEntry(name + u",1,2,3,4," + text);
    EXPECT_EQ(e.name, std::u16string(SkinEntry::kNameUnits, u'n'));
    EXPECT_EQ(e.text, std::u16string(SkinEntry::kTextUnits, u't'));
    EXPECT_EQ(e.right, 4);
}

}  // namespace
