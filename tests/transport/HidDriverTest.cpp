// The hidapi plug-in's logic against a fake HID system.
#include <gtest/gtest.h>

#include <atomic>
#include <thread>

#include "FakeHidSystem.h"
#include "HidDriver.h"
#include "PostRecorder.h"

namespace {

constexpr std::int32_t kEventMessage = 1325;
constexpr std::int32_t kConnectionMessage = 1326;

class HidDriverTest : public ::testing::Test {
protected:
    HidDriverTest() : driver(std::make_unique<FakeHidSystem>(fake)) {
        driver.SetVidPid(0x1D57, 0xFA60);
    }
    void StartMonitor() {
        const hiddriver_target target = posts.Target();
        driver.OpenDevMonitor(&target, kEventMessage, kConnectionMessage);
    }
    void Plug(bool present) {
        std::lock_guard lock(fake->mutex);
        fake->present = present;
    }

    std::shared_ptr<FakeHidShared> fake = std::make_shared<FakeHidShared>();
    PostRecorder posts;  // outlives the driver, as the program's window does
    HidDriver driver;
};

TEST_F(HidDriverTest, OpenReportsPresenceAndKeepsAnOpenDevice) {
    EXPECT_EQ(driver.OpenFeatureDevice(), 0);
    Plug(true);
    EXPECT_NE(driver.OpenFeatureDevice(), 0);
    EXPECT_NE(driver.OpenFeatureDevice(), 0);
    EXPECT_EQ(fake->opens, 1) << "a second open must keep the device, not reopen it";
    driver.CloseFeatureDevice();
    EXPECT_EQ(fake->liveDevices, 0);
    const std::uint8_t report[8] = {0x06, 0x08, 0x04};
    EXPECT_EQ(driver.SetFeature(report, 8), 0) << "closed device";
    EXPECT_NE(driver.OpenFeatureDevice(), 0);
    EXPECT_NE(driver.SetFeature(report, 8), 0);
}

TEST_F(HidDriverTest, SetFeatureSendsExactlyTheGivenLength) {
    Plug(true);
    ASSERT_NE(driver.OpenFeatureDevice(), 0);
    std::vector<std::uint8_t> buffer(200, 0xAB);  // longer than any report
    for (std::uint8_t length : {34, 9, 8, 76, 130}) {
        buffer[0] = 0x04;
        buffer[1] = length;
        EXPECT_NE(driver.SetFeature(buffer.data(), length), 0);
        ASSERT_EQ(fake->sent.back().size(), length);
        EXPECT_TRUE(std::equal(fake->sent.back().begin(), fake->sent.back().end(), buffer.begin()));
    }
}

TEST_F(HidDriverTest, SetFeatureFailsOnBadArgumentsAndShortTransfers) {
    Plug(true);
    ASSERT_NE(driver.OpenFeatureDevice(), 0);
    const std::uint8_t report[9] = {0x05, 0x09};
    EXPECT_EQ(driver.SetFeature(nullptr, 9), 0);
    EXPECT_EQ(driver.SetFeature(report, 0), 0);
    EXPECT_EQ(driver.SetFeature(report, -9), 0);
    EXPECT_TRUE(fake->sent.empty()) << "nothing may reach the device for a bad call";
    fake->sendLimit = 5;
    EXPECT_EQ(driver.SetFeature(report, 9), 0) << "a partial transfer is not a success";
    fake->sendLimit = -1;
    EXPECT_NE(driver.SetFeature(report, 9), 0);
}

TEST_F(HidDriverTest, ArrivalAndRemovalAreAnnouncedOncePerDevice) {
    StartMonitor();
    using K = HidNodeEvent::Kind;
    fake->QueueEvent({K::Added, "/other", false});  // another vendor's device
    fake->QueueEvent({K::Added, "/mouse/if0", true});
    fake->QueueEvent({K::Added, "/mouse/if1", true});  // same mouse, second interface
    fake->QueueEvent({K::Removed, "/other", false});
    fake->QueueEvent({K::Removed, "/mouse/if0", false});
    fake->QueueEvent({K::Removed, "/mouse/if1", false});
    fake->QueueEvent({K::Added, "/mouse/if0", true});
    ASSERT_TRUE(posts.WaitFor(3));
    driver.CloseDevMonitor();
    const std::vector<PostedMessage> expected = {
        {kConnectionMessage, 1, 0}, {kConnectionMessage, 0, 0}, {kConnectionMessage, 1, 0}};
    EXPECT_EQ(posts.Messages(), expected);
}

TEST_F(HidDriverTest, DevicePresentAtStartIsNotAnnouncedButItsRemovalIs) {
    fake->presentNodes = {"/mouse/if0"};
    StartMonitor();
    fake->QueueEvent({HidNodeEvent::Kind::Removed, "/mouse/if0", false});
    ASSERT_TRUE(posts.WaitFor(1));
    driver.CloseDevMonitor();
    EXPECT_EQ(posts.Messages(), (std::vector<PostedMessage>{{kConnectionMessage, 0, 0}}));
}

TEST_F(HidDriverTest, InputReportsBecomeEventMessages) {
    Plug(true);
    ASSERT_NE(driver.OpenFeatureDevice(), 0);
    StartMonitor();
    struct Case {
        std::vector<std::uint8_t> report;
        bool posted;
        std::uintptr_t category;
        std::intptr_t value;
    };
    const Case cases[] = {
        {{0x03, 0x00, 0x10, 0x03, 0x00, 0, 0, 0}, true, 0x1000, 3},
        {{0x03, 0x00, 0x20, 0x04, 0x00, 0, 0, 0}, true, 0x2000, 4},
        {{0x03, 0x00, 0x30, 0x0C, 0x01, 0, 0, 0}, true, 0x3000, 0x10C},
        {{0x03, 0x00, 0xA0, 0xFF, 0xFF, 0, 0, 0}, true, 0xA000, 0xFFFF},  // value not signed
        {{0x03, 0x00, 0x10, 0x02, 0x00}, true, 0x1000, 2},                // five bytes are enough
        {{0x02, 0x00, 0x10, 0x03, 0x00, 0, 0, 0}, false, 0, 0},           // another report
        {{0x03, 0x00, 0x10, 0x03}, false, 0, 0},                          // too short
    };
    std::vector<PostedMessage> expected;
    for (const Case& c : cases) {
        fake->QueueInput(c.report);
        if (c.posted) {
            expected.push_back({kEventMessage, c.category, c.value});
        }
    }
    fake->QueueInput({0x03, 0x00, 0x40, 0x01, 0x00});  // marks the end
    expected.push_back({kEventMessage, 0x4000, 1});
    ASSERT_TRUE(posts.WaitFor(expected.size()));
    driver.CloseDevMonitor();
    EXPECT_EQ(posts.Messages(), expected);
}

TEST_F(HidDriverTest, NothingIsPostedAfterCloseDevMonitor) {
    Plug(true);
    ASSERT_NE(driver.OpenFeatureDevice(), 0);
    StartMonitor();
    driver.CloseDevMonitor();
    fake->QueueInput({0x03, 0x00, 0x10, 0x01, 0x00});
    fake->QueueEvent({HidNodeEvent::Kind::Added, "/mouse/if0", true});
    std::this_thread::sleep_for(std::chrono::milliseconds(100));  // give a stray thread a chance
    EXPECT_TRUE(posts.Messages().empty());
}

// With no mouse the watcher sleeps in the monitor until something happens, instead of waking
// on a timer; a device opened later still has its reports read.
TEST_F(HidDriverTest, IdleWatcherBlocksAndWakesForADeviceOpenedLater) {
    StartMonitor();
    fake->QueueEvent({HidNodeEvent::Kind::Added, "/mouse/if0", true});
    ASSERT_TRUE(posts.WaitFor(1));
    Plug(true);
    ASSERT_NE(driver.OpenFeatureDevice(), 0);
    fake->QueueInput({0x03, 0x00, 0x10, 0x02, 0x00});
    ASSERT_TRUE(posts.WaitFor(2)) << "the sleeping watcher never started reading";
    driver.CloseDevMonitor();
    std::vector<int> idleWaits;
    {
        std::lock_guard lock(fake->mutex);
        for (int t : fake->waitTimeouts) {
            if (t != 0) {  // zero: a glance at the monitor between reads
                idleWaits.push_back(t);
            }
        }
    }
    ASSERT_FALSE(idleWaits.empty());
    EXPECT_LE(idleWaits.size(), 3u) << "woke more often than events happened";
    for (int t : idleWaits) {
        EXPECT_LT(t, 0) << "an idle wait with a timeout polls";
    }
}

TEST_F(HidDriverTest, CloseDevMonitorEndsABlockedWatcher) {
    StartMonitor();
    {
        // Until the watcher sits in its endless wait: only the wake can end it now.
        std::unique_lock lock(fake->mutex);
        ASSERT_TRUE(fake->changed.wait_for(lock, std::chrono::seconds(5),
                                           [&] { return !fake->waitTimeouts.empty(); }));
        EXPECT_LT(fake->waitTimeouts.back(), 0);
    }
    driver.CloseDevMonitor();  // returns: a hang here fails the test by its timeout
    fake->QueueEvent({HidNodeEvent::Kind::Added, "/mouse/if0", true});
    std::this_thread::sleep_for(std::chrono::milliseconds(50));
    EXPECT_TRUE(posts.Messages().empty());
}

// The worker's SetFeature runs while the user-interface thread reopens the device after an
// arrival and the watch thread reads: no two may be inside the device at once, and none may
// use a device that was closed (the sanitizers see that).
TEST_F(HidDriverTest, SetFeatureRacingCloseAndReadIsSafe) {
    Plug(true);
    ASSERT_NE(driver.OpenFeatureDevice(), 0);
    StartMonitor();
    std::atomic<bool> done{false};
    std::atomic<int> successes{0};
    std::thread worker([&] {
        const std::uint8_t report[8] = {0x06, 0x08, 0x02};
        while (!done) {
            successes += driver.SetFeature(report, 8) != 0;
        }
    });
    // Until both sides have had many turns; a mutex need not be fair, so count, not time.
    for (int i = 0; i < 1000000 && (i < 100 || successes < 50); ++i) {
        driver.CloseFeatureDevice();
        std::this_thread::yield();
        driver.OpenFeatureDevice();
        std::this_thread::yield();
    }
    done = true;
    worker.join();
    driver.CloseDevMonitor();
    EXPECT_FALSE(fake->overlapped);
    EXPECT_GE(successes, 50);
}

}  // namespace
