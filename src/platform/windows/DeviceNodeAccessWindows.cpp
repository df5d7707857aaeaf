#include "platform/DeviceNodeAccess.h"

// Windows gives HID devices to every user; there is nothing to report.
std::string FindClosedDeviceNode(std::uint16_t, std::uint16_t, const DeviceNodeProbe&) {
    return {};
}
