// The Windows arrival and removal service, as far as a machine without the mouse shows it.
#include <gtest/gtest.h>

#include <thread>

#include "HidPlatformMonitor.h"

namespace {

TEST(WindowsHidMonitor, AnEndlessWaitEndsOnWakeAndNoMouseIsPresent) {
    auto monitor = WatchHidDevices(0x1D57, 0xFA60);
    if (!monitor) {
        GTEST_SKIP() << "no configuration-manager notifications on this system";
    }
    EXPECT_TRUE(monitor->Present().empty());
    std::thread waker([&] { monitor->Wake(); });
    EXPECT_FALSE(monitor->Wait(-1).has_value());  // returns: the wake reached it
    waker.join();
    monitor->Wake();  // before the wait: still ends it
    EXPECT_FALSE(monitor->Wait(-1).has_value());
}

}  // namespace
