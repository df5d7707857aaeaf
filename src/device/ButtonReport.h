// The button report: three entry bytes per button, in record order.
#pragma once

#include <array>
#include <cstdint>
#include <span>

#include "data/ProfileRecord.h"
#include "device/ReportLayout.h"

inline constexpr std::uint8_t kKeyCombinationType = 17;
inline constexpr std::uint8_t kMacroType = 18;
inline constexpr std::uint8_t kProgramType = 19;

// Entry byte 0 of the device's key-combination form; bytes 1 and 2 then hold the HID boot
// keyboard modifier mask and a keyboard-page usage.
inline constexpr std::uint8_t kDeviceKeyCombination = 0x11;

using ButtonEntry = std::array<std::uint8_t, 3>;

ButtonEntry EncodeButtonEntry(const tagBUTTON& button);

void BuildButtonReport(const tagPROFILE& p, std::span<std::uint8_t, kButtonReportLength> report);
