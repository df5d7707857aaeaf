// Arrival and removal on Windows: configuration-manager notifications for the HID interface
// class. They arrive on a system thread without any window; Wait hands them to the watcher.
// The notification types need Windows 8; the calls are looked up at run time, because the
// import libraries of some toolchains lack them.
#ifndef _WIN32_WINNT
#define _WIN32_WINNT 0x0602
#endif
#ifndef WINVER
#define WINVER _WIN32_WINNT
#endif
// clang-format off
#include <windows.h>
#include <cfgmgr32.h>
// clang-format on

#include <condition_variable>
#include <deque>
#include <mutex>
#include <string>
#include <vector>

#include "HidInterfaceName.h"
#include "HidPlatformMonitor.h"

namespace {

// The HID interface class, {4D1E55B2-F16F-11CF-88CB-001111000030}.
constexpr GUID kHidInterfaceClass = {
    0x4D1E55B2, 0xF16F, 0x11CF, {0x88, 0xCB, 0x00, 0x11, 0x11, 0x00, 0x00, 0x30}};

using RegisterFn = CONFIGRET(WINAPI*)(PCM_NOTIFY_FILTER, PVOID, PCM_NOTIFY_CALLBACK,
                                      PHCMNOTIFICATION);
using UnregisterFn = CONFIGRET(WINAPI*)(HCMNOTIFICATION);

struct NotificationCalls {
    RegisterFn registerFn = nullptr;
    UnregisterFn unregisterFn = nullptr;
};

const NotificationCalls& Calls() {
    static const NotificationCalls calls = [] {
        NotificationCalls c;
        if (HMODULE module = LoadLibraryW(L"cfgmgr32.dll")) {  // kept for the process
            c.registerFn = reinterpret_cast<RegisterFn>(
                reinterpret_cast<void*>(GetProcAddress(module, "CM_Register_Notification")));
            c.unregisterFn = reinterpret_cast<UnregisterFn>(
                reinterpret_cast<void*>(GetProcAddress(module, "CM_Unregister_Notification")));
        }
        if (c.registerFn == nullptr || c.unregisterFn == nullptr) {
            c = {};
        }
        return c;
    }();
    return calls;
}

std::string Normalize(const WCHAR* name) {
    return NormalizeInterfaceName(std::u16string_view(reinterpret_cast<const char16_t*>(name)));
}

class ConfigManagerMonitor : public HidMonitor {
public:
    ConfigManagerMonitor(std::uint16_t vendorId, std::uint16_t productId)
        : vendorId_(vendorId), productId_(productId) {}
    ~ConfigManagerMonitor() override {
        // Returns after any running callback has finished, so none can reach a freed monitor.
        if (handle_ != nullptr) {
            Calls().unregisterFn(handle_);
        }
    }

    bool Start() {
        if (Calls().registerFn == nullptr) {
            return false;
        }
        CM_NOTIFY_FILTER filter{};
        filter.cbSize = sizeof filter;
        filter.FilterType = CM_NOTIFY_FILTER_TYPE_DEVICEINTERFACE;
        filter.u.DeviceInterface.ClassGuid = kHidInterfaceClass;
        return Calls().registerFn(&filter, this, &Notified, &handle_) == CR_SUCCESS;
    }

    std::vector<std::string> Present() override {
        std::vector<std::string> nodes;
        GUID hidClass = kHidInterfaceClass;
        ULONG size = 0;
        if (CM_Get_Device_Interface_List_SizeW(
                &size, &hidClass, nullptr, CM_GET_DEVICE_INTERFACE_LIST_PRESENT) != CR_SUCCESS ||
            size == 0) {
            return nodes;
        }
        std::vector<WCHAR> list(size);
        if (CM_Get_Device_Interface_ListW(&hidClass, nullptr, list.data(), size,
                                          CM_GET_DEVICE_INTERFACE_LIST_PRESENT) != CR_SUCCESS) {
            return nodes;
        }
        // A run of names, each ended by a zero, the whole ended by an empty name.
        for (const WCHAR* name = list.data(); *name != 0; name += wcslen(name) + 1) {
            std::string normalized = Normalize(name);
            if (InterfaceNameMatches(normalized, vendorId_, productId_)) {
                nodes.push_back(std::move(normalized));
            }
        }
        return nodes;
    }

    std::optional<HidNodeEvent> Wait(int timeoutMs) override {
        std::unique_lock lock(mutex_);
        auto ready = [this] { return !events_.empty() || woken_; };
        if (timeoutMs < 0) {
            changed_.wait(lock, ready);
        } else if (!changed_.wait_for(lock, std::chrono::milliseconds(timeoutMs), ready)) {
            return std::nullopt;
        }
        if (woken_) {
            woken_ = false;
            return std::nullopt;
        }
        HidNodeEvent event = std::move(events_.front());
        events_.pop_front();
        return event;
    }

    void Wake() override {
        {
            std::lock_guard lock(mutex_);
            woken_ = true;
        }
        changed_.notify_all();
    }

private:
    static DWORD CALLBACK Notified(HCMNOTIFICATION, PVOID context, CM_NOTIFY_ACTION action,
                                   PCM_NOTIFY_EVENT_DATA data, DWORD) {
        auto* self = static_cast<ConfigManagerMonitor*>(context);
        if (data == nullptr || data->FilterType != CM_NOTIFY_FILTER_TYPE_DEVICEINTERFACE) {
            return ERROR_SUCCESS;
        }
        const bool added = action == CM_NOTIFY_ACTION_DEVICEINTERFACEARRIVAL;
        if (!added && action != CM_NOTIFY_ACTION_DEVICEINTERFACEREMOVAL) {
            return ERROR_SUCCESS;
        }
        std::string name = Normalize(data->u.DeviceInterface.SymbolicLink);
        const bool matches = added && InterfaceNameMatches(name, self->vendorId_, self->productId_);
        {
            std::lock_guard lock(self->mutex_);
            self->events_.push_back(
                {added ? HidNodeEvent::Kind::Added : HidNodeEvent::Kind::Removed, std::move(name),
                 matches});
        }
        self->changed_.notify_all();
        return ERROR_SUCCESS;
    }

    std::uint16_t vendorId_;
    std::uint16_t productId_;
    HCMNOTIFICATION handle_ = nullptr;
    std::mutex mutex_;
    std::condition_variable changed_;
    std::deque<HidNodeEvent> events_;
    bool woken_ = false;
};

}  // namespace

std::unique_ptr<HidMonitor> WatchHidDevices(std::uint16_t vendorId, std::uint16_t productId) {
    auto monitor = std::make_unique<ConfigManagerMonitor>(vendorId, productId);
    if (!monitor->Start()) {
        return nullptr;
    }
    return monitor;
}
