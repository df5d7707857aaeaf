// What the mouse reports about changes made on the device itself.
#pragma once

#include <cstdint>
#include <string>

#include "data/ProfileRecord.h"

inline constexpr std::uint32_t kEventCategoryConnection = 0x7F00;
inline constexpr std::uint32_t kEventCategoryLevel = 0x1000;
inline constexpr std::uint32_t kEventCategoryRate = 0x2000;
inline constexpr std::uint32_t kEventCategoryButton = 0x3000;
inline constexpr std::uint32_t kEventCategoryIgnored = 0x4000;
inline constexpr std::uint32_t kEventCategoryShow = 0xA000;

// Bits 16-31 the category, bits 0-15 the value.
inline std::uint32_t DeviceEventCode(std::uintptr_t wParam, std::intptr_t lParam) {
    return (static_cast<std::uint32_t>(wParam) << 16) ^
           (static_cast<std::uint32_t>(lParam) & 0xFFFFu);
}

struct DeviceEventResult {
    enum Kind { None, LevelChanged, RateChanged, OpenProgram, ShowWindow } kind = None;
    std::u16string programPath;  // for OpenProgram
};

// Stores a level or rate chosen on the mouse in the current profile of the working state
// and says what else has to happen.
DeviceEventResult ApplyDeviceEvent(std::uint32_t code, tagSTATEBLOCK& working);
