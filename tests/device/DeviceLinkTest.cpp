#include <gtest/gtest.h>

#include <chrono>
#include <condition_variable>
#include <algorithm>
#include <cstring>
#include <functional>
#include <future>
#include <memory>
#include <mutex>
#include <string>
#include <utility>
#include <vector>

#include "data/FixedText.h"
#include "data/ProfileDefaults.h"
#include "device/ChangeDetection.h"
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
        reports.clear();
        return std::exchange(log, {});
    }
    // The reports themselves, in the order they went out.
    std::vector<std::vector<std::uint8_t>> reports;
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
        {
            std::lock_guard lock(wire_.mutex);
            wire_.reports.emplace_back(r, r + n);
        }
        if (onSend) {
            onSend();
        }
        return accept ? 1 : 0;
    }

    bool bound = true, present = false, accept = true;
    std::function<void()> onSend;  // on the worker thread, inside SetFeature
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
    void PostApplyProgress(int sent, int total) override {
        std::lock_guard lock(mutex);
        progress.emplace_back(sent, total);
    }
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
    std::vector<std::pair<int, int>> progress;  // (sent, total), from the worker thread
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

// The window's progress must end exactly at the last report, whatever the apply sends.
TEST_F(DeviceLinkTest, ProgressCountsEveryReportOfTheApply) {
    v1.present = true;
    Start();
    const auto progressOf = [this](int n) {
        std::vector<std::pair<int, int>> steps;
        for (int i = 0; n > 0 && i <= n; ++i) {
            steps.emplace_back(i, n);
        }
        return steps;
    };
    const struct {
        const char* name;
        std::function<void()> change;
        bool all;
        int reports;
    } cases[] = {
        {"first apply with two macros",
         [this] {
             working->Current().buttons[3].type = 18;
             working->Current().buttons[7].type = 18;
         },
         false, 6},
        {"nothing changed", [] {}, false, 0},
        {"report rate only", [this] { working->Current().reportRate = 3; }, false, 1},
        {"one macro button and the button report",
         [this] { working->Current().buttons[3].repeatCount = 4; }, false, 2},
        {"refused reports still count",
         [this] {
             v1.accept = false;
             working->Current().lightBrightness = 2;
         },
         false, 1},
        {"restored defaults send everything",
         [this] {
             v1.accept = true;
             MarkAllChanged(*working);
         },
         true, 6},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        c.change();
        ui.progress.clear();
        const std::vector<std::string> wireLog = Apply(c.all);
        const auto reports = std::count_if(wireLog.begin(), wireLog.end(),
                                           [](const std::string& e) { return e[0] == 'v'; });
        EXPECT_EQ(reports, c.reports);
        std::lock_guard lock(ui.mutex);
        EXPECT_EQ(ui.progress, progressOf(c.reports));
    }
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

// Two slots bound to one list entry are one profile: the apply copies the slot being edited
// into its twin and into the entry, whichever of the two is current, and leaves the slot
// bound elsewhere alone.
TEST_F(DeviceLinkTest, SlotsBoundToOneEntryTakeTheCurrentProfile) {
    v1.present = true;
    Start();
    Apply();
    ASSERT_EQ(list.Size(), 3u);
    for (const int current : {0, 2}) {
        SCOPED_TRACE(current);
        const int twin = 2 - current;
        working->slotProfile[0] = 0;
        working->slotProfile[1] = 1;
        working->slotProfile[2] = 0;
        working->currentSlot = current;
        working->profiles[twin].levelX[0] = 111;  // stale: the twin was not edited
        working->profiles[1].levelX[0] = 77;
        working->Current().levelX[0] = 200 + current;
        working->Current().name[0] = u'A' + static_cast<char16_t>(current);
        Apply();
        const tagPROFILE& edited = working->Current();
        EXPECT_EQ(std::memcmp(&working->profiles[twin], &edited, sizeof(tagPROFILE)), 0);
        EXPECT_EQ(std::memcmp(&list.At(0), &edited, sizeof(tagPROFILE)), 0);
        EXPECT_EQ(edited.levelX[0], 200 + current);
        EXPECT_EQ(working->profiles[1].levelX[0], 77);
        EXPECT_EQ(list.At(1).levelX[0], 77);
    }
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

// A mouse that arrives while an apply is sending has received none of it: the apply's end
// must not use up the full apply the arrival asked for.
TEST_F(DeviceLinkTest, ArrivalDuringAnApplyMakesTheNextApplySendEverything) {
    v1.present = true;
    Start();
    std::promise<void> entered, release;
    auto released = release.get_future().share();
    v1.onSend = [&, first = true]() mutable {
        if (std::exchange(first, false)) {
            entered.set_value();
            released.wait();
        }
    };
    const std::size_t before = ui.finished.size();
    link.RequestApply(false);
    entered.get_future().wait();
    // Unplugged and plugged again while the first report is on its way.
    link.OnConnectionMessage(0, 0);
    link.OnConnectionMessage(0, 1);
    link.CompleteArrival(0);
    release.set_value();
    ASSERT_TRUE(ui.WaitFinished(before + 1));
    link.OnApplyFinished(ui.finished.back());
    wire.Take();
    v1.onSend = nullptr;

    EXPECT_TRUE(link.FullApplyPending());
    EXPECT_EQ(Apply(), (std::vector<std::string>{"v0 04/34", "pause 400", "v0 05/9", "pause 400",
                                                 "v0 06/8", "pause 400", "v0 08/76", "pause 400"}));
    EXPECT_FALSE(link.FullApplyPending());
    EXPECT_TRUE(Apply().empty());
}

TEST_F(DeviceLinkTest, FullApplyAfterArrivalSendsEveryMacro) {
    // Loaded that way: nothing differs between the working and the applied state.
    for (tagSTATEBLOCK* block : {working.get(), applied.get()}) {
        block->Current().buttons[2].type = 18;
        block->Current().buttons[8].type = 18;
    }
    Start();
    link.OnConnectionMessage(0, 1);
    link.CompleteArrival(0);
    ASSERT_TRUE(link.Connected(0));

    const std::size_t before = ui.finished.size();
    link.RequestApply(false);
    ASSERT_TRUE(ui.WaitFinished(before + 1));
    link.OnApplyFinished(ui.finished.back());
    std::vector<std::string> order;
    {
        std::lock_guard lock(wire.mutex);
        for (const auto& r : wire.reports) {
            char text[16];
            std::snprintf(text, sizeof text, r[0] == 9 ? "%02X b%d" : "%02X", r[0], r[2]);
            order.push_back(text);
        }
    }
    EXPECT_EQ(order, (std::vector<std::string>{"04", "05", "06", "09 b3", "09 b9", "08"}));
    wire.Take();
    EXPECT_TRUE(Apply().empty()) << "nothing changed since";
}

// The window frees the profile list and the transport libraries while its event loop may
// still hold a device message or the arrival timer. None of it may reach them.
TEST_F(DeviceLinkTest, NothingReachesTheLinkAfterShutdown) {
    auto t1 = std::make_unique<FakeTransport>(0, wire);
    auto t2 = std::make_unique<FakeTransport>(1, wire);
    t1->present = true;
    DeviceLink own(*working, *applied, list, store, ui, {t1.get(), t2.get()},
                   [](std::chrono::milliseconds) {});
    own.CreateWorker();
    own.OpenAtStartup();
    store.NewProfile();
    store.NewProfile();
    ASSERT_EQ(list.Size(), 5u);
    own.OnConnectionMessage(1, 1);  // its settle timer is still running
    const auto listBefore = ReadAll(store.ProfileListPath());
    const auto stateBefore = ReadAll(store.StateFilePath());
    ui.calls.clear();

    // The destruction order of the main window.
    list.Clear();
    own.Close();
    EXPECT_EQ(t1->closes, 1);
    t1.reset();  // the libraries are freed
    t2.reset();
    wire.Take();

    own.OnEventMessage(0, 0x1000, 3);
    own.OnEventMessage(0, 0x2000, 2);
    own.OnEventMessage(1, 0xA000, 0);
    own.OnConnectionMessage(0, 0);
    own.OnConnectionMessage(1, 1);
    own.CompleteArrival(1);
    own.OnApplyFinished(false);
    own.RequestApply(false);

    EXPECT_EQ(ReadAll(store.ProfileListPath()), listBefore);
    EXPECT_EQ(listBefore.size(), 5 * sizeof(tagPROFILE));
    EXPECT_EQ(ReadAll(store.StateFilePath()), stateBefore);
    EXPECT_TRUE(ui.calls.empty());
    EXPECT_TRUE(wire.Take().empty());
    EXPECT_EQ(working->Current().currentLevel, 1);
}

// Even without the shutdown guard, a write-back never saves an empty list.
TEST_F(DeviceLinkTest, LevelEventWithAnEmptyListSavesNothing) {
    v1.present = true;
    Start();
    const auto listBefore = ReadAll(store.ProfileListPath());
    list.Clear();
    link.OnEventMessage(0, 0x1000, 3);
    EXPECT_EQ(ReadAll(store.ProfileListPath()), listBefore);
}

}  // namespace
