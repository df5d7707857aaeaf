#include <gtest/gtest.h>

#include <initializer_list>
#include <vector>

#include "PageFixture.h"
#include "pages/macro/MacroEditing.h"

namespace {

using macro_test::Delay;
using macro_test::Press;
using macro_test::Release;

constexpr std::uint8_t kA = 0x04, kB = 0x05, kShiftL = 0xE1;

MacroEventBuffer Buffer(std::initializer_list<MacroEvent> events) {
    MacroEventBuffer b;
    for (const MacroEvent& e : events) {
        b.events[b.eventCount++] = e;
    }
    b.Recount();
    return b;
}

std::vector<MacroEvent> Events(const MacroEventBuffer& b) {
    return {b.events, b.events + b.eventCount};
}

std::vector<EventRow> Rows(const MacroEventBuffer& b) {
    return BuildEventRows(b, [](std::uint8_t c) { return c == 0xF1 ? u"Left" : u"K"; });
}

}  // namespace

TEST(MacroRowsTest, HiddenZeroDelaysKeepEveryRowOnItsEvent) {
    const auto b =
        Buffer({Press(kA), Delay(0), Delay(30), Release(kA), Delay(0), Press(0xF1), Release(0xF1)});
    const auto rows = Rows(b);
    ASSERT_EQ(rows.size(), 5u);
    const int events[] = {0, 2, 3, 5, 6};
    for (int r = 0; r < 5; ++r) {
        EXPECT_EQ(EventOfRowValue(rows[r].value), events[r]) << "row " << r;
        EXPECT_EQ(rows[r].eventIndex, events[r]);
    }
    EXPECT_EQ(rows[0].value, 0x00010412u);
    EXPECT_EQ(rows[1].value, 0x0003FF04u);
    EXPECT_EQ(rows[1].text, u"30 ms");
    EXPECT_EQ(rows[2].value, 0x00040423u);
    EXPECT_EQ(rows[3].text, u"Left Down");
    EXPECT_EQ(rows[3].value, 0x0006F115u);
    EXPECT_EQ(rows[4].text, u"Left Up");
    EXPECT_EQ(rows[4].value, 0x0007F125u);
    // A hidden event maps to the row shown before it.
    EXPECT_EQ(RowOfEvent(rows, 4), 2);
    EXPECT_EQ(RowOfEvent(rows, 1), 0);
}

TEST(MacroDeleteTest, PartnersGoTheDelaysBetweenStay) {
    struct Case {
        const char* name;
        int event;
        std::vector<MacroEvent> expected;
    };
    const auto start =
        Buffer({Press(kA), Delay(10), Press(kB), Delay(20), Release(kA), Delay(30), Press(kB)});
    const std::vector<Case> cases = {
        {"press takes its release", 0, {Delay(10), Press(kB), Delay(20), Delay(30), Press(kB)}},
        {"release takes its press", 4, {Delay(10), Press(kB), Delay(20), Delay(30), Press(kB)}},
        {"press without release goes alone",
         6,
         {Press(kA), Delay(10), Press(kB), Delay(20), Release(kA), Delay(30)}},
        {"a delay goes alone",
         3,
         {Press(kA), Delay(10), Press(kB), Release(kA), Delay(30), Press(kB)}},
    };
    for (const Case& c : cases) {
        auto b = start;
        DeleteEvent(b, c.event, false);
        EXPECT_EQ(Events(b), c.expected) << c.name;
        EXPECT_EQ(b.eventCount, static_cast<int>(c.expected.size())) << c.name;
    }
    auto b = start;
    DeleteEvent(b, 2, true);
    EXPECT_EQ(b.eventCount, 0);
}

