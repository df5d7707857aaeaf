#include "device/ReportSender.h"

#include <array>
#include <thread>
#include <utility>

#include "device/ButtonReport.h"
#include "device/MacroReport.h"
#include "device/ReportLayout.h"
#include "device/SettingsReports.h"

ReportSender::ReportSender(const tagSTATEBLOCK& working, SetFeatureFn setFeature, SleepFn sleep)
    : working_(working), setFeature_(std::move(setFeature)), sleep_(std::move(sleep)) {}

void ReportSender::SleepOnThisThread(std::chrono::milliseconds duration) {
    std::this_thread::sleep_for(duration);
}

bool ReportSender::MacroReportDue(const tagSTATEBLOCK& s, int button, bool everyButton) {
    return (everyButton || s.buttonChanged[button] == 1) &&
           s.Current().buttons[button].type == kMacroType;
}

std::int32_t ReportSender::Transfer(std::span<const std::uint8_t> report) {
    const std::int32_t result =
        setFeature_(report.data(), static_cast<std::int32_t>(report.size()));
    // A failed report is skipped at once: waiting would only delay the ones still to come.
    if (result != 0) {
        sleep_(kPauseAfterReport);
    }
    if (onReportDone_) {
        onReportDone_();
    }
    return result;
}

std::int32_t ReportSender::SendSensitivityReport() {
    std::array<std::uint8_t, kSensitivityReportLength> report;
    BuildSensitivityReport(working_.Current(), report);
    return Transfer(report);
}

std::int32_t ReportSender::SendLightingReport() {
    std::array<std::uint8_t, kLightingReportLength> report;
    BuildLightingReport(working_.Current(), report);
    return Transfer(report);
}

std::int32_t ReportSender::SendReportRateReport() {
    std::array<std::uint8_t, kReportRateReportLength> report;
    BuildReportRateReport(working_.Current(), report);
    return Transfer(report);
}

std::int32_t ReportSender::SendButtonReport() {
    std::array<std::uint8_t, kButtonReportLength> report;
    BuildButtonReport(working_.Current(), report);
    return Transfer(report);
}

std::int32_t ReportSender::SendMacroReports(bool everyButton) {
    const tagPROFILE& p = working_.Current();
    std::int32_t allTaken = 1;
    for (int i = 0; i < kButtonCount; ++i) {
        if (!MacroReportDue(working_, i, everyButton)) {
            continue;
        }
        std::array<std::uint8_t, kMacroReportLength> report;
        BuildMacroReport(p.buttons[i], i, report);
        if (Transfer(report) == 0) {
            allTaken = 0;
        }
    }
    return allTaken;
}
