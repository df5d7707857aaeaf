// One product variant's transport plug-in as the device link sees it. The Qt side binds a
// real plug-in behind it; tests use a fake.
#pragma once

#include <cstdint>

class Transport {
public:
    virtual ~Transport() = default;

    // False when the variant's plug-in could not be loaded; nothing else may be called then.
    virtual bool Bound() const = 0;
    virtual void SetVidPid(std::int32_t vendorId, std::int32_t productId) = 0;
    virtual void OpenDevMonitor(std::int32_t eventMessage, std::int32_t connectionMessage) = 0;
    virtual void CloseDevMonitor() = 0;
    virtual std::int32_t OpenFeatureDevice() = 0;
    virtual void CloseFeatureDevice() = 0;
    // The only call made from the worker thread.
    virtual std::int32_t SetFeature(const std::uint8_t* report, std::int32_t length) = 0;
};

inline constexpr std::int32_t kVendorId = 0x1D57;
inline constexpr std::int32_t kProductId[2] = {0xFA60, 0xFA61};
inline constexpr std::int32_t kEventMessage[2] = {1325, 1327};
inline constexpr std::int32_t kConnectionMessage[2] = {1326, 1328};
