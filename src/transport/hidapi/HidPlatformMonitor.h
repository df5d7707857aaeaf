// The operating system's arrival and removal service for HID devices: libudev on Linux
// (UdevMonitor.cpp), the configuration manager's notifications on Windows
// (WindowsHidMonitor.cpp).
#pragma once

#include <cstdint>
#include <memory>

#include "HidSystem.h"

// nullptr when this machine offers no such service; the driver then waits for an open device.
std::unique_ptr<HidMonitor> WatchHidDevices(std::uint16_t vendorId, std::uint16_t productId);
