// The profile record, its button records and the state block. These are file formats
// (Profile.data, Config.data, .gmp): every offset and width below is binding, so each is
// pinned with a static_assert.
#pragma once

#include <array>
#include <bit>
#include <cstddef>
#include <cstdint>
#include <type_traits>

static_assert(std::endian::native == std::endian::little,
              "records are read and written byte for byte as little-endian");

inline constexpr int kButtonCount = 12;
inline constexpr int kLevelCount = 5;
inline constexpr int kMacroEventCapacity = 180;
inline constexpr int kProfileNameUnits = 250;
inline constexpr int kMacroNameUnits = 30;
inline constexpr int kSlotCount = 3;
inline constexpr int kStateProfileCount = 5;

struct MacroEvent {
    std::uint8_t code;    // 0xFF delay entry, 0xF1..0xF5 mouse button, else device key code
    std::uint8_t action;  // 1 press, 2 release
    std::uint16_t delay;  // milliseconds to wait after this entry
};
static_assert(sizeof(MacroEvent) == 4);
static_assert(offsetof(MacroEvent, action) == 1);
static_assert(offsetof(MacroEvent, delay) == 2);

inline constexpr std::uint8_t kMacroDelayCode = 0xFF;

struct tagBUTTON {
    std::uint8_t index;
    std::uint8_t type;  // function code
    std::uint8_t reserved2[2];
    std::int32_t macroIndex;
    std::int32_t playbackMode;
    std::uint8_t modifiers;  // bit 0 Ctrl, 1 Shift, 2 Alt, 3 Windows key
    std::uint8_t reserved13;
    std::uint16_t keyCode;
    char16_t macroName[kMacroNameUnits];
    std::uint16_t macroEventCount;
    std::uint8_t reserved78[2];
    std::int32_t repeatCount;
    MacroEvent macroEvents[kMacroEventCapacity];
    char16_t programPath[2000];
};
static_assert(sizeof(tagBUTTON) == 4804);
static_assert(offsetof(tagBUTTON, index) == 0);
static_assert(offsetof(tagBUTTON, type) == 1);
static_assert(offsetof(tagBUTTON, macroIndex) == 4);
static_assert(offsetof(tagBUTTON, playbackMode) == 8);
static_assert(offsetof(tagBUTTON, modifiers) == 12);
static_assert(offsetof(tagBUTTON, keyCode) == 14);
static_assert(offsetof(tagBUTTON, macroName) == 16);
static_assert(offsetof(tagBUTTON, macroEventCount) == 76);
static_assert(offsetof(tagBUTTON, repeatCount) == 80);
static_assert(offsetof(tagBUTTON, macroEvents) == 84);
static_assert(offsetof(tagBUTTON, programPath) == 804);

