#include <gtest/gtest.h>

#include "keys/KeyCase.h"

namespace {

TEST(KeyCase, UpperCasesTheLettersLayoutsWrite) {
    struct Case {
        char16_t in;
        char16_t out;
    };
    const Case cases[] = {
        {u'a', u'A'},     {u'z', u'Z'},     {u'1', u'1'}, {u';', u';'}, {0x00E9, 0x00C9},  // é
        {0x00E7, 0x00C7},                                                                  // ç
        {0x00F9, 0x00D9},                                                                  // ù
        {0x00FE, 0x00DE},                                                                  // þ
        {0x00F7, 0x00F7},                    // ÷ is no letter
        {0x00DF, 0x00DF},                    // ß has no one-letter capital
        {0x00B5, 0x00B5},                    // µ
        {0x00FF, 0x0178},                    // ÿ
        {0x0105, 0x0104},                    // ą
        {0x0104, 0x0104}, {0x013A, 0x0139},  // ĺ, where the pairs turn round
        {0x0142, 0x0141},                    // ł
        {0x015F, 0x015E},                    // ş
        {0x0131, u'I'},                      // dotless i
        {0x0130, 0x0130},                    // İ
        {0x017E, 0x017D},                    // ž
        {0x0219, 0x0218},                    // ș
        {0x03B1, 0x0391},                    // α
        {0x03C2, 0x03A3},                    // ς
        {0x03AC, 0x0386},                    // ά
        {0x03CE, 0x038F},                    // ώ
        {0x0436, 0x0416},                    // ж
        {0x0451, 0x0401},                    // ё
        {0x0491, 0x0490},                    // ґ
        {0x04E9, 0x04E8},                    // ө
        {0x0561, 0x0531},                    // Armenian ayb
        {0x1EA1, 0x1EA0},                    // ạ
        {0x3042, 0x3042},                    // kana stay
    };
    for (const Case& c : cases) {
        EXPECT_EQ(static_cast<int>(UpperCaseKeyChar(c.in)), static_cast<int>(c.out))
            << std::hex << static_cast<int>(c.in);
    }
}

TEST(KeyCase, TextIsUpperCasedWholeAndSurrogatesKept) {
    EXPECT_EQ(UpperCaseKeyText(u"\u00e9a"), u"\u00c9A");
    EXPECT_EQ(UpperCaseKeyText(u"\U0001F3AE"), u"\U0001F3AE");
    EXPECT_EQ(UpperCaseKeyText(u""), u"");
}

}  // namespace
