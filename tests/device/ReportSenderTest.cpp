#include <gtest/gtest.h>

#include <chrono>
#include <deque>
#include <memory>
#include <vector>

#include "data/ProfileDefaults.h"
#include "device/ReportSender.h"

namespace {

using std::chrono::milliseconds;

// Time moves only when the sender sleeps, so the tests never wait.
struct FakeClock {
    milliseconds now{0};
    std::vector<milliseconds> sleeps;
};

struct Transfer {
    std::vector<std::uint8_t> bytes;
    std::int32_t length;
    milliseconds at;
};

// Records every transfer with the time it arrived and answers from a script (success when
// the script has run out).
struct RecordingTransport {
    FakeClock& clock;
    std::deque<std::int32_t> results;
    std::vector<Transfer> transfers;

    std::int32_t operator()(const std::uint8_t* report, std::int32_t length) {
        transfers.push_back(
            {std::vector<std::uint8_t>(report, report + length), length, clock.now});
        if (results.empty()) {
            return 1;
        }
        const std::int32_t r = results.front();
        results.pop_front();
        return r;
    }
};

class ReportSenderTest : public testing::Test {
protected:
    ReportSenderTest() : state(std::make_unique<tagSTATEBLOCK>()) {
        ResetStateDefaults(*state, u"Profile ");
    }

    ReportSender Sender() {
        return ReportSender(
            *state, [this](const std::uint8_t* r, std::int32_t n) { return transport(r, n); },
            [this](milliseconds d) {
                clock.sleeps.push_back(d);
                clock.now += d;
            });
    }

    std::unique_ptr<tagSTATEBLOCK> state;
    FakeClock clock;
    RecordingTransport transport{clock, {}, {}};
};

TEST_F(ReportSenderTest, PauseFollowsEachTakenReportAndNoFailedOne) {
    transport.results = {1, 0, 7, 1};  // any nonzero result is success
    ReportSender s = Sender();
    EXPECT_EQ(s.SendSensitivityReport(), 1);
    EXPECT_EQ(s.SendLightingReport(), 0);
    EXPECT_EQ(s.SendReportRateReport(), 7);
    EXPECT_EQ(s.SendButtonReport(), 1);

    ASSERT_EQ(transport.transfers.size(), 4u);
    const struct {
        std::uint8_t id;
        std::int32_t length;
        milliseconds at;
    } expected[] = {{0x04, 34, milliseconds{0}},
                    {0x05, 9, milliseconds{400}},
                    {0x06, 8, milliseconds{400}},  // no pause after the failed lighting report
                    {0x08, 76, milliseconds{800}}};
    for (std::size_t i = 0; i < 4; ++i) {
        const Transfer& t = transport.transfers[i];
        EXPECT_EQ(t.bytes[0], expected[i].id);
        EXPECT_EQ(t.length, expected[i].length);
        EXPECT_EQ(t.bytes[1], t.length) << "the length passed is byte 1";
        EXPECT_EQ(t.at, expected[i].at) << "report " << int(expected[i].id);
    }
    EXPECT_EQ(clock.sleeps, (std::vector<milliseconds>(3, milliseconds{400})));
}

TEST_F(ReportSenderTest, MacroReportsOnlyForChangedMacroButtons) {
    tagPROFILE& p = state->Current();
    for (int i : {0, 1, 5, 7, 11}) {
        p.buttons[i].type = 18;
    }
    p.buttons[2].type = 17;
    for (int i : {0, 2, 5, 11}) {
        state->buttonChanged[i] = 1;
    }
    state->buttonChanged[7] = 2;  // only 1 marks a change
    transport.results = {1, 0, 1};

    EXPECT_EQ(Sender().SendMacroReports(), 0) << "one macro report failed";
    ASSERT_EQ(transport.transfers.size(), 3u);
    const int buttonNumbers[] = {1, 6, 12};
    const milliseconds at[] = {milliseconds{0}, milliseconds{400}, milliseconds{400}};
    for (std::size_t i = 0; i < 3; ++i) {
        EXPECT_EQ(transport.transfers[i].bytes[0], 0x09);
        EXPECT_EQ(transport.transfers[i].length, 130);
        EXPECT_EQ(transport.transfers[i].bytes[2], buttonNumbers[i]);
        EXPECT_EQ(transport.transfers[i].at, at[i]);
    }
    EXPECT_EQ(state->buttonChanged[0], 1) << "the flags are left for the apply to clear";
    EXPECT_EQ(clock.now, milliseconds{800});
}

TEST_F(ReportSenderTest, NoMacroReportDueSendsNothing) {
    state->buttonChanged[3] = 1;  // changed, but not a macro button
    EXPECT_EQ(Sender().SendMacroReports(), 1);
    EXPECT_TRUE(transport.transfers.empty());
    EXPECT_TRUE(clock.sleeps.empty());
}

// The reports carry the current slot's profile as it is when they are sent.
TEST_F(ReportSenderTest, ReadsTheCurrentSlotAtSendTime) {
    ReportSender s = Sender();
    state->profiles[0].reportRate = 0;
    state->profiles[2].reportRate = 3;
    state->currentSlot = 2;
    s.SendReportRateReport();
    state->currentSlot = 0;
    s.SendReportRateReport();
    ASSERT_EQ(transport.transfers.size(), 2u);
    EXPECT_EQ(transport.transfers[0].bytes[2], 1);
    EXPECT_EQ(transport.transfers[1].bytes[2], 8);
}

}  // namespace
