#include "data/ProfileDefaults.h"

#include <cstring>
#include <string>

#include "data/FixedText.h"

namespace {
// The string table hands out texts through a 260-unit buffer.
constexpr std::size_t kStringBufferUnits = 260;
}  // namespace

void FillProfileDefaults(tagPROFILE& p, int n, std::u16string_view namePrefix) {
    std::u16string name(CutUnits(namePrefix, kStringBufferUnits - 1));
    name += DecimalU16(static_cast<long long>(n) + 1);
    WriteFixedText(p.name, name);
    WriteFixedText(p.reservedText, u"");

    p.sensReportByte2 = 10;
    p.sensReportByte3 = 10;
    p.lightMode = 7;
    p.lightSpeed = 6;
    p.lightColor = 255;
    p.lightColorSource = 0;
    p.lightBrightness = 8;
    p.lightParam = 1;
    p.reportRate = 2;
    p.reserved2544 = 500;
    p.reserved2548 = 3;
    p.reserved2552 = 0;
    p.pointerSpeed = 10;
    p.pointerAccel = 0;
    p.reserved2564 = 0;
    p.xySeparate = 0;
    static constexpr std::int32_t kLevels[kLevelCount] = {10, 20, 40, 80, 160};
    for (int i = 0; i < kLevelCount; ++i) {
        p.levelX[i] = kLevels[i];
        p.levelY[i] = kLevels[i];
        p.levelEnabled[i] = 1;
    }
    p.currentLevel = 1;
    p.handedness = 1;
    static constexpr std::uint8_t kExtra[kLevelCount] = {0x0F, 0x10, 0x11, 0x13, 0x14};
    static constexpr std::uint32_t kColors[kLevelCount] = {255, 65280, 16711680, 16711935, 65535};
    for (int i = 0; i < kLevelCount; ++i) {
        p.levelExtra[i] = kExtra[i];
        p.levelColor[i] = kColors[i];
    }

    std::memset(p.buttons, 0, sizeof p.buttons);
    for (int i = 0; i < kButtonCount; ++i) {
        tagBUTTON& b = p.buttons[i];
        b.index = static_cast<std::uint8_t>(i);
        b.type = DefaultButtonTypes[i];
        b.macroIndex = -1;
    }
}

void ResetStateDefaults(tagSTATEBLOCK& block, std::u16string_view namePrefix) {
    block.currentSlot = 0;
    for (int k = 0; k < kStateProfileCount; ++k) {
        block.slotProfile[k] = k;
        FillProfileDefaults(block.profiles[k], k, namePrefix);
    }
}
