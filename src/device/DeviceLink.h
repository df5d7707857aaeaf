// The two transport variants, their connection states, the device's own notifications and
// the apply. Lives on the user-interface thread; only the worker's jobs run elsewhere.
#pragma once

#include <array>
#include <atomic>
#include <chrono>
#include <cstdint>
#include <deque>
#include <functional>
#include <memory>
#include <optional>

#include "data/ProfileList.h"
#include "data/ProfileStore.h"
#include "device/ApplyWorker.h"
#include "device/DeviceLinkUi.h"
#include "device/Transport.h"

class DeviceLink {
public:
    using SleepFn = std::function<void(std::chrono::milliseconds)>;

    // Connection state of a variant.
    static constexpr std::int32_t kNeverConnected = 0;
    static constexpr std::int32_t kConnected = 1;
    static constexpr std::int32_t kRemoved = 2;

    DeviceLink(tagSTATEBLOCK& working, tagSTATEBLOCK& applied, ProfileList& list,
               ProfileStore& store, DeviceLinkUi& ui, std::array<Transport*, 2> transports,
               SleepFn sleep);
    ~DeviceLink();

    void CreateWorker();
    // Variant 2, then variant 1; a connected variant adds the tray icon and asks the next
    // apply to send everything. Nothing is sent now.
    void OpenAtStartup();

    void OnConnectionMessage(int variant, std::uintptr_t wParam);
    void CompleteArrival(int variant);
    void OnEventMessage(int variant, std::uintptr_t wParam, std::intptr_t lParam);

    void RequestApply(bool all);
    void OnApplyFinished(bool buttonsCleared);
    bool ApplyOutstanding() const { return applyOutstanding_; }

    // Ends the worker (its jobs finish first) and closes devices and monitors. Afterwards
    // every message, arrival timer and apply request is ignored: the window frees the lists
    // and the transport libraries next, while its event loop may still deliver messages.
    void Close();
    bool Closed() const { return closed_; }

    std::int32_t State(int variant) const { return state_[variant].load(); }
    bool Connected(int variant) const { return state_[variant].load() == kConnected; }
    bool AnyConnected() const { return Connected(0) || Connected(1); }
    bool EverConnected() const {
        return State(0) != kNeverConnected || State(1) != kNeverConnected;
    }
    bool FullApplyPending() const { return fullApplyPending_.load(); }

private:
    struct Deferred {
        bool connection;
        int variant;
        std::uintptr_t wParam;
        std::intptr_t lParam;
    };

    void HandleConnection(int variant, std::uintptr_t wParam);
    void HandleEvent(int variant, std::uintptr_t wParam, std::intptr_t lParam);
    void ReplayDeferred();
    void WriteBackAndSave();
    bool RunJob(ApplyJob& job);
    std::int32_t ActiveSetFeature(const std::uint8_t* report, std::int32_t length);

    tagSTATEBLOCK& working_;
    tagSTATEBLOCK& applied_;
    ProfileList& list_;
    ProfileStore& store_;
    DeviceLinkUi& ui_;
    std::array<Transport*, 2> transports_;
    SleepFn sleep_;

    std::array<std::atomic<std::int32_t>, 2> state_{};
    // Set on the user-interface thread by an opening or an arrival, cleared there when the
    // apply that carried it finishes.
    std::atomic<bool> fullApplyPending_{false};
    std::uint64_t fullApplyRequests_ = 0;
    std::optional<std::uint64_t> postedFullRequest_;
    bool closed_ = false;
    bool applyOutstanding_ = false;
    // While an arrival waits its second, later device messages wait too, in order, as they
    // would behind a blocked message loop.
    bool arrivalPending_ = false;
    std::deque<Deferred> deferred_;
    std::unique_ptr<ApplyWorker> worker_;
};
