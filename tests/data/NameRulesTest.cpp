#include <gtest/gtest.h>

#include <set>

#include "data/NameRules.h"

namespace {

TEST(NameRules, Matching) {
    const struct {
        std::u16string stored, wanted;
        bool match;
    } cases[] = {
        {u"Gaming", u"gaming", true},
        {u"  GAMING\t", u"Gaming", true},     // stored names are trimmed
        {u"Gaming", u" Gaming", false},       // the wanted name is not
        {u"Gam\u00C9", u"gam\u00E9", false},  // only A-Z fold
        {u"", u"", true},
        {u"Gaming1", u"Gaming", false},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(NameMatches(c.stored, c.wanted), c.match);
    }
}

class NameSet {
public:
    explicit NameSet(std::set<std::u16string> names) : names_(std::move(names)) {}
    NameTaken Taken() const {
        return [this](std::u16string_view n) {
            for (const auto& s : names_) {
                if (NameMatches(s, n)) {
                    return true;
                }
            }
            return false;
        };
    }

private:
    std::set<std::u16string> names_;
};

TEST(NameRules, UniqueNameNumbersFromTheBase) {
    const NameSet names({u"Gaming", u"Gaming_Copy", u"gaming_1"});
    EXPECT_EQ(UniqueName(u"Work", u"Work", names.Taken(), 250), u"Work");
    EXPECT_EQ(UniqueName(u"Gaming_Copy", u"Gaming", names.Taken(), 250), u"Gaming_2");
}

TEST(NameRules, LongBaseIsCutAndStaysUnique) {
    const std::u16string longBase(60, u'x');
    const NameSet names({longBase, std::u16string(49, u'x') + u"_1"});
    const std::u16string name = UniqueName(longBase, longBase, names.Taken(), 250);
    EXPECT_EQ(name, std::u16string(49, u'x') + u"_2");
}

TEST(NameRules, ResultFitsTheField) {
    const std::u16string full(249, u'y');
    const NameSet names({full});
    // A copy name of 254 units is cut to 249, clashes, and falls back to the numbered base.
    const std::u16string name = UniqueName(full + u"_Copy", full, names.Taken(), 250);
    EXPECT_EQ(name, std::u16string(49, u'y') + u"_1");
    // A macro name field holds 29 units, counter included.
    const std::u16string macroName =
        UniqueName(u"Macro", std::u16string(40, u'm'), NameSet({u"Macro"}).Taken(), 30);
    EXPECT_EQ(macroName, std::u16string(27, u'm') + u"_1");
}

}  // namespace
