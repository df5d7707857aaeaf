#include <gtest/gtest.h>

#include <chrono>
#include <condition_variable>
#include <cstring>
#include <memory>
#include <mutex>
#include <string>
#include <vector>

#include "data/FixedText.h"
#include "data/ProfileDefaults.h"
#include "device/DeviceLink.h"
#include "support/TempDir.h"

namespace {

using namespace std::chrono_literals;

struct Sent {
    int variant;
    std::uint8_t id;
    std::int32_t length;
};

// Shared log of what reached the fake devices, in order, with the pauses between.
struct Wire {
    std::mutex mutex;
    std::vector<std::string> log;
    void Add(std::string s) {
        std::lock_guard lock(mutex);
        log.push_back(std::move(s));
    }
    std::vector<std::string> Take() {
        std::lock_guard lock(mutex);
        return std::exchange(log, {});
    }
};

class FakeTransport : public Transport {
public:
    FakeTransport(int variant, Wire& wire) : variant_(variant), wire_(wire) {}
    bool Bound() const override { return bound; }
    void SetVidPid(std::int32_t, std::int32_t pid) override { this->pid = pid; }
    void OpenDevMonitor(std::int32_t e, std::int32_t c) override {
        eventMessage = e;
        connectionMessage = c;
    }
    void CloseDevMonitor() override {
        wire_.Add("v" + std::to_string(variant_) + " close monitor");
    }
    std::int32_t OpenFeatureDevice() override {
        ++opens;
        return present ? 1 : 0;
    }
    void CloseFeatureDevice() override { ++closes; }
    std::int32_t SetFeature(const std::uint8_t* r, std::int32_t n) override {
        char text[32];
        std::snprintf(text, sizeof text, "v%d %02X/%d", variant_, r[0], n);
        wire_.Add(text);
        return accept ? 1 : 0;
    }

    bool bound = true, present = false, accept = true;
    std::int32_t pid = 0, eventMessage = 0, connectionMessage = 0;
    int opens = 0, closes = 0;

private:
    int variant_;
    Wire& wire_;
};

class RecordingUi : public DeviceLinkUi, public ProfileUi {
public:
    void AddTrayIcon() override { calls.push_back("tray+"); }
    void RemoveTrayIcon() override { calls.push_back("tray-"); }
    void ShowWindow() override { calls.push_back("show"); }
    void HideWindow() override { calls.push_back("hide"); }
    void ShowLevel() override { calls.push_back("level"); }
    void ShowReportRate() override { calls.push_back("rate"); }
    void OpenProgram(const std::u16string& p) override {
        calls.push_back("open " + std::string(p.begin(), p.end()));
    }
    void BeginApplyWait() override { calls.push_back("wait"); }
    void EndApplyWait() override { calls.push_back("release"); }
    void ApplyPointerSettings(const tagPROFILE&) override { calls.push_back("pointer"); }
    void ScheduleArrival(int v, std::chrono::milliseconds d) override {
        calls.push_back("arrival v" + std::to_string(v) + " " + std::to_string(d.count()));
    }
    void DeviceNotOpened(int v) override { notOpened.push_back(v); }
    void PostApplyFinished(bool cleared) override {
        std::lock_guard lock(mutex);
        finished.push_back(cleared);
        done.notify_all();
    }
    // ProfileUi
    void RefreshPages() override {}
    void PostEditNotice() override {}
    void UpdateWindowNow() override {}
    bool ConfirmDelete() override { return true; }

    bool WaitFinished(std::size_t n) {
        std::unique_lock lock(mutex);
        return done.wait_for(lock, 10s, [&] { return finished.size() >= n; });
    }

    std::vector<std::string> calls;
    std::vector<int> notOpened;
    std::mutex mutex;
    std::condition_variable done;
    std::vector<bool> finished;
};

class DeviceLinkTest : public ::testing::Test {
protected:
    DeviceLinkTest()
        : working(std::make_unique<tagSTATEBLOCK>()),
          applied(std::make_unique<tagSTATEBLOCK>()),
          store(
              list, *working, [this] { return dir.Path() / ""; }, u"Profile ", ui),
          v1(0, wire),
          v2(1, wire),
          link(*working, *applied, list, store, ui, {&v1, &v2},
               [this](std::chrono::milliseconds d) {
                   wire.Add("pause " + std::to_string(d.count()));
               }) {
        store.LoadStateFile(*applied);
        *working = *applied;
        store.LoadProfileList();
        link.CreateWorker();
    }

    void Start() {
        link.OpenAtStartup();
        ui.calls.clear();
    }

    // Runs one apply to its end and returns what went over the wire.
    std::vector<std::string> Apply(bool all = false) {
        const std::size_t before = ui.finished.size();
        link.RequestApply(all);
        if (link.AnyConnected()) {
            EXPECT_TRUE(ui.WaitFinished(before + 1));
            link.OnApplyFinished(ui.finished.back());
        }
        return wire.Take();
    }

