#include <gtest/gtest.h>

#include "keys/BuiltInUsLayout.h"
#include "keys/KeyNames.h"

namespace {

class KeyNamesOnUs : public ::testing::Test {
protected:
    KeyNamesOnUs() {
        strings.Parse(
            "1110\tBild auf\n1111\tBild ab\n1112\tEnde\n1113\tPos1\n1114\tEinfg\n"
            "1115\tEntf\n1116\tStrg links\n1117\tStrg rechts\n1118\t\\\\\n");
    }
    BuiltInUsLayout us;
    StringTable strings;
};

TEST_F(KeyNamesOnUs, DeviceCodesOutsideTheLayoutRangeHaveFixedNames) {
    struct Case {
        std::uint32_t code;
        std::u16string_view name;
    };
    const Case cases[] = {
        {0x3A, u"F1"},
        {0x45, u"F12"},
        {0x46, u"Print Screen"},
        {0x48, u"Break"},
        {0x4F, u"Right Arrow"},
        {0x53, u"Num Lock"},
        {0x54, u"Num_/"},
        {0x58, u"Num_Enter"},
        {0x59, u"Num_1"},
        {0x61, u"Num_9"},
        {0x62, u"Num_0"},
        {0x63, u"Num_."},
        {0x64, u"\\"},
        {0x65, u"APP"},
        {0x82, u"Sleep"},
        {0x88, u"Kana/Roma"},
        {0xBA, u"Button 5"},
        {0xBB, u"Button 4"},
        {0xDC, u"\\"},
        {0xDD, u"]"},
        {0xE0, u"L_Ctrl"},
        {0xE3, u"L_Win"},
        {0xE4, u"R_Ctrl"},
        {0xE5, u"Right Shift"},
        {0xE7, u"Right Win"},
        {0xF1, u"L Button"},
        {0xF5, u"Forward Button"},
        {0x3B + 0x100, u""},
        {0x66, u""},
        {0xAC, u""},
        {0xF0, u""},
        {0xFF, u""},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(DeviceCodeName(c.code, us, strings), c.name) << std::hex << c.code;
    }
}

TEST_F(KeyNamesOnUs, LayoutCodesAreNamedThroughTheirVirtualKey) {
    EXPECT_EQ(DeviceCodeName(0x04, us, strings), u"A");
    EXPECT_EQ(DeviceCodeName(0x27, us, strings), u"0");
    EXPECT_EQ(DeviceCodeName(0x28, us, strings), u"Enter");
    EXPECT_EQ(DeviceCodeName(0x2A, us, strings), u"BackSpace");
    EXPECT_EQ(DeviceCodeName(0x2C, us, strings), u"Space");
    EXPECT_EQ(DeviceCodeName(0x31, us, strings), u"\\");
    EXPECT_EQ(DeviceCodeName(0x39, us, strings), u"Caps Lock");
    EXPECT_EQ(DeviceCodeName(0x32, us, strings), u"");  // no row
    // The OEM codes are named by their virtual key.
    EXPECT_EQ(DeviceCodeName(0xE8, us, strings), u"Caps Lock");
    EXPECT_EQ(DeviceCodeName(0xEB, us, strings), u"Full/Half Width");
    EXPECT_EQ(DeviceCodeName(0xEA, us, strings), u"");
}

TEST_F(KeyNamesOnUs, LongNamesAreFixedOrTheLayoutCharacter) {
    struct Case {
        std::uint32_t vk;
        std::u16string_view name;
    };
    const Case cases[] = {
        {0x08, u"BackSpace"},
        {0x0C, u"Clr"},
        {0x10, u"Shift"},
        {0x14, u"Caps Lock"},
        {0xF0, u"Caps Lock"},
        {0x2A, u"Print Screen"},
        {0x2C, u"Print Screen"},
        {0x5B, u"Left Windows Button"},
        {0x60, u"Num0"},
        {0x69, u"Num9"},
        {0x6C, u"NumRet"},
        {0x70, u"F1"},
        {0x7B, u"F12"},
        {0xA2, u"Left Ctrl"},
        {0xA5, u"Right Alt"},
        {0xF1, u"E9"},
        {0xF5, u"Full/HalfWidth"},
        {0x41, u"A"},
        {0x39, u"9"},
        {0xBA, u";"},
        {0xDE, u"'"},
        {0xE2, u"<"},
        {0x00, u""},
        {0x7C, u""},
        {0xA6, u""},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(VirtualKeyLongName(c.vk, us), c.name) << std::hex << c.vk;
    }
}

TEST_F(KeyNamesOnUs, ShortNamesAndTheTranslatedCaps) {
    struct Case {
        std::uint32_t vk;
        std::u16string_view name;
    };
    const Case cases[] = {
        {0x41, u"A"},          {0x5A, u"Z"},        {0x30, u"0"},          {0x39, u"9"},
        {0xA0, u"Left Shift"}, {0x14, u"CapsLock"}, {0x60, u"(0)"},        {0x69, u"(9)"},
        {0x6C, u"(Enter)"},    {0x6F, u"(/)"},      {0x70, u"F1"},         {0x7B, u"F12"},
        {0x90, u"Numlock"},    {0xC0, u"`"},        {0xDC, u"\\"},         {0x21, u"Bild auf"},
        {0x24, u"Pos1"},       {0x2E, u"Entf"},     {0xA2, u"Strg links"}, {0xA3, u"Strg rechts"},
        {0x00, u""},           {0x0C, u""},         {0x2A, u""},           {0xE2, u""},
        {0xF1, u""},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(VirtualKeyShortName(c.vk, strings), c.name) << std::hex << c.vk;
    }
}

TEST(KeyNames, MissingStringsGiveEmptyTexts) {
    const StringTable none;
    const BuiltInUsLayout us;
    EXPECT_EQ(VirtualKeyShortName(0x21, none), u"");
    EXPECT_EQ(VirtualKeyShortName(0xA3, none), u"");
    EXPECT_EQ(DeviceCodeName(0xDC, us, none), u"");
    EXPECT_EQ(VirtualKeyShortName(0x25, none), u"Left");
}

}  // namespace
