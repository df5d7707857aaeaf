#include "platform/DeviceNodeAccess.h"

#include <unistd.h>

#include <cstdio>
#include <fstream>
#include <system_error>

namespace {

// HID_ID in the HID device's uevent reads "bus:vendor:product" in hex.
bool UeventMatches(const std::filesystem::path& uevent, std::uint16_t vendorId,
                   std::uint16_t productId) {
    std::ifstream in(uevent);
    std::string line;
    while (std::getline(in, line)) {
        unsigned bus = 0;
        unsigned vendor = 0;
        unsigned product = 0;
        if (line.rfind("HID_ID=", 0) == 0 &&
            std::sscanf(line.c_str() + 7, "%x:%x:%x", &bus, &vendor, &product) == 3) {
            return vendor == vendorId && product == productId;
        }
    }
    return false;
}

}  // namespace

std::string FindClosedDeviceNode(std::uint16_t vendorId, std::uint16_t productId,
                                 const DeviceNodeProbe& probe) {
    std::error_code error;
    std::filesystem::directory_iterator it(probe.sysClass, error);
    if (error) {
        return {};
    }
    for (const auto& entry : it) {
        const std::string name = entry.path().filename().string();
        if (!UeventMatches(entry.path() / "device" / "uevent", vendorId, productId)) {
            continue;
        }
        const std::filesystem::path node = probe.dev / name;
        const bool open = probe.mayOpen ? probe.mayOpen(node)
                                        : access(node.c_str(), R_OK | W_OK) == 0;
        if (std::filesystem::exists(node, error) && !open) {
            return node.string();
        }
    }
    return {};
}
