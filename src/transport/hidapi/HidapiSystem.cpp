#include "HidapiSystem.h"

#include <hidapi/hidapi.h>
#include <string>

#include "HidPlatformMonitor.h"

namespace {

class HidapiDevice : public HidDevice {
public:
    explicit HidapiDevice(hid_device* handle) : handle_(handle) {}
    ~HidapiDevice() override { hid_close(handle_); }

    int SendFeature(const std::uint8_t* data, std::size_t length) override {
        return hid_send_feature_report(handle_, data, length);
    }
    int GetFeature(std::uint8_t* data, std::size_t length) override {
        return hid_get_feature_report(handle_, data, length);
    }
    int Read(std::uint8_t* data, std::size_t length, int timeoutMs) override {
        return hid_read_timeout(handle_, data, length, timeoutMs);
    }

private:
    hid_device* handle_;
};

}  // namespace

// hid_exit is never called: the library is shared with the other variant's plug-in in the
// same process, and hid_init may be repeated.
HidapiSystem::HidapiSystem() {
    hid_init();
}

std::unique_ptr<HidDevice> HidapiSystem::Open(std::uint16_t vendorId, std::uint16_t productId) {
    // The mouse has several interfaces; its configuration lives on the vendor-defined one.
    hid_device_info* list = hid_enumerate(vendorId, productId);
    std::string chosen;
    for (hid_device_info* info = list; info != nullptr; info = info->next) {
        if (chosen.empty() || info->usage_page >= 0xFF00) {
            chosen = info->path;
            if (info->usage_page >= 0xFF00) {
                break;
            }
        }
    }
    hid_free_enumeration(list);
    if (chosen.empty()) {
        return nullptr;
    }
    hid_device* handle = hid_open_path(chosen.c_str());
    if (handle == nullptr) {
        return nullptr;
    }
    return std::make_unique<HidapiDevice>(handle);
}

std::unique_ptr<HidMonitor> HidapiSystem::Watch(std::uint16_t vendorId, std::uint16_t productId) {
    return WatchHidDevices(vendorId, productId);
}
