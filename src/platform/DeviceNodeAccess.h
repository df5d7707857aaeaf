// Whether the mouse is plugged in but its device node is closed to this user (no udev rule
// giving the logged-in user access): the plug-in then only says it cannot open the device,
// which looks the same as no mouse at all.
#pragma once

#include <cstdint>
#include <filesystem>
#include <functional>
#include <string>

struct DeviceNodeProbe {
    std::filesystem::path sysClass = "/sys/class/hidraw";
    std::filesystem::path dev = "/dev";
    // Whether this process may read and write the node; the system's answer when empty.
    std::function<bool(const std::filesystem::path&)> mayOpen;
};

// The first node of that vendor and product that this process may not open for reading and
// writing; empty when there is none (no such device, every node open to us, or no such
// service on this system).
std::string FindClosedDeviceNode(std::uint16_t vendorId, std::uint16_t productId,
                                 const DeviceNodeProbe& probe = {});