TEST(MacroMoveTest, APressNeverPassesItsOwnRelease) {
    auto b = Buffer({Press(kA), Release(kA), Press(kB)});
    EXPECT_FALSE(SwapRowEvents(b, 0, 1));
    EXPECT_EQ(Events(b), (std::vector<MacroEvent>{Press(kA), Release(kA), Press(kB)}));
    EXPECT_TRUE(SwapRowEvents(b, 1, 2));
    EXPECT_EQ(Events(b), (std::vector<MacroEvent>{Press(kA), Press(kB), Release(kA)}));
    // Two delays may change places.
    auto d = Buffer({Delay(5), Delay(6)});
    EXPECT_TRUE(SwapRowEvents(d, 0, 1));
    EXPECT_EQ(d.events[0].delay, 6);
}

TEST(MacroInsertDelayTest, NeverInFrontOfTheFirstOrBehindTheLastRow) {
    const auto start = Buffer({Press(kA), Delay(0), Release(kA), Press(kB)});
    auto b = start;
    auto rows = Rows(b);
    EXPECT_EQ(InsertDelay(b, rows, 0, DelayPlace::Before, 40), -1);
    EXPECT_EQ(InsertDelay(b, rows, 2, DelayPlace::After, 40), -1);
    EXPECT_EQ(Events(b), Events(start));
    // In front of row 1 (event 2, behind the hidden delay) and behind row 1.
    EXPECT_EQ(InsertDelay(b, rows, 1, DelayPlace::Before, 40), 2);
    EXPECT_EQ(Events(b),
              (std::vector<MacroEvent>{Press(kA), Delay(0), Delay(40), Release(kA), Press(kB)}));
    b = start;
    EXPECT_EQ(InsertDelay(b, rows, 1, DelayPlace::After, 7), 3);
    EXPECT_EQ(b.events[3].delay, 7);

    MacroEventBuffer full;
    for (int i = 0; i < kMacroEventCapacity; ++i) {
        full.events[full.eventCount++] = Press(kA);
    }
    rows = Rows(full);
    EXPECT_EQ(InsertDelay(full, rows, 1, DelayPlace::Before, 9), -1);
    EXPECT_EQ(full.eventCount, kMacroEventCapacity);
}

TEST(MacroModifyTest, AKeyEditReachesItsPartnerADelayEditTakesTheNumber) {
    auto b = Buffer({Press(kA), Delay(10), Press(kB), Release(kA), Release(kB)});
    FinishModify(b, 3, kShiftL, u"Shift");  // the release finds its press above
    EXPECT_EQ(b.events[0].code, kShiftL);
    EXPECT_EQ(b.events[3].code, kShiftL);
    EXPECT_EQ(b.events[2].code, kB);
    FinishModify(b, 2, 0x06, u"C");  // the press finds its release below
    EXPECT_EQ(b.events[4].code, 0x06);

    const std::pair<std::u16string, int> delays[] = {
        {u"250", 250}, {u"", 0}, {u"99999", 65535}, {u"12 ms", 12}, {u"ms", 0}};
    for (const auto& [text, ms] : delays) {
        FinishModify(b, 1, 0, text);
        EXPECT_EQ(b.events[1].delay, ms) << std::string(text.begin(), text.end());
        EXPECT_EQ(b.events[1].code, kMacroDelayCode);
    }
}

TEST(MacroModifyTest, ReleasedModifiersEndAsLeftOrRight) {
    const struct {
        std::uint32_t vk, lParam, expected;
    } cases[] = {
        {0x10, 0xC02A0001, 0xA0},
        {0x10, 0xC0360001, 0xA1},
        {0x11, 0xC01D0001, 0xA2},
        {0x11, 0xC11D0001, 0xA3},
        {0x12, 0xC0380001, 0xA4},
        {0x12, 0xC1380001, 0xA5},
        // A press (no transition bit) and other keys stay as they are.
        {0x10, 0x002A0001, 0x10},
        {0x41, 0xC01E0001, 0x41},
        {0xA1, 0, 0xA1},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(SidedModifierKey(c.vk, c.lParam), c.expected) << std::hex << c.lParam;
    }
}
