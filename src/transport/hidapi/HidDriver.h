// The logic of one hidapi transport plug-in behind the entry points of hiddriver.h: which
// device is selected, its feature handle, and the thread that watches hot-plug events and reads
// the device's event reports.
#pragma once

#include <atomic>
#include <condition_variable>
#include <cstdint>
#include <memory>
#include <mutex>
#include <set>
#include <string>
#include <thread>

#include "HidSystem.h"
#include "hiddriver.h"

class HidDriver {
public:
    explicit HidDriver(std::unique_ptr<HidSystem> system);
    ~HidDriver();
    HidDriver(const HidDriver&) = delete;
    HidDriver& operator=(const HidDriver&) = delete;

    std::int32_t SetVidPid(std::int32_t vendorId, std::int32_t productId);
    std::int32_t OpenDevMonitor(const hiddriver_target* target, std::int32_t eventMessage,
                                std::int32_t connectionMessage);
    std::int32_t CloseDevMonitor();
    std::int32_t OpenFeatureDevice();
    std::int32_t CloseFeatureDevice();
    std::int32_t SetFeature(const std::uint8_t* report, std::int32_t length);
    std::int32_t GetFeature(std::uint8_t* report, std::int32_t length);

    // Exposed for tests: how an input report becomes an event message. False when the
    // report is not an event.
    static bool DecodeEvent(const std::uint8_t* data, int length, std::uint16_t* category,
                            std::uint16_t* value);

private:
    void WatchLoop();
    void HandleNodeEvent(const HidNodeEvent& event);
    // Reads at most one input report; false when there is no open device to read from.
    bool ReadOneReport();
    void Post(std::uint32_t message, std::uintptr_t wParam, std::intptr_t lParam);
    void IdleWait(int ms);
    // Sleeps until WakeWatcher or shutdown.
    void SleepUntilWoken();
    void WakeWatcher();

    std::unique_ptr<HidSystem> system_;
    std::atomic<std::uint16_t> vendorId_{0};
    std::atomic<std::uint16_t> productId_{0};

    // The worker thread's SetFeature may run while the user-interface thread reopens or
    // closes the device, and the watch thread reads from it: every use of device_ holds this.
    std::mutex deviceMutex_;
    std::unique_ptr<HidDevice> device_;

    // Owned by the user-interface thread while the watch thread is stopped, else by it.
    hiddriver_target target_{};
    std::uint32_t eventMessage_ = 0;
    std::uint32_t connectionMessage_ = 0;
    std::unique_ptr<HidMonitor> monitor_;
    std::set<std::string> presentNodes_;

    std::thread watchThread_;
    std::mutex stopMutex_;
    std::condition_variable stopSignal_;
    bool stopping_ = false;
    bool woken_ = false;
};
