#include <gtest/gtest.h>

#include <map>
#include <string>
#include <vector>

#include "macro/MacroRecorder.h"

namespace {

class FakeUi : public RecorderUi {
public:
    bool EnsureMacroSelected() override {
        calls.push_back("ensure");
        return haveMacro;
    }
    void RebuildEventList(int selectEvent) override {
        calls.push_back("rebuild");
        selected = selectEvent;
    }
    void SetRecordButtonCaption(int n) override { calls.push_back("caption" + std::to_string(n)); }
    void ClearRecordButtonCheck() override { calls.push_back("uncheck"); }
    std::u16string DelayBoxText() override { return delayBox; }
    void FocusPage() override { calls.push_back("focus"); }
    void ResetInsertRecordingPage() override { calls.push_back("resetInsert"); }
    void EnableEventList() override { calls.push_back("enableList"); }
    void SaveMacro() override { calls.push_back("save"); }

    int Count(const std::string& call) const {
        int n = 0;
        for (const auto& c : calls) {
            n += c == call;
        }
        return n;
    }

    std::vector<std::string> calls;
    bool haveMacro = true;
    std::u16string delayBox = u"10";
    int selected = -2;
};

class FakeHook : public KeyHook {
public:
    bool Install(std::function<void()> lost) override {
        installed = true;
        onLost = std::move(lost);
        return true;
    }
    void Remove() override { installed = false; }
    bool installed = false;
    std::function<void()> onLost;
};

constexpr std::uint32_t kVkA = 0x41, kVkB = 0x42, kVkUp = 0x26, kVkF13 = 0x7C;
constexpr std::uint8_t kCodeA = 0x04, kCodeB = 0x05, kCodeUp = 0x52;
constexpr std::uint32_t kUp = 0x80, kExt = 0x01;

std::uint8_t DeviceCode(std::uint32_t vk) {
    static const std::map<std::uint32_t, std::uint8_t> table{
        {kVkA, kCodeA}, {kVkB, kCodeB}, {kVkUp, kCodeUp}};
    auto it = table.find(vk);
    return it == table.end() ? 0 : it->second;
}

struct Ev {
    int code, action, delay;
    bool operator==(const Ev&) const = default;
};
std::ostream& operator<<(std::ostream& os, const Ev& e) {
    return os << "{" << std::hex << e.code << "," << e.action << "," << std::dec << e.delay << "}";
}
Ev Press(int code) {
    return {code, 1, 0};
}
Ev Release(int code) {
    return {code, 2, 0};
}
Ev Delay(int ms) {
    return {0xFF, 0, ms};
}

class RecorderTest : public ::testing::Test {
protected:
    std::vector<Ev> Events() const {
        std::vector<Ev> out;
        for (int i = 0; i < buffer.eventCount; ++i) {
            const MacroEvent& e = buffer.events[i];
            out.push_back({e.code, e.action, e.delay});
        }
        return out;
    }
    void Fill(const std::vector<Ev>& events) {
        buffer.Clear();
        for (const Ev& e : events) {
            buffer.Insert(-1, MacroEvent{static_cast<std::uint8_t>(e.code),
                                         static_cast<std::uint8_t>(e.action),
                                         static_cast<std::uint16_t>(e.delay)});
        }
        buffer.Recount();
    }
    void Tap(std::uint32_t vk, std::uint32_t gapMs = 5) {
        now += gapMs;
        recorder.OnHookKey(vk, 0);
        now += gapMs;
        recorder.OnHookKey(vk, kUp);
    }