    TempDir dir;
    RecordingUi ui;
    ProfileList list;
    std::unique_ptr<tagSTATEBLOCK> working, applied;
    ProfileStore store;
    Wire wire;
    FakeTransport v1, v2;
    DeviceLink link;
};

TEST_F(DeviceLinkTest, StartupOpensVariantTwoFirstAndSendsNothing) {
    v1.present = true;
    link.OpenAtStartup();
    EXPECT_EQ(v1.pid, 0xFA60);
    EXPECT_EQ(v2.pid, 0xFA61);
    EXPECT_EQ(v1.eventMessage, 1325);
    EXPECT_EQ(v2.connectionMessage, 1328);
    EXPECT_EQ(link.State(0), DeviceLink::kConnected);
    EXPECT_EQ(link.State(1), DeviceLink::kNeverConnected);
    EXPECT_TRUE(link.FullApplyPending());
    EXPECT_EQ(ui.calls, std::vector<std::string>{"tray+"});
    EXPECT_TRUE(wire.Take().empty());
}

// A mouse whose node is closed to the user looks like no mouse to the link; the window hears
// of every failed open so it can tell the two apart.
TEST_F(DeviceLinkTest, EveryFailedOpenIsReportedToTheWindow) {
    v1.present = true;
    link.OpenAtStartup();
    EXPECT_EQ(ui.notOpened, std::vector<int>{1}) << "only the variant that failed";
    link.OnConnectionMessage(1, 1);  // announced, but the open fails again
    link.CompleteArrival(1);
    EXPECT_EQ(ui.notOpened, (std::vector<int>{1, 1}));
    EXPECT_EQ(link.State(1), DeviceLink::kConnected) << "the arrival itself is kept";
}

TEST_F(DeviceLinkTest, FullApplySendsEveryReportInOrderWithPauses) {
    v1.present = true;
    Start();
    working->Current().buttons[3].type = 18;
    working->Current().buttons[7].type = 18;
    for (auto& c : working->buttonChanged) {
        c = 1;
    }
    const std::vector<std::string> expected = {"v0 04/34",  "pause 400", "v0 05/9",   "pause 400",
                                               "v0 06/8",   "pause 400", "v0 09/130", "pause 400",
                                               "v0 09/130", "pause 400", "v0 08/76",  "pause 400"};
    EXPECT_EQ(Apply(), expected);
    EXPECT_FALSE(link.FullApplyPending());
    EXPECT_EQ(ui.calls, (std::vector<std::string>{"wait", "pointer", "release"}));
}

TEST_F(DeviceLinkTest, OnlyWhatChangedIsSent) {
    v1.present = true;
    Start();
    Apply();  // the full apply after opening
    EXPECT_TRUE(Apply().empty());
    working->Current().lightColorSource = 1;  // not compared
    EXPECT_TRUE(Apply().empty());
    working->Current().reportRate = 3;
    EXPECT_EQ(Apply(), (std::vector<std::string>{"v0 06/8", "pause 400"}));
    working->Current().buttons[2].type = 17;
    EXPECT_EQ(Apply(), (std::vector<std::string>{"v0 08/76", "pause 400"}));
    for (const auto c : working->buttonChanged) {
        EXPECT_EQ(c, 0);  // cleared once the button report went out
    }
}

TEST_F(DeviceLinkTest, SlotSwitchSendsEverything) {
    v1.present = true;
    Start();
    Apply();
    working->currentSlot = 1;
    EXPECT_EQ(Apply(), (std::vector<std::string>{"v0 04/34", "pause 400", "v0 05/9", "pause 400",
                                                 "v0 06/8", "pause 400", "v0 08/76", "pause 400"}));
}

TEST_F(DeviceLinkTest, VariantTwoWinsWhenBothArePresent) {
    v1.present = v2.present = true;
    Start();
    for (const auto& line : Apply()) {
        EXPECT_TRUE(line.starts_with("v1 ") || line.starts_with("pause")) << line;
    }
}

TEST_F(DeviceLinkTest, WithoutADeviceApplySavesAndReleasesAtOnce) {
    Start();
    working->Current().levelX[0] = 50;
    EXPECT_TRUE(Apply().empty());
    EXPECT_EQ(ui.calls, (std::vector<std::string>{"wait", "release"}));
    EXPECT_EQ(applied->Current().levelX[0], 50);
    EXPECT_EQ(list.At(0).levelX[0], 50);
    EXPECT_TRUE(ui.finished.empty());
}

TEST_F(DeviceLinkTest, RemovalDuringAnApplyStillEndsIt) {
    v1.present = true;
    Start();
    v1.accept = false;  // the device is gone: every transfer fails
    const auto sent = Apply();
    EXPECT_EQ(sent, (std::vector<std::string>{"v0 04/34", "v0 05/9", "v0 06/8", "v0 08/76"}))
        << "no pause after a failed transfer";
    EXPECT_FALSE(link.ApplyOutstanding());
    EXPECT_EQ(ui.calls.back(), "release");
}

TEST_F(DeviceLinkTest, ArrivalAndRemovalRules) {
    Start();
    link.OnConnectionMessage(0, 1);
    EXPECT_EQ(ui.calls, std::vector<std::string>{"arrival v0 1000"});
    link.OnConnectionMessage(0, 1);  // waits behind the first arrival
    link.CompleteArrival(0);
    EXPECT_EQ(link.State(0), DeviceLink::kConnected);
    EXPECT_EQ(v1.opens, 2);
    EXPECT_EQ(ui.calls, (std::vector<std::string>{"arrival v0 1000", "tray+"}));  // second ignored
    link.OnConnectionMessage(0, 0);
    link.OnConnectionMessage(0, 0);
    EXPECT_EQ(link.State(0), DeviceLink::kRemoved);
    EXPECT_EQ(v1.closes, 1);
    EXPECT_EQ(ui.calls.size(), 4u);
    EXPECT_EQ(ui.calls[2], "tray-");
    EXPECT_EQ(ui.calls[3], "hide");
}

TEST_F(DeviceLinkTest, RemovalOfOneVariantWhileTheOtherStaysKeepsTheWindow) {
    v1.present = v2.present = true;
    Start();
    link.OnConnectionMessage(0, 0);
    EXPECT_TRUE(ui.calls.empty());
    link.OnConnectionMessage(1, 7);  // not a connection value
    EXPECT_EQ(link.State(1), DeviceLink::kConnected);
}

TEST_F(DeviceLinkTest, LevelFromTheMouseIsStoredAndSavedButNotApplied) {
    v1.present = true;
    Start();
    link.OnEventMessage(0, 0x1000, 3);
    EXPECT_EQ(working->Current().currentLevel, 2);
    EXPECT_EQ(applied->Current().currentLevel, 1);
    EXPECT_EQ(list.At(0).currentLevel, 2);
    const auto state = ReadAll(store.StateFilePath());
    EXPECT_EQ(std::memcmp(state.data(), working.get(), sizeof(tagSTATEBLOCK)), 0);
    EXPECT_EQ(ui.calls, std::vector<std::string>{"level"});
}

TEST_F(DeviceLinkTest, EventTable) {
    v1.present = true;
    Start();
    WriteFixedText(working->Current().buttons[4].programPath, u"/usr/bin/game");
    working->Current().buttons[4].type = 19;
    const struct {
        std::uintptr_t category;
        std::intptr_t value;
        std::vector<std::string> calls;
    } cases[] = {
        {0x1000, 7, {}},
        {0x1000, 0, {}},
        {0x2000, 5, {}},
        {0x2000, 4, {"rate"}},
        {0x3000, 0x105, {"open /usr/bin/game"}},
        {0x3000, 0x106, {}},  // not a program button
        {0x3000, 0x005, {}},  // bits 8-15 must be 1
        {0x4000, 9, {}},
        {0xA000, 0, {"show"}},
        {0x5000, 1, {}},
    };
    for (const auto& c : cases) {
        ui.calls.clear();
        link.OnEventMessage(0, c.category, c.value);
        EXPECT_EQ(ui.calls, c.calls) << std::hex << c.category << " " << c.value;
    }
    EXPECT_EQ(working->Current().reportRate, 3);  // the fourth rate
    EXPECT_EQ(working->Current().currentLevel, 1);
}

TEST_F(DeviceLinkTest, RestoreDefaultsReplacesTheList) {
    Start();
    store.NewProfile();
    ResetStateDefaults(*working, u"Profile ");
    Apply(true);
    ASSERT_EQ(list.Size(), 3u);
    EXPECT_EQ(ReadFixedText(list.At(2).name), u"Profile 3");
}

TEST_F(DeviceLinkTest, UnboundVariantsAreSkipped) {
    v1.bound = v2.bound = false;
    link.OpenAtStartup();
    link.OnConnectionMessage(0, 1);
    link.Close();
    EXPECT_EQ(v1.opens + v2.opens, 0);
    EXPECT_TRUE(ui.calls.empty());
}

TEST_F(DeviceLinkTest, CloseWaitsForTheApplyAndClosesBothVariants) {
    v1.present = true;
    Start();
    link.RequestApply(false);
    link.Close();  // the reports of an OK still reach the mouse
    const auto sent = wire.Take();
    ASSERT_EQ(sent.size(), 10u);
    EXPECT_EQ(sent[7], "pause 400");
    EXPECT_EQ(sent[8], "v0 close monitor");
    EXPECT_EQ(sent[9], "v1 close monitor");
    EXPECT_EQ(v1.closes, 1);
}

}  // namespace
