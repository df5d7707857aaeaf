#pragma once

#include <QLibrary>
#include <QObject>
#include <QPointer>
#include <filesystem>

#include "device/Transport.h"
#include "hiddriver.h"

// One variant's transport plug-in loaded from the program folder. A library that is
// missing, lacks an entry point or was built for another interface version stays unbound.
// Its notifications arrive at the target object as MessageEvents.
class TransportLibrary : public Transport {
public:
    TransportLibrary(const std::filesystem::path& file, QObject* target);
    ~TransportLibrary() override;
    TransportLibrary(const TransportLibrary&) = delete;
    TransportLibrary& operator=(const TransportLibrary&) = delete;

    bool Bound() const override { return bound_; }
    void SetVidPid(std::int32_t vendorId, std::int32_t productId) override;
    void OpenDevMonitor(std::int32_t eventMessage, std::int32_t connectionMessage) override;
    void CloseDevMonitor() override;
    std::int32_t OpenFeatureDevice() override;
    void CloseFeatureDevice() override;
    std::int32_t SetFeature(const std::uint8_t* report, std::int32_t length) override;

    // Frees the library; the monitor must be closed first.
    void Unload();

private:
    static void HIDDRIVER_CALL Post(void* context, uint32_t message, uintptr_t wParam,
                                    intptr_t lParam);

    QLibrary library_;
    QObject* target_;  // outlives the open monitor
    hiddriver_target notify_{};
    bool bound_ = false;
    bool monitorOpen_ = false;
    hiddriver_Set_VIDPID_fn setVidPid_ = nullptr;
    hiddriver_Open_DevMonitor_fn openMonitor_ = nullptr;
    hiddriver_Close_DevMonitor_fn closeMonitor_ = nullptr;
    hiddriver_Open_FeatureDevice_fn openFeature_ = nullptr;
    hiddriver_Close_FeatureDevice_fn closeFeature_ = nullptr;
    hiddriver_SetFeature_fn setFeature_ = nullptr;
    hiddriver_GetFeature_fn getFeature_ = nullptr;
};
