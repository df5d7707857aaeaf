// An in-memory HID system for the hidapi plug-in's logic: devices that can be present or
// not, queued input reports and hot-plug events, and a record of what was sent.
#pragma once

#include <atomic>
#include <chrono>
#include <condition_variable>
#include <deque>
#include <memory>
#include <mutex>
#include <thread>
#include <vector>

#include "HidSystem.h"

struct FakeHidShared {
    std::mutex mutex;
    std::condition_variable changed;
    bool present = false;
    int opens = 0;
    int sendLimit = -1;  // bytes a transfer gets through; -1 all of them
    std::vector<std::vector<std::uint8_t>> sent;
    std::deque<std::vector<std::uint8_t>> input;
    std::deque<HidNodeEvent> events;
    std::vector<std::string> presentNodes;
    // What the driver asked of the monitor: one timeout per wait, and a pending wake.
    std::vector<int> waitTimeouts;
    bool woken = false;
    // Detects two threads inside one device at once, which the driver must never allow.
    std::atomic<int> inside{0};
    std::atomic<bool> overlapped{false};
    std::atomic<int> liveDevices{0};

    void QueueInput(std::vector<std::uint8_t> report) {
        std::lock_guard lock(mutex);
        input.push_back(std::move(report));
        changed.notify_all();
    }
    void QueueEvent(HidNodeEvent event) {
        std::lock_guard lock(mutex);
        events.push_back(std::move(event));
        changed.notify_all();
    }
};

class FakeHidDevice : public HidDevice {
public:
    explicit FakeHidDevice(std::shared_ptr<FakeHidShared> shared) : s_(std::move(shared)) {
        ++s_->liveDevices;
    }
    ~FakeHidDevice() override { --s_->liveDevices; }

    int SendFeature(const std::uint8_t* data, std::size_t length) override {
        Guard guard(*s_);
        std::this_thread::yield();  // widen the window an overlap would need
        std::lock_guard lock(s_->mutex);
        s_->sent.emplace_back(data, data + length);
        return s_->sendLimit < 0 ? static_cast<int>(length) : s_->sendLimit;
    }
    int GetFeature(std::uint8_t*, std::size_t) override { return -1; }
    int Read(std::uint8_t* data, std::size_t length, int timeoutMs) override {
        Guard guard(*s_);
        std::unique_lock lock(s_->mutex);
        if (!s_->changed.wait_for(lock, std::chrono::milliseconds(timeoutMs),
                                  [&] { return !s_->input.empty(); })) {
            return 0;
        }
        auto report = std::move(s_->input.front());
        s_->input.pop_front();
        const std::size_t n = std::min(length, report.size());
        std::copy_n(report.begin(), n, data);
        return static_cast<int>(n);
    }

private:
    struct Guard {
        explicit Guard(FakeHidShared& s) : s(s) {
            if (s.inside.fetch_add(1) != 0) {
                s.overlapped = true;
            }
        }
        ~Guard() { s.inside.fetch_sub(1); }
        FakeHidShared& s;
    };
    std::shared_ptr<FakeHidShared> s_;
};

class FakeHidMonitor : public HidMonitor {
public:
    explicit FakeHidMonitor(std::shared_ptr<FakeHidShared> shared) : s_(std::move(shared)) {}
    std::vector<std::string> Present() override {
        std::lock_guard lock(s_->mutex);
        return s_->presentNodes;
    }
    std::optional<HidNodeEvent> Wait(int timeoutMs) override {
        std::unique_lock lock(s_->mutex);
        s_->waitTimeouts.push_back(timeoutMs);
        s_->changed.notify_all();
        auto ready = [&] { return !s_->events.empty() || s_->woken; };
        if (timeoutMs < 0) {
            s_->changed.wait(lock, ready);
        } else if (!s_->changed.wait_for(lock, std::chrono::milliseconds(timeoutMs), ready)) {
            return std::nullopt;
        }
        if (s_->woken) {
            s_->woken = false;
            return std::nullopt;
        }
        auto event = s_->events.front();
        s_->events.pop_front();
        return event;
    }

    void Wake() override {
        std::lock_guard lock(s_->mutex);
        s_->woken = true;
        s_->changed.notify_all();
    }

private:
    std::shared_ptr<FakeHidShared> s_;
};

class FakeHidSystem : public HidSystem {
public:
    explicit FakeHidSystem(std::shared_ptr<FakeHidShared> shared) : s_(std::move(shared)) {}
    std::unique_ptr<HidDevice> Open(std::uint16_t, std::uint16_t) override {
        std::lock_guard lock(s_->mutex);
        if (!s_->present) {
            return nullptr;
        }
        ++s_->opens;
        return std::make_unique<FakeHidDevice>(s_);
    }
    std::unique_ptr<HidMonitor> Watch(std::uint16_t, std::uint16_t) override {
        return std::make_unique<FakeHidMonitor>(s_);
    }

private:
    std::shared_ptr<FakeHidShared> s_;
};
