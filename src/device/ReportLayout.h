// Identifiers and lengths of the five feature reports. Byte 1 of every report repeats its
// length, and exactly that many bytes go to the transport.
#pragma once

#include <chrono>
#include <cstddef>
#include <cstdint>

inline constexpr std::uint8_t kSensitivityReportId = 0x04;
inline constexpr std::uint8_t kLightingReportId = 0x05;
inline constexpr std::uint8_t kReportRateReportId = 0x06;
inline constexpr std::uint8_t kButtonReportId = 0x08;
inline constexpr std::uint8_t kMacroReportId = 0x09;

inline constexpr std::size_t kSensitivityReportLength = 34;
inline constexpr std::size_t kLightingReportLength = 9;
inline constexpr std::size_t kReportRateReportLength = 8;
inline constexpr std::size_t kButtonReportLength = 76;
inline constexpr std::size_t kMacroReportLength = 130;

// The device needs this long to take in a report before it accepts the next one.
inline constexpr std::chrono::milliseconds kPauseAfterReport{400};
