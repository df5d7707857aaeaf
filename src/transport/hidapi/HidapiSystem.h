// The real HID side of the plug-in: hidapi (hidraw backend) for the device, a libudev monitor
// on the hidraw subsystem for arrival and removal.
#pragma once

#include "HidSystem.h"

class HidapiSystem : public HidSystem {
public:
    HidapiSystem();
    std::unique_ptr<HidDevice> Open(std::uint16_t vendorId, std::uint16_t productId) override;
    std::unique_ptr<HidMonitor> Watch(std::uint16_t vendorId, std::uint16_t productId) override;
};
