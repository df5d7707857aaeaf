#include <gtest/gtest.h>

#include "skin/EditFilter.h"

namespace {

TEST(FilterEditText, KeepsOnlyWhatEachFilterAllowsInOrder) {
    struct Row {
        std::u16string in;
        bool decimal, hex;
        std::u16string out;
    };
    for (const Row& r : {
             Row{u"12A", true, false, u"12"},
             Row{u"1.5,2x", true, false, u"1.5,2"},
             Row{u"1.5", false, true, u"15"},
             Row{u"0aFfG9", false, true, u"0F9"},
             Row{u"1.A,2", true, true, u"12"},
             Row{u"any text", false, false, u"any text"},
             Row{u"", true, true, u""},
         }) {
        EXPECT_EQ(FilterEditText(r.in, r.decimal, r.hex), r.out);
    }
}

}  // namespace
