#include "HidDriver.h"

#include <array>
#include <chrono>
#include <utility>

namespace {
// How long one read waits for an input report while holding the device: short, so that a
// SetFeature from the worker thread waits at most this long.
constexpr int kReadTimeoutMs = 10;
// How long the watch thread rests after a failed read, while the removal is on its way.
constexpr int kRetryMs = 50;
}  // namespace

HidDriver::HidDriver(std::unique_ptr<HidSystem> system) : system_(std::move(system)) {}

HidDriver::~HidDriver() {
    // The library may be unloaded without Close_DevMonitor; the thread must not outlive it.
    CloseDevMonitor();
    CloseFeatureDevice();
}

std::int32_t HidDriver::SetVidPid(std::int32_t vendorId, std::int32_t productId) {
    vendorId_ = static_cast<std::uint16_t>(vendorId);
    productId_ = static_cast<std::uint16_t>(productId);
    return 1;
}

std::int32_t HidDriver::OpenDevMonitor(const hiddriver_target* target, std::int32_t eventMessage,
                                       std::int32_t connectionMessage) {
    if (target == nullptr || target->post == nullptr) {
        return 0;
    }
    CloseDevMonitor();  // a second call replaces the first target instead of leaking a thread
    target_ = *target;
    eventMessage_ = static_cast<std::uint32_t>(eventMessage);
    connectionMessage_ = static_cast<std::uint32_t>(connectionMessage);
    monitor_ = system_->Watch(vendorId_, productId_);
    presentNodes_.clear();
    if (monitor_) {
        // A device already there is opened by the program, not announced.
        for (auto& node : monitor_->Present()) {
            presentNodes_.insert(std::move(node));
        }
    }
    {
        std::lock_guard lock(stopMutex_);
        stopping_ = false;
    }
    watchThread_ = std::thread([this] { WatchLoop(); });
    return 1;
}

std::int32_t HidDriver::CloseDevMonitor() {
    if (!watchThread_.joinable()) {
        return 1;
    }
    {
        std::lock_guard lock(stopMutex_);
        stopping_ = true;
    }
    stopSignal_.notify_all();
    if (monitor_) {
        monitor_->Wake();
    }
    watchThread_.join();
    monitor_.reset();
    target_ = {};
    return 1;
}

std::int32_t HidDriver::OpenFeatureDevice() {
    std::lock_guard lock(deviceMutex_);
    if (!device_) {
        device_ = system_->Open(vendorId_, productId_);
        if (device_) {
            WakeWatcher();  // it sleeps until there is something to read
        }
    }
    return device_ ? 1 : 0;
}

std::int32_t HidDriver::CloseFeatureDevice() {
    std::lock_guard lock(deviceMutex_);
    device_.reset();
    return 1;
}

std::int32_t HidDriver::SetFeature(const std::uint8_t* report, std::int32_t length) {
    if (report == nullptr || length <= 0) {
        return 0;
    }
    std::lock_guard lock(deviceMutex_);
    if (!device_) {
        return 0;
    }
    // A partial transfer leaves the device with a truncated report: that is a failure.
    return device_->SendFeature(report, static_cast<std::size_t>(length)) == length ? 1 : 0;
}

std::int32_t HidDriver::GetFeature(std::uint8_t* report, std::int32_t length) {
    if (report == nullptr || length <= 0) {
        return 0;
    }
    std::lock_guard lock(deviceMutex_);
    if (!device_) {
        return 0;
    }
    const int n = device_->GetFeature(report, static_cast<std::size_t>(length));
    return n > 0 && n <= length ? n : 0;
}

bool HidDriver::DecodeEvent(const std::uint8_t* data, int length, std::uint16_t* category,
                            std::uint16_t* value) {
    if (length < 5 || data[0] != HIDDRIVER_EVENT_REPORT_ID) {
        return false;
    }
    *category = static_cast<std::uint16_t>(data[1] | (data[2] << 8));
    *value = static_cast<std::uint16_t>(data[3] | (data[4] << 8));
    return true;
}

void HidDriver::WatchLoop() {
    // Without a device to read, the thread sleeps until a hot-plug event, an opened device or
    // shutdown: a program that sits in the notification area all day must not wake for nothing.
    for (;;) {
        {
            std::lock_guard lock(stopMutex_);
            if (stopping_) {
                return;
            }
        }
        bool readable;
        {
            std::lock_guard lock(deviceMutex_);
            readable = device_ != nullptr;
        }
        if (monitor_) {
            // While a device is open the read below does the waiting.
            if (auto event = monitor_->Wait(readable ? 0 : -1)) {
                HandleNodeEvent(*event);
            }
        } else if (!readable) {
            SleepUntilWoken();
        }
        if (readable && !ReadOneReport()) {
            IdleWait(kRetryMs);
        }
    }
}

void HidDriver::HandleNodeEvent(const HidNodeEvent& event) {
    // A mouse shows up as several nodes; the program hears of the device once.
    if (event.kind == HidNodeEvent::Kind::Added) {
        if (event.matches && presentNodes_.insert(event.node).second && presentNodes_.size() == 1) {
            Post(connectionMessage_, 1, 0);
        }
    } else if (presentNodes_.erase(event.node) == 1 && presentNodes_.empty()) {
        Post(connectionMessage_, 0, 0);
    }
}

bool HidDriver::ReadOneReport() {
    std::array<std::uint8_t, 64> buffer{};
    int n;
    {
        std::lock_guard lock(deviceMutex_);
        if (!device_) {
            return true;
        }
        n = device_->Read(buffer.data(), buffer.size(), kReadTimeoutMs);
    }
    if (n < 0) {
        return false;  // the device went away; its removal is on its way
    }
    std::uint16_t category = 0;
    std::uint16_t value = 0;
    if (DecodeEvent(buffer.data(), n, &category, &value)) {
        Post(eventMessage_, category, value);
    }
    return true;
}

void HidDriver::Post(std::uint32_t message, std::uintptr_t wParam, std::intptr_t lParam) {
    target_.post(target_.context, message, wParam, lParam);
}

void HidDriver::IdleWait(int ms) {
    std::unique_lock lock(stopMutex_);
    stopSignal_.wait_for(lock, std::chrono::milliseconds(ms), [this] { return stopping_; });
}

void HidDriver::SleepUntilWoken() {
    std::unique_lock lock(stopMutex_);
    stopSignal_.wait(lock, [this] { return stopping_ || woken_; });
    woken_ = false;
}

void HidDriver::WakeWatcher() {
    {
        std::lock_guard lock(stopMutex_);
        woken_ = true;
    }
    stopSignal_.notify_all();
    // monitor_ changes only while the watch thread is stopped, on this same thread.
    if (monitor_) {
        monitor_->Wake();
    }
}
