#include "device/SettingsReports.h"

#include <algorithm>

namespace {

std::uint8_t Low(std::int32_t v) {
    return static_cast<std::uint8_t>(v & 0xFF);
}

// Colour fields are COLORREF: red in the lowest byte.
void PutColour(std::span<std::uint8_t> at, std::uint32_t colour) {
    at[0] = static_cast<std::uint8_t>(colour & 0xFF);
    at[1] = static_cast<std::uint8_t>((colour >> 8) & 0xFF);
    at[2] = static_cast<std::uint8_t>((colour >> 16) & 0xFF);
}

void StartFrame(std::span<std::uint8_t> report, std::uint8_t id) {
    std::fill(report.begin(), report.end(), std::uint8_t{0});
    report[0] = id;
    report[1] = static_cast<std::uint8_t>(report.size());
}

}  // namespace

LevelValue EncodeLevelValue(std::int32_t value) {
    // Compared unsigned, so a negative value from a foreign file counts as large.
    const auto v = static_cast<std::uint32_t>(value);
    if (v > 160) {
        return {static_cast<std::uint8_t>((v / 2) & 0xFF), true};
    }
    return {static_cast<std::uint8_t>(v & 0xFF), false};
}

std::uint8_t ReportRateCode(std::int32_t reportRate) {
    switch (reportRate) {
        case 0:
            return 8;
        case 1:
            return 4;
        case 3:
            return 1;
        default:
            return 2;
    }
}

void BuildSensitivityReport(const tagPROFILE& p,
                            std::span<std::uint8_t, kSensitivityReportLength> report) {
    StartFrame(report, kSensitivityReportId);
    report[2] = Low(p.sensReportByte2);
    report[3] = Low(p.sensReportByte3);
    std::uint8_t enabled = 0;
    std::uint8_t xRange = 0;
    std::uint8_t yRange = 0;
    for (int i = 0; i < kLevelCount; ++i) {
        const auto bit = static_cast<std::uint8_t>(1u << i);
        if (LevelEnabled(p, i)) {
            enabled |= bit;
        }
        const LevelValue x = EncodeLevelValue(p.levelX[i]);
        const LevelValue y = EncodeLevelValue(p.levelY[i]);
        if (x.halved) {
            xRange |= bit;
        }
        if (y.halved) {
            yRange |= bit;
        }
        report[7 + i] = x.byte;
        report[12 + i] = y.byte;
        PutColour(report.subspan(18 + 3 * i, 3), p.levelColor[i]);
    }
    report[4] = enabled;
    report[5] = xRange;
    report[6] = yRange;
    report[17] = static_cast<std::uint8_t>(Low(p.currentLevel) + 1);  // the device counts from 1
    report[33] = 0x01;
}

void BuildLightingReport(const tagPROFILE& p,
                         std::span<std::uint8_t, kLightingReportLength> report) {
    StartFrame(report, kLightingReportId);
    report[2] = Low(p.lightMode);
    report[3] = static_cast<std::uint8_t>(9 - Low(p.lightSpeed));  // the device counts speed down
    // Decided on the mode byte the device gets, so a foreign value cannot pair an effect
    // with a brightness it does not take.
    switch (Low(p.lightMode)) {
        case 2:
        case 3:
        case 4:
        case 7:
        case 8:
            report[4] = 8;  // these effects always go at brightness 8
            break;
        default:
            report[4] = Low(p.lightBrightness);
    }
    PutColour(report.subspan(5, 3), p.lightColor);
    report[8] = Low(p.lightParam);
}

void BuildReportRateReport(const tagPROFILE& p,
                           std::span<std::uint8_t, kReportRateReportLength> report) {
    StartFrame(report, kReportRateReportId);
    report[2] = ReportRateCode(p.reportRate);
}
