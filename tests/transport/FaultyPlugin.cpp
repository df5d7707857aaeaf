// Two broken plug-ins for the loader's refusals: one built for another interface version,
// one lacking an entry point.
#include "hiddriver.h"

#ifdef FAULTY_WRONG_VERSION
HIDDRIVER_EXPORT int32_t HIDDRIVER_CALL Get_ApiVersion(void) {
    return HIDDRIVER_API_VERSION + 1;
}
#else
HIDDRIVER_EXPORT int32_t HIDDRIVER_CALL Get_ApiVersion(void) {
    return HIDDRIVER_API_VERSION;
}
#endif
HIDDRIVER_EXPORT int32_t HIDDRIVER_CALL Set_VIDPID(int32_t v, int32_t p) {
    return v + p;
}
HIDDRIVER_EXPORT int32_t HIDDRIVER_CALL Open_DevMonitor(const hiddriver_target* t, int32_t e,
                                                        int32_t c) {
    return t != nullptr && e != c;
}
HIDDRIVER_EXPORT int32_t HIDDRIVER_CALL Close_DevMonitor(void) {
    return 0;
}
HIDDRIVER_EXPORT int32_t HIDDRIVER_CALL Open_FeatureDevice(void) {
    return 1;
}
HIDDRIVER_EXPORT int32_t HIDDRIVER_CALL Close_FeatureDevice(void) {
    return 0;
}
HIDDRIVER_EXPORT int32_t HIDDRIVER_CALL SetFeature(const uint8_t* r, int32_t n) {
    return r != nullptr && n > 0;
}
#ifndef FAULTY_NO_GETFEATURE
HIDDRIVER_EXPORT int32_t HIDDRIVER_CALL GetFeature(uint8_t* r, int32_t n) {
    return r != nullptr && n > 0;
}
#endif