    MacroEventBuffer buffer;
    FakeUi ui;
    FakeHook hook;
    std::uint32_t now = 1000;
    MacroRecorder recorder{buffer, ui, hook, [this] { return now; }, DeviceCode};
};

TEST_F(RecorderTest, HeldKeyRecordsOnePressAndOneRelease) {
    recorder.SetDelayMode(2);
    recorder.StartPlainRecording();
    for (int i = 0; i < 20; ++i) {
        recorder.OnHookKey(kVkA, 0);  // auto-repeat
    }
    recorder.OnHookKey(kVkA, kUp);
    EXPECT_EQ(Events(), (std::vector<Ev>{Press(kCodeA), Release(kCodeA)}));
}

TEST_F(RecorderTest, ExtendedKeyRecordsPressThenRelease) {
    recorder.SetDelayMode(2);
    recorder.StartPlainRecording();
    recorder.OnHookKey(kVkUp, kExt);
    recorder.OnHookKey(kVkUp, kExt);
    recorder.OnHookKey(kVkUp, kExt | kUp);
    recorder.OnHookKey(kVkF13, 0);  // no device code
    EXPECT_EQ(Events(), (std::vector<Ev>{Press(kCodeUp), Release(kCodeUp), Press(0)}));
}

struct DelayCase {
    const char* name;
    int mode;
    std::u16string delayBox;
    std::uint32_t start;  // tick of the first press
    std::uint32_t gap;    // ms between the two actions
    std::vector<Ev> expected;
};

void PrintTo(const DelayCase& c, std::ostream* os) {
    *os << c.name;
}

class RecorderDelayTest : public RecorderTest, public ::testing::WithParamInterface<DelayCase> {};

TEST_P(RecorderDelayTest, DelayInFrontOfEveryActionButTheFirst) {
    const DelayCase& c = GetParam();
    ui.delayBox = c.delayBox;
    recorder.SetDelayMode(c.mode);
    recorder.StartPlainRecording();
    now = c.start;
    recorder.OnHookKey(kVkA, 0);
    now = c.start + c.gap;
    recorder.OnHookKey(kVkA, kUp);
    EXPECT_EQ(Events(), c.expected);
}

INSTANTIATE_TEST_SUITE_P(
    Modes, RecorderDelayTest,
    ::testing::Values(
        DelayCase{"Measured", 0, u"10", 5000, 250, {Press(4), Delay(250), Release(4)}},
        DelayCase{
            "MeasuredSeventySeconds", 0, u"10", 5000, 70000, {Press(4), Delay(65535), Release(4)}},
        DelayCase{"MeasuredAcrossTickWrap",
                  0,
                  u"10",
                  0xFFFFFF00u,
                  0x200,
                  {Press(4), Delay(512), Release(4)}},
        DelayCase{"MeasuredZeroLeavesNoEvent", 0, u"10", 5000, 0, {Press(4), Release(4)}},
        DelayCase{"Fixed", 1, u"50", 5000, 9000, {Press(4), Delay(50), Release(4)}},
        DelayCase{"FixedAboveLimit", 1, u"99999", 5000, 1, {Press(4), Delay(65535), Release(4)}},
        DelayCase{"FixedHugeText",
                  1,
                  u"123456789012345678901",
                  5000,
                  1,
                  {Press(4), Delay(65535), Release(4)}},
        DelayCase{"FixedEmptyBoxIsZero", 1, u"", 5000, 1, {Press(4), Release(4)}},
        DelayCase{"None", 2, u"50", 5000, 9000, {Press(4), Release(4)}}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(RecorderTest, EveryRecordingStartsWithoutADelay) {
    recorder.StartPlainRecording();
    Tap(kVkA);
    recorder.ToggleRecording();
    now += 100000;
    recorder.ToggleRecording();
    Tap(kVkB);
    EXPECT_EQ(Events(), (std::vector<Ev>{Press(kCodeB), Delay(10), Release(kCodeB)}));
}

TEST_F(RecorderTest, SixtiethActionStopsTheRecordingAndReleasesTheCapture) {
    recorder.StartPlainRecording();
    ASSERT_TRUE(hook.installed);
    for (int i = 0; i < 29; ++i) {
        Tap(i % 2 ? kVkA : kVkB);
    }
    recorder.OnHookKey(kVkUp, kExt);
    ASSERT_TRUE(recorder.Recording());
    EXPECT_EQ(ui.Count("save"), 0);

    recorder.OnHookKey(kVkUp, kExt | kUp);  // the 60th
    EXPECT_FALSE(recorder.Recording());
    EXPECT_FALSE(hook.installed);
    EXPECT_EQ(ui.Count("save"), 1);
    EXPECT_EQ(buffer.actionCount, 60);
    EXPECT_EQ(buffer.eventCount, 60 + 59);

    Tap(kVkA);
    EXPECT_EQ(buffer.eventCount, 60 + 59);
}

// The click meant for Stop arrives after the 60th action ended the recording, so it starts
// a new one; stopping that one before it took an action must not store an empty macro.
TEST_F(RecorderTest, RecordingThatTookNoActionLeavesTheMacroAsItWas) {
    recorder.StartPlainRecording();
    for (int i = 0; i < 30; ++i) {
        Tap(i % 2 ? kVkA : kVkB);
    }
    ASSERT_FALSE(recorder.Recording());
    const std::vector<Ev> full = Events();
    ASSERT_EQ(full.size(), 60u + 59u);
    ASSERT_EQ(ui.Count("save"), 1);

    recorder.ToggleRecording();
    EXPECT_TRUE(recorder.Recording());
    EXPECT_EQ(buffer.eventCount, 0);  // a new recording starts on an empty list
    ui.calls.clear();
    recorder.ToggleRecording();
    EXPECT_FALSE(recorder.Recording());
    EXPECT_FALSE(hook.installed);
    EXPECT_EQ(Events(), full);
    EXPECT_EQ(buffer.actionCount, 60);
    EXPECT_EQ(ui.Count("save"), 0);
    EXPECT_EQ(ui.Count("caption16"), 1);
    EXPECT_EQ(ui.selected, 60 + 59 - 1);  // the list shows the macro again

    // One action is a new recording, stored in place of the old one.
    recorder.ToggleRecording();
    recorder.OnHookKey(kVkUp, kExt);
    recorder.ToggleRecording();
    EXPECT_EQ(Events(), (std::vector<Ev>{Press(kCodeUp)}));
    EXPECT_EQ(ui.Count("save"), 1);
}

TEST_F(RecorderTest, InsertRecordingLandsInFrontOfTheSelectedEventInOrder) {
    Fill({Press(kCodeA), Release(kCodeA), Press(kCodeB), Release(kCodeB)});
    recorder.StartInsertRecording(1, 30, 2);
    recorder.OnHookKey(kVkUp, kExt);
    EXPECT_EQ(ui.selected, 2);  // the row just recorded
    recorder.OnHookKey(kVkUp, kExt | kUp);
    EXPECT_EQ(ui.selected, 4);
    recorder.StopRecording();

    EXPECT_EQ(Events(), (std::vector<Ev>{Press(kCodeA), Release(kCodeA), Press(kCodeUp), Delay(30),
                                         Release(kCodeUp), Press(kCodeB), Release(kCodeB)}));
    // The insert dialog's OK or Cancel decides; nothing is saved here.
    EXPECT_EQ(ui.Count("save"), 0);
    EXPECT_EQ(ui.Count("resetInsert"), 1);
    EXPECT_FALSE(hook.installed);
}

TEST_F(RecorderTest, InsertRecordingTakesItsOwnModeAndClampsItsInput) {
    Fill({Press(kCodeA)});
    recorder.SetDelayMode(2);
    recorder.StartInsertRecording(1, 70000, 57);  // a position past the end appends
    EXPECT_EQ(recorder.FixedDelay(), 65535);
    EXPECT_EQ(recorder.InsertPos(), -1);
    Tap(kVkB);
    EXPECT_EQ(Events(),
              (std::vector<Ev>{Press(kCodeA), Press(kCodeB), Delay(65535), Release(kCodeB)}));
}

TEST_F(RecorderTest, FullBufferNeverGrowsPast180) {
    std::vector<Ev> imported;
    for (int i = 0; i < 178; ++i) {
        imported.push_back(Delay(7));
    }
    Fill(imported);
    recorder.StartInsertRecording(1, 20, 0);
    recorder.OnHookKey(kVkA, 0);    // 179
    recorder.OnHookKey(kVkA, kUp);  // delay + release: 181 would not fit
    EXPECT_EQ(buffer.eventCount, 179);
    EXPECT_TRUE(recorder.Recording());
    recorder.StopRecording();
    recorder.StartInsertRecording(2, 0, -1);
    recorder.OnHookKey(kVkB, 0);  // 180: full, so the recording ends
    EXPECT_EQ(buffer.eventCount, 180);
    EXPECT_FALSE(recorder.Recording());
    EXPECT_FALSE(hook.installed);
}

TEST_F(RecorderTest, StartAndStopTalkToThePageInOrder) {
    Fill({Press(kCodeA)});
    ui.delayBox = u"250";
    recorder.ToggleRecording();
    EXPECT_EQ(ui.calls, (std::vector<std::string>{"ensure", "rebuild", "caption17", "focus"}));
    EXPECT_EQ(buffer.eventCount, 0);
    EXPECT_EQ(recorder.FixedDelay(), 250);
    EXPECT_TRUE(hook.installed);
    recorder.OnHookKey(kVkB, 0);
    ui.calls.clear();
    recorder.ToggleRecording();
    EXPECT_EQ(ui.calls, (std::vector<std::string>{"caption16", "uncheck", "resetInsert",
                                                  "enableList", "save"}));
}

TEST_F(RecorderTest, NoMacroToSaveIntoMeansNoRecording) {
    ui.haveMacro = false;
    Fill({Press(kCodeA)});
    recorder.ToggleRecording();
    EXPECT_FALSE(recorder.Recording());
    EXPECT_FALSE(hook.installed);
    EXPECT_EQ(buffer.eventCount, 1);
}

TEST_F(RecorderTest, LosingTheCaptureStopsAndSaves) {
    recorder.StartPlainRecording();
    Tap(kVkA);
    auto lost = hook.onLost;
    lost();
    EXPECT_FALSE(recorder.Recording());
    EXPECT_EQ(ui.Count("save"), 1);
    // A notice about an earlier recording leaves the next one running.
    recorder.StartPlainRecording();
    lost();
    EXPECT_TRUE(recorder.Recording());
}

TEST_F(RecorderTest, KeysAfterTheRecordingAreIgnored) {
    recorder.OnHookKey(kVkA, 0);
    recorder.StartPlainRecording();
    recorder.StopRecording();
    recorder.OnHookKey(kVkA, 0);  // posted before the capture went away
    EXPECT_EQ(buffer.eventCount, 0);
}

TEST_F(RecorderTest, PressLeftOpenByTheLastRecordingIsRecordedNextTime) {
    recorder.SetDelayMode(2);
    recorder.StartPlainRecording();
    recorder.OnHookKey(kVkA, 0);
    recorder.StopRecording();
    recorder.StartPlainRecording();
    recorder.OnHookKey(kVkA, 0);
    EXPECT_EQ(Events(), (std::vector<Ev>{Press(kCodeA)}));
}

TEST_F(RecorderTest, DestroyedWhileRecordingReleasesTheCapture) {
    MacroEventBuffer b;
    FakeUi u;
    FakeHook h;
    {
        MacroRecorder r(
            b, u, h, [] { return 0u; }, DeviceCode);
        r.StartPlainRecording();
        ASSERT_TRUE(h.installed);
    }
    EXPECT_FALSE(h.installed);
}

struct MouseCase {
    MouseMessage message;
    int code;  // 0: passes through unrecorded
    int action;
};

TEST_F(RecorderTest, MouseButtonsBecomeActionsAwayFromTheRecordButton) {
    const MouseCase cases[] = {
        {MouseMessage::LeftDown, 0xF1, 1},
        {MouseMessage::LeftUp, 0xF1, 2},
        {MouseMessage::RightDown, 0xF2, 1},
        {MouseMessage::RightUp, 0xF2, 2},
        {MouseMessage::MiddleDown, 0xF3, 1},
        {MouseMessage::MiddleUp, 0xF3, 2},
        {MouseMessage::XButton1Down, 0xF5, 1},
        {MouseMessage::XButton1Up, 0xF5, 2},
        {MouseMessage::XButton2Down, 0xF4, 1},
        {MouseMessage::XButton2Up, 0xF4, 2},
        {MouseMessage::Move, 0, 0},
        {MouseMessage::Other, 0, 0},
    };
    EXPECT_FALSE(recorder.FilterMouse(MouseMessage::LeftDown, false));  // not recording
    recorder.SetDelayMode(2);
    recorder.StartPlainRecording();
    std::vector<Ev> expected;
    for (const MouseCase& c : cases) {
        SCOPED_TRACE(static_cast<int>(c.message));
        EXPECT_EQ(recorder.FilterMouse(c.message, false), c.code != 0);
        if (c.code != 0) {
            expected.push_back({c.code, c.action, 0});
        }
    }
    EXPECT_EQ(Events(), expected);
}

TEST_F(RecorderTest, ClickOnTheRecordButtonStopsAndIsNotRecorded) {
    recorder.StartPlainRecording();
    EXPECT_TRUE(recorder.FilterMouse(MouseMessage::LeftDown, false));
    EXPECT_TRUE(recorder.FilterMouse(MouseMessage::LeftUp, false));
    // No move in between: the pointer is still judged on this click.
    EXPECT_FALSE(recorder.FilterMouse(MouseMessage::LeftDown, true));
    EXPECT_FALSE(recorder.FilterMouse(MouseMessage::LeftUp, true));
    recorder.ToggleRecording();  // what the button does with the click
    EXPECT_EQ(Events(), (std::vector<Ev>{Press(0xF1), Delay(10), Release(0xF1)}));
    EXPECT_FALSE(recorder.Recording());
}

TEST(MacroEventBuffer, RecountSkipsZeroDelaysAndSurvivesABadCount) {
    MacroEventBuffer b;
    b.Insert(-1, {0x04, 1, 0});
    b.Insert(-1, {kMacroDelayCode, 0, 0});
    b.Insert(-1, {kMacroDelayCode, 0, 40});
    b.Insert(-1, {0x04, 2, 0});
    b.Recount();
    EXPECT_EQ(b.delayCount, 1);
    EXPECT_EQ(b.actionCount, 2);
    b.eventCount = 5000;
    b.Recount();
    EXPECT_EQ(b.eventCount, kMacroEventCapacity);
    EXPECT_FALSE(b.Insert(-1, {0x05, 1, 0}));
    EXPECT_FALSE(b.Insert(-2, {0x05, 1, 0}));
}

}  // namespace
