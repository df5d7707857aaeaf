#include <gtest/gtest.h>

#include <array>
#include <memory>

#include "ReportBytes.h"
#include "data/ProfileDefaults.h"
#include "device/ButtonReport.h"

namespace {

tagBUTTON Button(std::uint8_t type, std::uint8_t modifiers = 0, std::uint16_t keyCode = 0) {
    tagBUTTON b{};
    b.type = type;
    b.modifiers = modifiers;
    b.keyCode = keyCode;
    return b;
}

TEST(ButtonReport, EntryPerType) {
    const struct {
        tagBUTTON button;
        const char* entry;
    } rows[] = {
        {Button(17, 0x05, 0x004C), "11 05 4C"},  // Ctrl+Alt+Delete
        {Button(17, 0x0F, 0x1204), "11 0F 04"},  // only the key code's low byte
        {Button(119), "11 01 06"},
        {Button(116), "11 04 2B"},
        {Button(117), "11 04 3D"},
        {Button(114), "11 08 07"},
        {Button(121), "11 08 0F"},
        {Button(50), "11 08 15"},
        {Button(59), "11 01 11"},
        {Button(118), "11 01 1B"},
        {Button(120), "11 01 19"},
        {Button(60), "11 01 16"},
        {Button(62), "11 01 13"},
        {Button(58), "11 01 09"},
        {Button(61), "11 01 04"},
        {Button(7), "07 00 0A"},
        {Button(8), "08 00 0A"},
        // Parameters of other types stay in the record but never reach the device.
        {Button(18, 0x05, 0x004C), "12 00 00"},
        {Button(119, 0x02, 0x0033), "11 01 06"},
        {Button(19), "13 00 00"},
        {Button(2), "02 00 00"},
        {Button(0), "00 00 00"},
        {Button(255), "FF 00 00"},
    };
    for (const auto& row : rows) {
        const ButtonEntry e = EncodeButtonEntry(row.button);
        EXPECT_BYTES(e, row.entry) << "type " << int(row.button.type);
    }
}

TEST(ButtonReport, DefaultProfileBytes) {
    auto p = std::make_unique<tagPROFILE>();
    FillProfileDefaults(*p, 0, u"P");
    std::array<std::uint8_t, kButtonReportLength> r;
    r.fill(0xEE);
    BuildButtonReport(*p, r);
    EXPECT_BYTES(std::span(r).first(38),
                 "08 4C  02 00 00  03 00 00  04 00 00  06 00 00  05 00 00  0F 00 00"
                 "  0E 00 00  01 00 00  01 00 00  01 00 00  09 00 00  0A 00 00");
    EXPECT_EQ(ToHex(std::span(r).subspan(38)), ToHex(std::vector<std::uint8_t>(38, 0)));
}

// Entries follow the records' positions; the index byte a mirror leaves behind is not used.
TEST(ButtonReport, EntriesInRecordOrder) {
    auto p = std::make_unique<tagPROFILE>();
    FillProfileDefaults(*p, 0, u"P");
    std::swap(p->buttons[0], p->buttons[11]);
    p->buttons[5] = Button(17, 0x02, 0x0004);
    p->buttons[5].index = 9;
    std::array<std::uint8_t, kButtonReportLength> r;
    BuildButtonReport(*p, r);
    EXPECT_BYTES(std::span(r).subspan(2, 3), "0A 00 00");
    EXPECT_BYTES(std::span(r).subspan(2 + 3 * 5, 3), "11 02 04");
    EXPECT_BYTES(std::span(r).subspan(2 + 3 * 11, 3), "02 00 00");
}

}  // namespace
