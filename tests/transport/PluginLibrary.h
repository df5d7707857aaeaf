// A plug-in loaded the way the program loads one: dlopen with RTLD_LOCAL, the version
// checked, the seven entry points bound by name.
#pragma once

#include <dlfcn.h>

#include <string>

#include "hiddriver.h"

class PluginLibrary {
public:
    explicit PluginLibrary(const std::string& path) {
        handle_ = dlopen(path.c_str(), RTLD_NOW | RTLD_LOCAL);
        if (handle_ == nullptr) {
            error_ = dlerror();
            return;
        }
        auto version = Bind<hiddriver_Get_ApiVersion_fn>("Get_ApiVersion");
        if (version == nullptr || version() != HIDDRIVER_API_VERSION) {
            error_ = "no matching Get_ApiVersion";
            return;
        }
        setVidPid = Bind<hiddriver_Set_VIDPID_fn>("Set_VIDPID");
        openDevMonitor = Bind<hiddriver_Open_DevMonitor_fn>("Open_DevMonitor");
        closeDevMonitor = Bind<hiddriver_Close_DevMonitor_fn>("Close_DevMonitor");
        openFeatureDevice = Bind<hiddriver_Open_FeatureDevice_fn>("Open_FeatureDevice");
        closeFeatureDevice = Bind<hiddriver_Close_FeatureDevice_fn>("Close_FeatureDevice");
        setFeature = Bind<hiddriver_SetFeature_fn>("SetFeature");
        getFeature = Bind<hiddriver_GetFeature_fn>("GetFeature");
    }
    ~PluginLibrary() {
        if (handle_ != nullptr) {
            dlclose(handle_);
        }
    }
    PluginLibrary(const PluginLibrary&) = delete;
    PluginLibrary& operator=(const PluginLibrary&) = delete;

    // Empty when loaded and every entry point is bound.
    std::string Error() const {
        if (!error_.empty()) {
            return error_;
        }
        const bool all = setVidPid && openDevMonitor && closeDevMonitor && openFeatureDevice &&
                         closeFeatureDevice && setFeature && getFeature;
        return all ? std::string() : "an entry point is missing";
    }

    hiddriver_Set_VIDPID_fn setVidPid = nullptr;
    hiddriver_Open_DevMonitor_fn openDevMonitor = nullptr;
    hiddriver_Close_DevMonitor_fn closeDevMonitor = nullptr;
    hiddriver_Open_FeatureDevice_fn openFeatureDevice = nullptr;
    hiddriver_Close_FeatureDevice_fn closeFeatureDevice = nullptr;
    hiddriver_SetFeature_fn setFeature = nullptr;
    hiddriver_GetFeature_fn getFeature = nullptr;

private:
    template <class F>
    F Bind(const char* name) {
        return reinterpret_cast<F>(dlsym(handle_, name));
    }

    void* handle_ = nullptr;
    std::string error_;
};
