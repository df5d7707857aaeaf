// The entry points of one hidapi plug-in. Built once per variant: each library holds its own
// driver, and with hidden visibility neither can bind to the other's.
#define HIDDRIVER_BUILD
#include "HidDriver.h"
#include "HidapiSystem.h"
#include "hiddriver.h"

namespace {
HidDriver& Driver() {
    static HidDriver driver(std::make_unique<HidapiSystem>());
    return driver;
}
}  // namespace

extern "C" {

HIDDRIVER_EXPORT int32_t HIDDRIVER_CALL Get_ApiVersion(void) {
    return HIDDRIVER_API_VERSION;
}

HIDDRIVER_EXPORT int32_t HIDDRIVER_CALL Set_VIDPID(int32_t vendorId, int32_t productId) {
    return Driver().SetVidPid(vendorId, productId);
}

HIDDRIVER_EXPORT int32_t HIDDRIVER_CALL Open_DevMonitor(const hiddriver_target* target,
                                                        int32_t eventMessage,
                                                        int32_t connectionMessage) {
    return Driver().OpenDevMonitor(target, eventMessage, connectionMessage);
}

HIDDRIVER_EXPORT int32_t HIDDRIVER_CALL Close_DevMonitor(void) {
    return Driver().CloseDevMonitor();
}

HIDDRIVER_EXPORT int32_t HIDDRIVER_CALL Open_FeatureDevice(void) {
    return Driver().OpenFeatureDevice();
}

HIDDRIVER_EXPORT int32_t HIDDRIVER_CALL Close_FeatureDevice(void) {
    return Driver().CloseFeatureDevice();
}

HIDDRIVER_EXPORT int32_t HIDDRIVER_CALL SetFeature(const uint8_t* report, int32_t length) {
    return Driver().SetFeature(report, length);
}

HIDDRIVER_EXPORT int32_t HIDDRIVER_CALL GetFeature(uint8_t* report, int32_t length) {
    return Driver().GetFeature(report, length);
}

}  // extern "C"
