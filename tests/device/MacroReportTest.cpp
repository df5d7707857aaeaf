#include <gtest/gtest.h>

#include <array>
#include <cstring>
#include <initializer_list>
#include <string>

#include "ReportBytes.h"
#include "data/FixedText.h"
#include "device/MacroReport.h"

namespace {

constexpr std::uint8_t kA = 0x04;  // device key code of A
constexpr std::uint8_t kPress = 1;
constexpr std::uint8_t kRelease = 2;

MacroEvent Ev(std::uint8_t code, std::uint8_t action, std::uint16_t delay) {
    return {code, action, delay};
}
MacroEvent Delay(std::uint16_t ms) {
    return {kMacroDelayCode, 0, ms};
}

tagBUTTON MacroButton(std::initializer_list<MacroEvent> events, std::u16string_view name = u"M") {
    tagBUTTON b{};
    b.type = 18;
    b.macroIndex = -1;
    WriteFixedText(b.macroName, name);
    for (const MacroEvent& e : events) {
        b.macroEvents[b.macroEventCount++] = e;
    }
    return b;
}

struct Report {
    std::array<std::uint8_t, kMacroReportLength> bytes;
    MacroEntrySummary summary;

    std::span<const std::uint8_t> Entries(std::size_t n) const {
        return std::span(bytes).subspan(kMacroEntryOffset, n);
    }
    std::uint8_t Units() const { return bytes[kMacroUnitCountOffset]; }
};

Report Build(const tagBUTTON& b, int position = 0) {
    Report r;
    r.bytes.fill(0xEE);
    r.summary = BuildMacroReport(b, position, r.bytes);
    return r;
}

TEST(MacroReport, FoldExampleWholeReport) {
    const auto r =
        Build(MacroButton({Ev(kA, kPress, 10), Delay(300), Ev(kA, kRelease, 0)}, u"Macro1"), 3);
    std::string expected =
        "09 82 04 00 01  4D 61 63 72 6F 31 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00"
        "  03  01 04 06 01  81 04";
    for (int i = 36; i < 130; ++i) {
        expected += " 00";
    }
    EXPECT_BYTES(r.bytes, expected);
    EXPECT_EQ(r.summary.entriesSent, 2u);
    EXPECT_EQ(r.summary.longEntries, 1u);
}

TEST(MacroReport, FoldJoinsDelaysToTheEntryBefore) {
    const MacroEvent events[] = {Delay(7),   Delay(8),  Ev(kA, kPress, 10),
                                 Delay(20),  Delay(30), Ev(kA, kRelease, 65000),
                                 Delay(1000)};
    const auto out = FoldDelays(events);
    ASSERT_EQ(out.size(), 3u);
    EXPECT_EQ(out[0].code, kMacroDelayCode);  // a leading delay stays and takes the next one
    EXPECT_EQ(out[0].delay, 15);
    EXPECT_EQ(out[1].delay, 60);
    EXPECT_EQ(out[1].action, kPress);
    // Sums stop at the largest delay instead of wrapping to a short one.
    EXPECT_EQ(out[2].delay, 65535);
}

TEST(MacroReport, EntryFormsByDelay) {
    const struct {
        MacroEvent event;
        const char* bytes;
    } rows[] = {
        {Ev(kA, kPress, 0), "01 04"},
        {Ev(kA, kPress, 2), "01 04"},
        {Ev(kA, kPress, 3), "01 04"},
        {Ev(kA, kPress, 4), "03 04"},
        {Ev(kA, kPress, 100), "33 04"},
        {Ev(kA, kPress, 255), "7F 04"},
        {Ev(kA, kRelease, 2), "81 04"},
        {Ev(kA, kRelease, 255), "FF 04"},
        {Ev(0xF1, 0, 20), "8B F1"},  // anything but a press sets the release bit
        {Ev(kA, kPress, 256), "01 04 05 01"},
        {Ev(kA, kRelease, 256), "81 04 05 01"},
        {Ev(kA, kPress, 12799), "01 04 FF 01"},
        {Ev(kA, kPress, 12800), "01 04 80 02"},
        {Ev(kA, kPress, 25599), "01 04 FF 02"},
        {Ev(kA, kPress, 25600), "01 04 80 03"},
        {Ev(kA, kPress, 30000), "01 04 96 03"},
        {Ev(kA, kPress, 51199), "01 04 FF 03"},
        // Beyond the long form: the longest wait it holds, not the low byte of 256.
        {Ev(kA, kPress, 51200), "01 04 FF 03"},
        {Ev(kA, kPress, 65535), "01 04 FF 03"},
    };
    for (const auto& row : rows) {
        std::array<std::uint8_t, 4> out{};
        const std::size_t n = EncodeMacroEntry(row.event, out);
        EXPECT_BYTES(std::span(out).first(n), row.bytes) << "delay " << row.event.delay;
    }
}

TEST(MacroReport, EntryThatDoesNotFitIsNotWritten) {
    std::array<std::uint8_t, 3> out{0xEE, 0xEE, 0xEE};
    EXPECT_EQ(EncodeMacroEntry(Ev(kA, kPress, 300), out), 0u);
    EXPECT_BYTES(out, "EE EE EE");
    EXPECT_EQ(EncodeMacroEntry(Ev(kA, kPress, 3), std::span(out).first(1)), 0u);
}

TEST(MacroReport, LeadingDelayEntryIsSent) {
    const auto r = Build(MacroButton({Delay(100), Ev(kA, kPress, 0), Ev(kA, kRelease, 300)}));
    EXPECT_BYTES(r.Entries(10), "B3 FF  01 04  81 04 06 01  00 00");
    EXPECT_EQ(r.Units(), 4);
}

TEST(MacroReport, HeaderBytes) {
    const struct {
        int position;
        std::int32_t playbackMode, repeatCount;
        const char* bytes2to4;
    } rows[] = {
        {0, 0, 0, "01 00 01"},       {0, 1, 3, "01 01 03"}, {11, 2, 255, "0C 02 FF"},
        {5, 0, 256, "06 00 01"},  // the low byte is 0, which also means once
        {5, 0x102, 257, "06 02 01"},
    };
    for (const auto& row : rows) {
        tagBUTTON b = MacroButton({Ev(kA, kPress, 0)});
        b.playbackMode = row.playbackMode;
        b.repeatCount = row.repeatCount;
        const auto r = Build(b, row.position);
        EXPECT_BYTES(std::span(r.bytes).subspan(2, 3), row.bytes2to4);
    }
}

TEST(MacroReport, NameFieldInWindows1252) {
    const struct {
        std::u16string name;
        const char* field;
    } rows[] = {
        {u"", "00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00"},
        {u"Caf\u00E9 \u20AC",
         "43 61 66 E9 20 80 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00"},
        // 23 characters fit exactly with the terminator.
        {u"ABCDEFGHIJKLMNOPQRSTUVW",
         "41 42 43 44 45 46 47 48 49 4A 4B 4C 4D 4E 4F 50 51 52 53 54 55 56 57 00"},
        // Longer names are cut to 23 bytes; the field always ends in a zero.
        {u"ABCDEFGHIJKLMNOPQRSTUVWXYZ_Copy",
         "41 42 43 44 45 46 47 48 49 4A 4B 4C 4D 4E 4F 50 51 52 53 54 55 56 57 00"},
    };
    for (const auto& row : rows) {
        tagBUTTON b = MacroButton({}, row.name);
        const auto r = Build(b);
        EXPECT_BYTES(std::span(r.bytes).subspan(kMacroNameOffset, kMacroNameBytes), row.field);
    }
}

TEST(MacroReport, NameWithoutTerminatorInTheRecord) {
    tagBUTTON b = MacroButton({});
    std::fill(std::begin(b.macroName), std::end(b.macroName), u'x');  // from a foreign file
    b.macroEventCount = 0;
    const auto r = Build(b);
    EXPECT_EQ(std::string(reinterpret_cast<const char*>(&r.bytes[kMacroNameOffset])),
              std::string(23, 'x'));
    EXPECT_EQ(r.bytes[kMacroUnitCountOffset], 0);  // the name stayed in its field
}

// Only whole entries, up to the first that does not fit, with a count that matches them.
TEST(MacroReport, EntriesBeyondTheAreaAreLeftOutWithAMatchingCount) {
    tagBUTTON shorts = MacroButton({});
    for (int i = 0; i < 60; ++i) {
        shorts.macroEvents[shorts.macroEventCount++] = Ev(kA, i % 2 ? kRelease : kPress, 20);
    }
    auto r = Build(shorts);
    EXPECT_EQ(r.Units(), 50);
    EXPECT_EQ(r.summary.entriesSent, 50u);
    EXPECT_EQ(r.summary.entriesLeftOut, 10u);
    EXPECT_BYTES(std::span(r.bytes).last(2), "8B 04");

    // 49 short entries leave 2 bytes: the long one and everything after it stay out.
    tagBUTTON mixed = MacroButton({});
    for (int i = 0; i < 49; ++i) {
        mixed.macroEvents[mixed.macroEventCount++] = Ev(kA, kPress, 0);
    }
    mixed.macroEvents[mixed.macroEventCount++] = Ev(kA, kRelease, 1000);
    mixed.macroEvents[mixed.macroEventCount++] = Ev(kA, kRelease, 0);
    r = Build(mixed);
    EXPECT_EQ(r.Units(), 49);
    EXPECT_EQ(r.summary.longEntries, 0u);
    EXPECT_EQ(r.summary.entriesLeftOut, 2u);
    EXPECT_BYTES(std::span(r.bytes).last(4), "01 04 00 00");

    // 48 short and a long one fill the area exactly.
    mixed.macroEventCount = 0;
    for (int i = 0; i < 48; ++i) {
        mixed.macroEvents[mixed.macroEventCount++] = Ev(kA, kPress, 0);
    }
    mixed.macroEvents[mixed.macroEventCount++] = Ev(kA, kRelease, 1000);
    r = Build(mixed);
    EXPECT_EQ(r.Units(), 50);
    EXPECT_EQ(r.summary.entriesLeftOut, 0u);
    EXPECT_BYTES(std::span(r.bytes).last(4), "81 04 14 01");
}

TEST(MacroReport, EventCountAboveTheRecordCapacityCountsAsCapacity) {
    tagBUTTON b = MacroButton({Ev(kA, kPress, 0)});
    for (int i = 1; i < kMacroEventCapacity; ++i) {
        b.macroEvents[i] = Delay(0);
    }
    // Bytes after the event array that would read as press entries.
    std::memset(b.programPath, 0x01, sizeof b.programPath);
    for (std::uint16_t count : {std::uint16_t{181}, std::uint16_t{0xFFFF}}) {
        b.macroEventCount = count;
        EXPECT_EQ(ValidMacroEvents(b).size(), 180u);
        const auto r = Build(b);
        EXPECT_EQ(r.Units(), 1) << count;
        EXPECT_BYTES(r.Entries(4), "01 04 00 00");
    }
}

TEST(MacroReport, EmptyMacro) {
    const auto r = Build(MacroButton({}));
    EXPECT_EQ(r.Units(), 0);
    EXPECT_EQ(ToHex(r.Entries(kMacroEntryBytes)), ToHex(std::vector<std::uint8_t>(100, 0)));
}

}  // namespace
