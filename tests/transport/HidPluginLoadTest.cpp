// The two real hidapi plug-ins, loaded through the ABI on a machine without the mouse.
#include <gtest/gtest.h>

#include <filesystem>
#include <thread>

#include "PluginLibrary.h"
#include "PostRecorder.h"

namespace {

int ThreadCount() {
    int n = 0;
    for ([[maybe_unused]] auto& entry : std::filesystem::directory_iterator("/proc/self/task")) {
        ++n;
    }
    return n;
}

TEST(HidPluginLoad, BothVariantsBindAndFindNoMouse) {
    for (const char* path : {HIDDRIVER_1_PATH, HIDDRIVER_2_PATH}) {
        SCOPED_TRACE(path);
        PluginLibrary plugin(path);
        ASSERT_EQ(plugin.Error(), "");
        plugin.setVidPid(0x1D57, 0xFA60);
        EXPECT_EQ(plugin.openFeatureDevice(), 0);
        const std::uint8_t report[8] = {0x06, 0x08, 0x04};
        EXPECT_EQ(plugin.setFeature(report, 8), 0);
        std::uint8_t buffer[8] = {0x06};
        EXPECT_EQ(plugin.getFeature(buffer, 8), 0);
    }
}

// Each library has its own driver: closing one variant's monitor leaves the other's running.
TEST(HidPluginLoad, VariantsKeepSeparateState) {
    PluginLibrary one(HIDDRIVER_1_PATH);
    PluginLibrary two(HIDDRIVER_2_PATH);
    ASSERT_EQ(one.Error(), "");
    ASSERT_EQ(two.Error(), "");
    ASSERT_NE(reinterpret_cast<void*>(one.setFeature), reinterpret_cast<void*>(two.setFeature));
    PostRecorder posts;
    const hiddriver_target target = posts.Target();
    std::thread([] {}).join();  // a sanitizer starts its helper thread on the first one
    const int before = ThreadCount();
    one.setVidPid(0x1D57, 0xFA60);
    one.openDevMonitor(&target, 1325, 1326);
    EXPECT_EQ(ThreadCount(), before + 1);
    two.closeDevMonitor();
    EXPECT_EQ(ThreadCount(), before + 1) << "variant 2 stopped variant 1's monitor";
    two.setVidPid(0x1D57, 0xFA61);
    two.openDevMonitor(&target, 1327, 1328);
    EXPECT_EQ(ThreadCount(), before + 2);
    one.closeDevMonitor();
    EXPECT_EQ(ThreadCount(), before + 1);
    two.closeDevMonitor();
    EXPECT_EQ(ThreadCount(), before);
    EXPECT_TRUE(posts.Messages().empty());
}

}  // namespace
