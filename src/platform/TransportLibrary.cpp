#include "platform/TransportLibrary.h"

#include "platform/MessageEvent.h"
#include "platform/QtText.h"
#include "platform/Trace.h"

TransportLibrary::TransportLibrary(const std::filesystem::path& file, QObject* target)
    : library_(FromPath(file)), target_(target) {
    // Each variant keeps its own copy of the plug-in's state.
    library_.setLoadHints(QLibrary::ResolveAllSymbolsHint);
    if (!library_.load()) {
        qCDebug(lcApp) << "transport not loaded:" << library_.errorString();
        return;
    }
    const auto version =
        reinterpret_cast<hiddriver_Get_ApiVersion_fn>(library_.resolve("Get_ApiVersion"));
    if (version == nullptr || version() != HIDDRIVER_API_VERSION) {
        qCWarning(lcApp) << "transport" << library_.fileName() << "has another interface version";
        library_.unload();
        return;
    }
    setVidPid_ = reinterpret_cast<hiddriver_Set_VIDPID_fn>(library_.resolve("Set_VIDPID"));
    openMonitor_ =
        reinterpret_cast<hiddriver_Open_DevMonitor_fn>(library_.resolve("Open_DevMonitor"));
    closeMonitor_ =
        reinterpret_cast<hiddriver_Close_DevMonitor_fn>(library_.resolve("Close_DevMonitor"));
    openFeature_ =
        reinterpret_cast<hiddriver_Open_FeatureDevice_fn>(library_.resolve("Open_FeatureDevice"));
    closeFeature_ =
        reinterpret_cast<hiddriver_Close_FeatureDevice_fn>(library_.resolve("Close_FeatureDevice"));
    setFeature_ = reinterpret_cast<hiddriver_SetFeature_fn>(library_.resolve("SetFeature"));
    getFeature_ = reinterpret_cast<hiddriver_GetFeature_fn>(library_.resolve("GetFeature"));
    bound_ = setVidPid_ && openMonitor_ && closeMonitor_ && openFeature_ && closeFeature_ &&
             setFeature_ && getFeature_;
    if (!bound_) {
        qCWarning(lcApp) << "transport" << library_.fileName() << "lacks an entry point";
        library_.unload();
    } else {
        qCDebug(lcApp) << "transport bound:" << library_.fileName();
    }
}

TransportLibrary::~TransportLibrary() {
    Unload();
}

void TransportLibrary::Unload() {
    if (!bound_) {
        return;
    }
    if (monitorOpen_) {
        CloseDevMonitor();
    }
    bound_ = false;
    library_.unload();
}

void TransportLibrary::Post(void* context, uint32_t message, uintptr_t wParam, intptr_t lParam) {
    // Any thread: postEvent queues and returns.
    auto* self = static_cast<TransportLibrary*>(context);
    if (QObject* target = self->target_) {
        PostMessageTo(target, message, wParam, lParam);
    }
}

void TransportLibrary::SetVidPid(std::int32_t vendorId, std::int32_t productId) {
    if (bound_) {
        setVidPid_(vendorId, productId);
    }
}

void TransportLibrary::OpenDevMonitor(std::int32_t eventMessage, std::int32_t connectionMessage) {
    if (!bound_) {
        return;
    }
    notify_ = {this, &TransportLibrary::Post};
    openMonitor_(&notify_, eventMessage, connectionMessage);
    monitorOpen_ = true;
}

void TransportLibrary::CloseDevMonitor() {
    if (bound_ && monitorOpen_) {
        closeMonitor_();
        monitorOpen_ = false;
    }
}

std::int32_t TransportLibrary::OpenFeatureDevice() {
    return bound_ ? openFeature_() : 0;
}

void TransportLibrary::CloseFeatureDevice() {
    if (bound_) {
        closeFeature_();
    }
}

std::int32_t TransportLibrary::SetFeature(const std::uint8_t* report, std::int32_t length) {
    return bound_ ? setFeature_(report, length) : 0;
}
