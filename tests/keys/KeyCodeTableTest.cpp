#include <gtest/gtest.h>

#include <set>

#include "keys/KeyCodeTable.h"

namespace {

TEST(KeyCodeTable, OnlyTheMainBlockCarriesScanCodes) {
    for (std::size_t i = 0; i < KeyCodeTable.size(); ++i) {
        SCOPED_TRACE(i + 1);
        EXPECT_EQ(KeyCodeTable[i].scanCode != 0, i < 65);
    }
}

TEST(KeyCodeTable, DeviceCodesAndScanCodesAreUnique) {
    std::set<std::int32_t> codes;
    std::set<std::int32_t> scans;
    for (const KeyCodeRow& row : KeyCodeTable) {
        EXPECT_TRUE(codes.insert(row.deviceCode).second) << row.deviceCode;
        if (row.scanCode != 0) {
            EXPECT_TRUE(scans.insert(row.scanCode).second) << row.scanCode;
        }
    }
}

// Rows the conversions depend on, by their 1-based row number.
TEST(KeyCodeTable, RowsStandWhereTheConversionsExpectThem) {
    struct Case {
        std::size_t row;
        KeyCodeRow expected;
    };
    const Case cases[] = {
        {1, {0x41, 0x04, 0x1E}},  {17, {0x51, 0x14, 0x10}}, {26, {0x5A, 0x1D, 0x2C}},
        {27, {0x31, 0x1E, 0x02}}, {36, {0x30, 0x27, 0x0B}}, {37, {0x0D, 0x28, 0x1C}},
        {47, {0xBA, 0x33, 0x27}}, {53, {0x14, 0x39, 0x3A}}, {54, {0x70, 0x3A, 0x3B}},
        {64, {0x7A, 0x44, 0x57}}, {65, {0x7B, 0x45, 0x58}}, {66, {0x2C, 0x46, 0}},
        {84, {0x6C, 0x58, 0}},    {90, {0x67, 0x5F, 0}},    {91, {0x66, 0x5E, 0}},
        {94, {0x60, 0x62, 0}},    {98, {0xA2, 0xE0, 0}},    {105, {0x5C, 0xE7, 0}},
        {106, {0x801, 0xAC, 0}},  {107, {0xA6, 0x70, 0}},   {124, {0xB7, 0x81, 0}},
        {127, {0xF2, 0x88, 0}},   {130, {0xF5, 0xED, 0}},   {131, {0xF1, 0xF1, 0}},
        {135, {0xF5, 0xF5, 0}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.row);
        const KeyCodeRow& row = KeyCodeTable[c.row - 1];
        EXPECT_EQ(row.virtualKey, c.expected.virtualKey);
        EXPECT_EQ(row.deviceCode, c.expected.deviceCode);
        EXPECT_EQ(row.scanCode, c.expected.scanCode);
    }
}

TEST(KeyCodeTable, SearchesFindTheFirstRow) {
    // 0xF2 stands in rows 127 and 132.
    EXPECT_EQ(FindRowByVirtualKey(0xF2), &KeyCodeTable[126]);
    EXPECT_EQ(FindRowByDeviceCode(0xF2), &KeyCodeTable[131]);
    EXPECT_EQ(FindRowByScanCode(0x10), &KeyCodeTable[16]);
    EXPECT_EQ(FindRowByVirtualKey(0x32 + 0x100), nullptr);
    EXPECT_EQ(FindRowByDeviceCode(0x32), nullptr);
    EXPECT_EQ(FindRowByDeviceCode(0x66), nullptr);
}

}  // namespace
