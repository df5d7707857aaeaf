#include "device/ChangeDetection.h"

#include <algorithm>
#include <cstring>

namespace {

template <typename T, std::size_t N>
bool ArraysDiffer(const T (&a)[N], const T (&b)[N]) {
    return !std::equal(a, a + N, b);
}

}  // namespace

bool SensitivityDiffers(const tagPROFILE& a, const tagPROFILE& b) {
    // levelExtra is never sent; comparing it costs at most one needless report.
    return a.sensReportByte2 != b.sensReportByte2 || a.sensReportByte3 != b.sensReportByte3 ||
           a.xySeparate != b.xySeparate || ArraysDiffer(a.levelX, b.levelX) ||
           ArraysDiffer(a.levelY, b.levelY) || a.currentLevel != b.currentLevel ||
           ArraysDiffer(a.levelEnabled, b.levelEnabled) ||
           ArraysDiffer(a.levelExtra, b.levelExtra) || ArraysDiffer(a.levelColor, b.levelColor);
}

bool LightingDiffers(const tagPROFILE& a, const tagPROFILE& b) {
    // lightColorSource only says which colour control the page shows.
    return a.lightMode != b.lightMode || a.lightSpeed != b.lightSpeed ||
           a.lightBrightness != b.lightBrightness || a.lightColor != b.lightColor ||
           a.lightParam != b.lightParam;
}

bool ButtonDiffers(const tagBUTTON& a, const tagBUTTON& b) {
    // Every byte, reserved ones included: the records are compared as the files hold them.
    return std::memcmp(&a, &b, sizeof(tagBUTTON)) != 0;
}

void MarkAllChanged(tagSTATEBLOCK& working) {
    std::fill(std::begin(working.buttonChanged), std::end(working.buttonChanged), 1);
    working.sensitivityChanged = working.lightingChanged = 1;
    working.reportRateChanged = working.profileSwitched = 1;
}

void DetectChanges(tagSTATEBLOCK& working, const tagSTATEBLOCK& applied) {
    const int c = working.currentSlot;
    const tagPROFILE& p = working.profiles[c];
    const tagPROFILE& a = applied.profiles[c];
    const bool switched =
        applied.currentSlot != c || applied.slotProfile[c] != working.slotProfile[c];
    if (switched) {
        working.sensitivityChanged = 1;
        working.lightingChanged = 1;
        working.reportRateChanged = 1;
        working.profileSwitched = 1;
        std::fill(working.buttonChanged, working.buttonChanged + kButtonCount, 1);
        return;
    }
    working.sensitivityChanged = SensitivityDiffers(p, a) ? 1 : 0;
    working.lightingChanged = LightingDiffers(p, a) ? 1 : 0;
    working.reportRateChanged = p.reportRate != a.reportRate ? 1 : 0;
    working.profileSwitched = 0;
    for (int i = 0; i < kButtonCount; ++i) {
        working.buttonChanged[i] = ButtonDiffers(p.buttons[i], a.buttons[i]) ? 1 : 0;
    }
}
