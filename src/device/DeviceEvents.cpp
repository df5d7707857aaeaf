#include "device/DeviceEvents.h"

#include "data/FixedText.h"

namespace {
constexpr std::uint8_t kTypeOpenProgram = 19;
}

DeviceEventResult ApplyDeviceEvent(std::uint32_t code, tagSTATEBLOCK& working) {
    const std::uint32_t category = code >> 16;
    const std::uint32_t value = code & 0xFFFFu;
    tagPROFILE& profile = working.Current();
    DeviceEventResult result;
    switch (category) {
        case kEventCategoryLevel:
            // The mouse counts levels from 1; 6..10 are levels it may know but we do not.
            if (value >= 1 && value <= kLevelCount) {
                profile.currentLevel = static_cast<std::int32_t>(value) - 1;
                result.kind = DeviceEventResult::LevelChanged;
            }
            break;
        case kEventCategoryRate:
            // Counted from 1 as well; the profile holds the menu index 0..3.
            if (value >= 1 && value <= 4) {
                profile.reportRate = static_cast<std::int32_t>(value) - 1;
                result.kind = DeviceEventResult::RateChanged;
            }
            break;
        case kEventCategoryButton: {
            const std::uint32_t button = value & 0xFF;
            if (button >= 1 && button <= kButtonCount && ((value >> 8) & 0xFF) == 1 &&
                profile.buttons[button - 1].type == kTypeOpenProgram) {
                result.kind = DeviceEventResult::OpenProgram;
                result.programPath = ReadFixedText(profile.buttons[button - 1].programPath);
            }
            break;
        }
        case kEventCategoryShow:
            result.kind = DeviceEventResult::ShowWindow;
            break;
        default:
            break;
    }
    return result;
}
