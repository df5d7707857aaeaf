// Telling "no mouse" from "a mouse whose node we may not open", on a made-up sysfs.
#include <gtest/gtest.h>

#include <fstream>
#include <set>

#include "platform/DeviceNodeAccess.h"
#include "support/TempDir.h"

namespace {

class DeviceNodeAccessTest : public ::testing::Test {
protected:
    void AddNode(const std::string& name, const std::string& hidId) {
        const auto device = dir.Path() / "sys" / name / "device";
        std::filesystem::create_directories(device);
        std::ofstream(device / "uevent") << "DRIVER=hid-generic\nHID_ID=" << hidId
                                         << "\nHID_NAME=Mouse\n";
        std::filesystem::create_directories(dir.Path() / "dev");
        std::ofstream(dir.Path() / "dev" / name) << "";
    }
    std::string Find(std::uint16_t product = 0xFA60) {
        DeviceNodeProbe probe{dir.Path() / "sys", dir.Path() / "dev",
                              [this](const std::filesystem::path& node) {
                                  return open.count(node.filename().string()) != 0;
                              }};
        return FindClosedDeviceNode(0x1D57, product, probe);
    }

    TempDir dir;
    std::set<std::string> open;
};

TEST_F(DeviceNodeAccessTest, NamesTheClosedNodeOfTheMouseOnly) {
    EXPECT_EQ(Find(), "") << "no sysfs folder at all";
    AddNode("hidraw0", "0003:0000046D:0000C077");  // someone else's mouse, also closed
    EXPECT_EQ(Find(), "");
    AddNode("hidraw1", "0003:00001D57:0000FA60");
    open = {"hidraw1"};
    EXPECT_EQ(Find(), "") << "ours and open to us";
    open.clear();
    EXPECT_EQ(Find(), (dir.Path() / "dev" / "hidraw1").string());
    EXPECT_EQ(Find(0xFA61), "") << "the other product is not plugged in";
}

TEST_F(DeviceNodeAccessTest, ANodeWithoutADeviceFileIsNotReported) {
    AddNode("hidraw2", "0003:00001D57:0000FA60");
    std::filesystem::remove(dir.Path() / "dev" / "hidraw2");  // gone between the two looks
    EXPECT_EQ(Find(), "");
}

}  // namespace
