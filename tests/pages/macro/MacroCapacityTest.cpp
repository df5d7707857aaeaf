#include <array>
#include <string>

#include "PageFixture.h"
#include "device/MacroReport.h"
#include "pages/macro/MacroCapacity.h"

using namespace macro_test;

namespace {

struct CapacityCase {
    const char* name;
    std::vector<MacroEvent> events;
    std::size_t bytes;
    bool fits;
    int lastEvent;
};

std::vector<MacroEvent> Repeat(int pairs, std::uint16_t delay) {
    std::vector<MacroEvent> out;
    for (int i = 0; i < pairs; ++i) {
        out.push_back(Press(0x04));
        out.push_back(Delay(delay));
        out.push_back(Release(0x04));
        out.push_back(Delay(delay));
    }
    return out;
}

}  // namespace

// The figure must be what the report carries, so it is held against the report itself.
TEST(MacroCapacityTest, TheFigureIsWhatTheReportCarries) {
    const std::vector<CapacityCase> cases = {
        {"empty", {}, 0, true, -1},
        {"short entries with folded delays",
         {Press(4), Delay(10), Delay(20), Release(4)},
         4,
         true,
         3},
        {"a folded sum past 255 turns long",
         {Press(4), Delay(200), Delay(100), Release(4)},
         6,
         true,
         3},
        {"a leading delay is an entry of its own", {Delay(300), Press(4), Release(4)}, 8, true, 2},
        {"the 26th long entry is left out", Repeat(13, 300), 100, false, 48},
        {"50 short entries fit exactly", Repeat(25, 10), 100, true, 98},
        {"51 do not",
         [] {
             auto e = Repeat(25, 10);
             e.push_back(Press(5));
             return e;
         }(),
         100, false, 98},
    };
    for (const CapacityCase& c : cases) {
        const MacroFit fit = MeasureMacroFit(c.events);
        EXPECT_EQ(fit.bytesUsed, c.bytes) << c.name;
        EXPECT_EQ(fit.fits, c.fits) << c.name;
        EXPECT_EQ(fit.lastEventSent, c.lastEvent) << c.name;
        EXPECT_EQ(fit.capacity, 100u);

        tagBUTTON button{};
        button.type = 18;
        std::copy(c.events.begin(), c.events.end(), button.macroEvents);
        button.macroEventCount = static_cast<std::uint16_t>(c.events.size());
        std::array<std::uint8_t, kMacroReportLength> report{};
        const MacroEntrySummary sent = BuildMacroReport(button, 0, report);
        EXPECT_EQ(std::size_t(report[kMacroUnitCountOffset]) * 2, fit.bytesUsed) << c.name;
        EXPECT_EQ(sent.entriesLeftOut == 0, fit.fits) << c.name;
        EXPECT_GE(fit.bytesNeeded, fit.bytesUsed);
    }
}

TEST_F(PageTest, ThePageShowsTheFigureAndNamesTheLastEventThatFits) {
    tagElement& m = AddMacro(u"Long", {});
    const auto events = Repeat(13, 300);  // 26 long entries, 104 bytes
    std::copy(events.begin(), events.end(), m.events);
    m.eventCount = static_cast<int>(events.size());
    page.SelectMacro(0);
    EXPECT_EQ(view.fit.bytesUsed, 100u);
    EXPECT_EQ(view.fit.bytesNeeded, 104u);
    EXPECT_FALSE(view.fit.fits);
    // The 25th entry is the last pair's press.
    EXPECT_EQ(view.lastSent, u"a");
    EXPECT_EQ(view.lastRow, 48);
    page.DeleteEventAt(static_cast<int>(view.rows.size()) - 1);  // the last delay
    EXPECT_FALSE(view.fit.fits);
    page.DeleteEventAt(static_cast<int>(view.rows.size()) - 1);  // the last pair
    EXPECT_TRUE(view.fit.fits);
    EXPECT_TRUE(view.lastSent.empty());
    EXPECT_EQ(view.lastRow, -1);
}
