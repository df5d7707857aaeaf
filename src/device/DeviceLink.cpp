#include "device/DeviceLink.h"

#include <algorithm>
#include <cstring>

#include "device/ChangeDetection.h"
#include "device/DeviceEvents.h"
#include "device/ReportSender.h"

namespace {
constexpr std::chrono::milliseconds kArrivalSettleTime{1000};
}

DeviceLink::DeviceLink(tagSTATEBLOCK& working, tagSTATEBLOCK& applied, ProfileList& list,
                       ProfileStore& store, DeviceLinkUi& ui, std::array<Transport*, 2> transports,
                       SleepFn sleep)
    : working_(working),
      applied_(applied),
      list_(list),
      store_(store),
      ui_(ui),
      transports_(transports),
      sleep_(std::move(sleep)) {}

DeviceLink::~DeviceLink() {
    closed_ = true;
    if (worker_) {
        worker_->Quit();
    }
}

void DeviceLink::CreateWorker() {
    worker_ =
        std::make_unique<ApplyWorker>([this](ApplyJob& job) { return RunJob(job); },
                                      [this](bool cleared) { ui_.PostApplyFinished(cleared); });
}

void DeviceLink::OpenAtStartup() {
    for (int v : {1, 0}) {
        Transport* t = transports_[v];
        if (t == nullptr || !t->Bound()) {
            continue;
        }
        t->SetVidPid(kVendorId, kProductId[v]);
        t->OpenDevMonitor(kEventMessage[v], kConnectionMessage[v]);
        state_[v] = t->OpenFeatureDevice() != 0 ? kConnected : kNeverConnected;
        if (state_[v] == kNeverConnected) {
            ui_.DeviceNotOpened(v);
        }
    }
    if (AnyConnected()) {
        ui_.AddTrayIcon();
        fullApplyPending_ = true;
        ++fullApplyRequests_;
    }
}

void DeviceLink::OnConnectionMessage(int variant, std::uintptr_t wParam) {
    if (closed_) {
        return;  // the libraries may be gone already
    }
    if (arrivalPending_) {
        deferred_.push_back({true, variant, wParam, 0});
        return;
    }
    HandleConnection(variant, wParam);
}

void DeviceLink::OnEventMessage(int variant, std::uintptr_t wParam, std::intptr_t lParam) {
    if (closed_) {
        return;  // the lists are freed: a write-back now would save them empty
    }
    if (arrivalPending_) {
        deferred_.push_back({false, variant, wParam, lParam});
        return;
    }
    HandleEvent(variant, wParam, lParam);
}

void DeviceLink::HandleConnection(int v, std::uintptr_t wParam) {
    Transport* t = transports_[v];
    if (t == nullptr || !t->Bound() || (wParam != 0 && wParam != 1)) {
        return;
    }
    if (wParam == 1) {
        if (state_[v] == kConnected) {
            return;
        }
        arrivalPending_ = true;
        ui_.ScheduleArrival(v, kArrivalSettleTime);
        return;
    }
    if (state_[v] == kRemoved) {
        return;
    }
    state_[v] = kRemoved;
    t->CloseFeatureDevice();
    if (!Connected(1 - v)) {
        ui_.RemoveTrayIcon();
        ui_.HideWindow();
    }
}

void DeviceLink::CompleteArrival(int v) {
    if (closed_) {
        return;
    }
    arrivalPending_ = false;
    fullApplyPending_ = true;
    ++fullApplyRequests_;
    state_[v] = kConnected;
    // Kept as connected either way; a failure only lets the window tell the user why.
    if (transports_[v]->OpenFeatureDevice() == 0) {
        ui_.DeviceNotOpened(v);
    }
    if (!Connected(1 - v)) {
        ui_.AddTrayIcon();
    }
    ReplayDeferred();
}

void DeviceLink::ReplayDeferred() {
    while (!arrivalPending_ && !deferred_.empty()) {
        const Deferred d = deferred_.front();
        deferred_.pop_front();
        if (d.connection) {
            HandleConnection(d.variant, d.wParam);
        } else {
            HandleEvent(d.variant, d.wParam, d.lParam);
        }
    }
}

void DeviceLink::HandleEvent(int, std::uintptr_t wParam, std::intptr_t lParam) {
    const DeviceEventResult r = ApplyDeviceEvent(DeviceEventCode(wParam, lParam), working_);
    switch (r.kind) {
        case DeviceEventResult::LevelChanged:
            ui_.ShowLevel();
            WriteBackAndSave();
            break;
        case DeviceEventResult::RateChanged:
            ui_.ShowReportRate();
            WriteBackAndSave();
            break;
        case DeviceEventResult::OpenProgram:
            ui_.OpenProgram(r.programPath);
            break;
        case DeviceEventResult::ShowWindow:
            ui_.ShowWindow();
            break;
        case DeviceEventResult::None:
            break;
    }
}

