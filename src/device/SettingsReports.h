// The sensitivity, lighting and report-rate reports: straight copies of profile fields with
// the device's value translations.
#pragma once

#include <cstdint>
#include <span>

#include "data/ProfileRecord.h"
#include "device/ReportLayout.h"

// How one sensitivity level travels: values above 160 go at half resolution with a range bit.
struct LevelValue {
    std::uint8_t byte;
    bool halved;
};
LevelValue EncodeLevelValue(std::int32_t value);

// reportRate 0..3 -> 8, 4, 2, 1; anything else -> 2.
std::uint8_t ReportRateCode(std::int32_t reportRate);

// Each builder overwrites the whole report.
void BuildSensitivityReport(const tagPROFILE& p,
                            std::span<std::uint8_t, kSensitivityReportLength> report);
void BuildLightingReport(const tagPROFILE& p,
                         std::span<std::uint8_t, kLightingReportLength> report);
void BuildReportRateReport(const tagPROFILE& p,
                           std::span<std::uint8_t, kReportRateReportLength> report);
