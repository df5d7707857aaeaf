#include "device/ButtonReport.h"

#include <algorithm>

namespace {

// Predefined shortcuts of the function catalogue, sent as key combinations.
struct FixedCombination {
    std::uint8_t type;
    std::uint8_t modifiers;
    std::uint8_t usage;
};
constexpr FixedCombination kFixedCombinations[] = {
    {116, 0x04, 0x2B},  // Alt+Tab
    {117, 0x04, 0x3D},  // Alt+F4
    {114, 0x08, 0x07},  // Windows+D
    {121, 0x08, 0x0F},  // Windows+L
    {50, 0x08, 0x15},   // Windows+R
    {59, 0x01, 0x11},   // Ctrl+N
    {118, 0x01, 0x1B},  // Ctrl+X
    {119, 0x01, 0x06},  // Ctrl+C
    {120, 0x01, 0x19},  // Ctrl+V
    {60, 0x01, 0x16},   // Ctrl+S
    {62, 0x01, 0x13},   // Ctrl+P
    {58, 0x01, 0x09},   // Ctrl+F
    {61, 0x01, 0x04},   // Ctrl+A
};

}  // namespace

ButtonEntry EncodeButtonEntry(const tagBUTTON& button) {
    switch (button.type) {
        case kKeyCombinationType:
            return {kDeviceKeyCombination, button.modifiers,
                    static_cast<std::uint8_t>(button.keyCode & 0xFF)};
        case 7:
        case 8:
            return {button.type, 0, 0x0A};
        default:
            break;
    }
    for (const FixedCombination& c : kFixedCombinations) {
        if (c.type == button.type) {
            return {kDeviceKeyCombination, c.modifiers, c.usage};
        }
    }
    return {button.type, 0, 0};
}

void BuildButtonReport(const tagPROFILE& p, std::span<std::uint8_t, kButtonReportLength> report) {
    std::fill(report.begin(), report.end(), std::uint8_t{0});
    report[0] = kButtonReportId;
    report[1] = static_cast<std::uint8_t>(kButtonReportLength);
    for (int i = 0; i < kButtonCount; ++i) {
        const ButtonEntry e = EncodeButtonEntry(p.buttons[i]);
        std::copy(e.begin(), e.end(), report.begin() + 2 + 3 * i);
    }
}
