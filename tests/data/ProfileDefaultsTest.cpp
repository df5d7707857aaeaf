#include <gtest/gtest.h>

#include <cstring>
#include <memory>

#include "data/FixedText.h"
#include "data/ProfileDefaults.h"

namespace {

std::int32_t Int32At(const void* base, std::size_t offset) {
    std::int32_t v;
    std::memcpy(&v, static_cast<const std::byte*>(base) + offset, 4);
    return v;
}

TEST(ProfileDefaults, NameIsPrefixAndOneBasedNumber) {
    auto p = std::make_unique<tagPROFILE>();
    FillProfileDefaults(*p, 0, u"Profile ");
    EXPECT_EQ(ReadFixedText(p->name), u"Profile 1");
    FillProfileDefaults(*p, 9, u"Profile ");
    EXPECT_EQ(ReadFixedText(p->name), u"Profile 10");
}

// The values are checked at their file offsets, so a misplaced field fails too.
TEST(ProfileDefaults, HeaderFieldsAtTheirOffsets) {
    auto p = std::make_unique<tagPROFILE>();
    FillProfileDefaults(*p, 0, u"P");
    const struct {
        std::size_t offset;
        std::int32_t value;
    } expected[] = {
        {2500, 10},       {2504, 10},       {2508, 7},     {2512, 6},   {2524, 255}, {2528, 0},
        {2532, 8},        {2536, 1},        {2540, 2},     {2544, 500}, {2548, 3},   {2552, 0},
        {2556, 10},       {2560, 0},        {2564, 0},     {2568, 0},   {2572, 10},  {2576, 20},
        {2580, 40},       {2584, 80},       {2588, 160},   {2592, 10},  {2596, 20},  {2600, 40},
        {2604, 80},       {2608, 160},      {2612, 1},     {2616, 1},   {2632, 255}, {2636, 65280},
        {2640, 16711680}, {2644, 16711935}, {2648, 65535},
    };
    for (const auto& e : expected) {
        EXPECT_EQ(Int32At(p.get(), e.offset), e.value) << "offset " << e.offset;
    }
    const auto* bytes = reinterpret_cast<const std::uint8_t*>(p.get());
    const std::uint8_t enabledAndExtra[] = {1, 1, 1, 1, 1, 0x0F, 0x10, 0x11, 0x13, 0x14};
    EXPECT_EQ(std::memcmp(bytes + 2620, enabledAndExtra, 10), 0);
}

TEST(ProfileDefaults, ReservedFieldsKeepTheirBytes) {
    auto p = std::make_unique<tagPROFILE>();
    p->reserved2516 = 0x11111111;
    p->reserved2520 = 0x22222222;
    p->reserved2630[0] = 0x33;
    p->reserved2630[1] = 0x44;
    p->reservedText[0] = u'x';
    FillProfileDefaults(*p, 0, u"P");
    EXPECT_EQ(p->reserved2516, 0x11111111);
    EXPECT_EQ(p->reserved2520, 0x22222222);
    EXPECT_EQ(p->reserved2630[0], 0x33);
    EXPECT_EQ(p->reserved2630[1], 0x44);
    EXPECT_EQ(p->reservedText[0], u'\0');
}

TEST(ProfileDefaults, ButtonsAreDefaultAndOtherwiseZero) {
    auto p = std::make_unique<tagPROFILE>();
    std::memset(p->buttons, 0xAB, sizeof p->buttons);  // the fill must clear old contents
    FillProfileDefaults(*p, 0, u"P");
    const std::uint8_t types[] = {2, 3, 4, 6, 5, 15, 14, 1, 1, 1, 9, 10};
    for (int i = 0; i < kButtonCount; ++i) {
        tagBUTTON expected{};
        expected.index = static_cast<std::uint8_t>(i);
        expected.type = types[i];
        expected.macroIndex = -1;
        EXPECT_EQ(std::memcmp(&p->buttons[i], &expected, sizeof expected), 0) << "button " << i;
    }
}

TEST(ProfileDefaults, ResetStateLeavesFlagsAndChangeMarks) {
    auto b = std::make_unique<tagSTATEBLOCK>();
    for (auto& c : b->buttonChanged) {
        c = 1;
    }
    b->currentSlot = 2;
    b->lightingChanged = 1;
    ResetStateDefaults(*b, u"Profile ");
    EXPECT_EQ(b->currentSlot, 0);
    for (int k = 0; k < kStateProfileCount; ++k) {
        EXPECT_EQ(b->slotProfile[k], k);
        EXPECT_EQ(ReadFixedText(b->profiles[k].name), u"Profile " + DecimalU16(k + 1));
    }
    for (const auto c : b->buttonChanged) {
        EXPECT_EQ(c, 1);
    }
    EXPECT_EQ(b->lightingChanged, 1);
    EXPECT_EQ(b->sensitivityChanged, 0);
}

TEST(ProfileDefaults, OnlyOneMeansLevelEnabled) {
    auto p = std::make_unique<tagPROFILE>();
    FillProfileDefaults(*p, 0, u"P");
    p->levelEnabled[2] = 2;
    p->levelEnabled[3] = 0;
    EXPECT_TRUE(LevelEnabled(*p, 1));
    EXPECT_FALSE(LevelEnabled(*p, 2));
    EXPECT_FALSE(LevelEnabled(*p, 3));
}

TEST(FixedText, ReadingStopsAtTheFieldEnd) {
    char16_t field[4] = {u'a', u'b', u'c', u'd'};  // no terminator, as in a foreign file
    EXPECT_EQ(ReadFixedText(field), u"abcd");
    field[1] = u'\0';
    EXPECT_EQ(ReadFixedText(field), u"a");
}

TEST(FixedText, WritingKeepsTheTerminatorAndSurrogatePairs) {
    char16_t field[4];
    WriteFixedText(field, u"abcdef");
    EXPECT_EQ(ReadFixedText(field), u"abc");
    EXPECT_EQ(field[3], u'\0');
    WriteFixedText(field, u"ab\U0001F600");  // the pair would straddle the end
    EXPECT_EQ(ReadFixedText(field), u"ab");
}

}  // namespace