// The applied state stays as it is, so the next apply sees the change and resends it.
void DeviceLink::WriteBackAndSave() {
    if (list_.Empty()) {
        return;  // only while shutting down; saving now would lose every profile
    }
    for (int k = 0; k < kSlotCount; ++k) {
        const auto entry = static_cast<std::size_t>(working_.slotProfile[k]);
        if (working_.slotProfile[k] >= 0 && entry < list_.Size()) {
            list_.At(entry) = working_.profiles[k];
        }
    }
    store_.SaveStateFile(working_);
    store_.SaveProfileList();
}

void DeviceLink::RequestApply(bool all) {
    if (closed_) {
        return;
    }
    ui_.BeginApplyWait();
    applyOutstanding_ = true;
    if (!all) {
        DetectChanges(working_, applied_);
    }
    const bool connected = AnyConnected() && worker_ != nullptr;
    if (connected) {
        ui_.ApplyPointerSettings(working_.Current());
        ApplyJob job;
        job.snapshot = std::make_unique<tagSTATEBLOCK>(working_);
        job.fullApplyPending = fullApplyPending_.load();
        // Remembered so the finish clears only the request this job carried, not one made
        // by an arrival while it was sending.
        postedFullRequest_ = job.fullApplyPending ? std::optional(fullApplyRequests_) : std::nullopt;
        worker_->Post(std::move(job));
    }
    applied_ = working_;
    if (all) {
        list_.Clear();
        for (int k = 0; k < kSlotCount; ++k) {
            list_.Append(working_.profiles[k]);
        }
    } else {
        const std::int32_t current = working_.slotProfile[working_.currentSlot];
        for (int k = 0; k < kSlotCount; ++k) {
            // Slots bound to one list entry stay identical.
            if (working_.slotProfile[k] == current) {
                working_.profiles[k] = working_.Current();
            }
            const auto entry = static_cast<std::size_t>(working_.slotProfile[k]);
            if (working_.slotProfile[k] >= 0 && entry < list_.Size()) {
                list_.At(entry) = working_.profiles[k];
            }
        }
    }
    store_.SaveStateFile(working_);
    store_.SaveProfileList();
    if (!connected) {
        applyOutstanding_ = false;
        ui_.EndApplyWait();
    }
}

void DeviceLink::OnApplyFinished(bool buttonsCleared) {
    if (closed_) {
        return;
    }
    if (postedFullRequest_ && *postedFullRequest_ == fullApplyRequests_) {
        fullApplyPending_ = false;
    }
    postedFullRequest_.reset();
    if (buttonsCleared) {
        std::fill(std::begin(working_.buttonChanged), std::end(working_.buttonChanged), 0);
    }
    applyOutstanding_ = false;
    ui_.EndApplyWait();
}

std::int32_t DeviceLink::ActiveSetFeature(const std::uint8_t* report, std::int32_t length) {
    // Variant 2 wins when both are present; a removal mid-apply makes the sends fail, and the
    // apply still ends.
    Transport* t = Connected(1) ? transports_[1] : transports_[0];
    if (t == nullptr || !t->Bound() || !AnyConnected()) {
        return 0;
    }
    return t->SetFeature(report, length);
}

bool DeviceLink::RunJob(ApplyJob& job) {
    if (job.message != ApplyJob::kMessage || job.wParam != 1 || !job.snapshot || !AnyConnected()) {
        return false;  // still answered with 1256, so the window is released
    }
    ReportSender sender(
        *job.snapshot,
        [this](const std::uint8_t* r, std::int32_t n) { return ActiveSetFeature(r, n); }, sleep_);
    const bool all = job.lParam == 1 || job.fullApplyPending;
    const int total = ApplyReportCount(*job.snapshot, all);
    if (total > 0) {
        ui_.PostApplyProgress(0, total);
    }
    int sent = 0;
    sender.OnReportDone([this, &sent, total] { ui_.PostApplyProgress(++sent, total); });
    return ApplyToDevice(*job.snapshot, all, sender);
}

void DeviceLink::Close() {
    if (closed_) {
        return;
    }
    // From here on no message or timer reaches the transports or the lists.
    closed_ = true;
    arrivalPending_ = false;
    deferred_.clear();
    if (worker_) {
        worker_->Quit();
        worker_.reset();
    }
    for (int v : {0, 1}) {
        Transport* t = transports_[v];
        if (t != nullptr && t->Bound()) {
            t->CloseFeatureDevice();
            t->CloseDevMonitor();
        }
    }
    // The window frees the libraries next; nothing here may point at them afterwards.
    transports_ = {nullptr, nullptr};
}