struct tagPROFILE {
    char16_t name[kProfileNameUnits];
    char16_t reservedText[1000];
    std::int32_t sensReportByte2;
    std::int32_t sensReportByte3;
    std::int32_t lightMode;
    std::int32_t lightSpeed;
    std::int32_t reserved2516;
    std::int32_t reserved2520;
    std::uint32_t lightColor;  // COLORREF: red in the lowest byte
    std::int32_t lightColorSource;
    std::int32_t lightBrightness;
    std::int32_t lightParam;
    std::int32_t reportRate;
    std::int32_t reserved2544;
    std::int32_t reserved2548;
    std::int32_t reserved2552;
    std::int32_t pointerSpeed;
    std::int32_t pointerAccel;
    std::int32_t reserved2564;
    std::int32_t xySeparate;
    std::int32_t levelX[kLevelCount];
    std::int32_t levelY[kLevelCount];
    std::int32_t currentLevel;
    std::int32_t handedness;
    std::uint8_t levelEnabled[kLevelCount];  // only 1 means enabled
    std::uint8_t levelExtra[kLevelCount];
    std::uint8_t reserved2630[2];
    std::uint32_t levelColor[kLevelCount];
    tagBUTTON buttons[kButtonCount];
};
static_assert(sizeof(tagPROFILE) == 60300);
static_assert(offsetof(tagPROFILE, name) == 0);
static_assert(offsetof(tagPROFILE, reservedText) == 500);
static_assert(offsetof(tagPROFILE, sensReportByte2) == 2500);
static_assert(offsetof(tagPROFILE, sensReportByte3) == 2504);
static_assert(offsetof(tagPROFILE, lightMode) == 2508);
static_assert(offsetof(tagPROFILE, lightSpeed) == 2512);
static_assert(offsetof(tagPROFILE, reserved2516) == 2516);
static_assert(offsetof(tagPROFILE, reserved2520) == 2520);
static_assert(offsetof(tagPROFILE, lightColor) == 2524);
static_assert(offsetof(tagPROFILE, lightColorSource) == 2528);
static_assert(offsetof(tagPROFILE, lightBrightness) == 2532);
static_assert(offsetof(tagPROFILE, lightParam) == 2536);
static_assert(offsetof(tagPROFILE, reportRate) == 2540);
static_assert(offsetof(tagPROFILE, reserved2544) == 2544);
static_assert(offsetof(tagPROFILE, reserved2548) == 2548);
static_assert(offsetof(tagPROFILE, reserved2552) == 2552);
static_assert(offsetof(tagPROFILE, pointerSpeed) == 2556);
static_assert(offsetof(tagPROFILE, pointerAccel) == 2560);
static_assert(offsetof(tagPROFILE, reserved2564) == 2564);
static_assert(offsetof(tagPROFILE, xySeparate) == 2568);
static_assert(offsetof(tagPROFILE, levelX) == 2572);
static_assert(offsetof(tagPROFILE, levelY) == 2592);
static_assert(offsetof(tagPROFILE, currentLevel) == 2612);
static_assert(offsetof(tagPROFILE, handedness) == 2616);
static_assert(offsetof(tagPROFILE, levelEnabled) == 2620);
static_assert(offsetof(tagPROFILE, levelExtra) == 2625);
static_assert(offsetof(tagPROFILE, reserved2630) == 2630);
static_assert(offsetof(tagPROFILE, levelColor) == 2632);
static_assert(offsetof(tagPROFILE, buttons) == 2652);
static_assert(offsetof(tagPROFILE, buttons) + kButtonCount * sizeof(tagBUTTON) == 60300);

struct tagSTATEBLOCK {
    std::int32_t currentSlot;
    std::uint8_t reserved4[8];
    std::int32_t buttonChanged[60];
    std::int32_t slotProfile[kStateProfileCount];
    tagPROFILE profiles[kStateProfileCount];
    std::int32_t sensitivityChanged;
    std::int32_t lightingChanged;
    std::int32_t reportRateChanged;
    std::int32_t profileSwitched;

    tagPROFILE& Current() { return profiles[currentSlot]; }
    const tagPROFILE& Current() const { return profiles[currentSlot]; }
};
static_assert(sizeof(tagSTATEBLOCK) == 301788);
static_assert(offsetof(tagSTATEBLOCK, currentSlot) == 0);
static_assert(offsetof(tagSTATEBLOCK, reserved4) == 4);
static_assert(offsetof(tagSTATEBLOCK, buttonChanged) == 12);
static_assert(offsetof(tagSTATEBLOCK, slotProfile) == 252);
static_assert(offsetof(tagSTATEBLOCK, profiles) == 272);
static_assert(offsetof(tagSTATEBLOCK, sensitivityChanged) == 301772);
static_assert(offsetof(tagSTATEBLOCK, lightingChanged) == 301776);
static_assert(offsetof(tagSTATEBLOCK, reportRateChanged) == 301780);
static_assert(offsetof(tagSTATEBLOCK, profileSwitched) == 301784);

static_assert(std::is_trivially_copyable_v<tagPROFILE>);
static_assert(std::is_trivially_copyable_v<tagSTATEBLOCK>);
static_assert(std::is_standard_layout_v<tagSTATEBLOCK>);

// Default function code of buttons 1..12; also the fallback wherever a button loses its
// assignment.
inline constexpr std::array<std::uint8_t, kButtonCount> DefaultButtonTypes = {2,  3, 4, 6, 5, 15,
                                                                              14, 1, 1, 1, 9, 10};

// Any byte other than 1 marks a disabled level.
inline bool LevelEnabled(const tagPROFILE& p, int level) {
    return p.levelEnabled[level] == 1;
}
