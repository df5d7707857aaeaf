// Sends the five reports of the working state's current profile through the transport,
// pausing after every report the device took. Runs on the worker thread.
#pragma once

#include <chrono>
#include <cstdint>
#include <functional>
#include <span>

#include "data/ProfileRecord.h"

class ReportSender {
public:
    // The transport's SetFeature: report bytes starting with the identifier and their exact
    // length; nonzero when the device took the report. The caller picks the variant.
    using SetFeatureFn =
        std::function<std::int32_t(const std::uint8_t* report, std::int32_t length)>;
    using SleepFn = std::function<void(std::chrono::milliseconds)>;

    ReportSender(const tagSTATEBLOCK& working, SetFeatureFn setFeature, SleepFn sleep);

    // Each returns the transport's result, nonzero on success.
    std::int32_t SendSensitivityReport();
    std::int32_t SendLightingReport();
    std::int32_t SendReportRateReport();
    std::int32_t SendButtonReport();
    // One report per macro button whose buttonChanged entry is 1, in button order; with
    // everyButton, one per macro button whatever changed (a mouse that has just arrived holds
    // none of them). The flags are read, not cleared. Nonzero when every report sent was
    // taken (also when none was due).
    std::int32_t SendMacroReports(bool everyButton = false);

    // Called after each report, taken or not, once its pause is over.
    void OnReportDone(std::function<void()> done) { onReportDone_ = std::move(done); }

    // Whether SendMacroReports sends a report for this button.
    static bool MacroReportDue(const tagSTATEBLOCK& s, int button, bool everyButton);

    // The real pause for the worker thread.
    static void SleepOnThisThread(std::chrono::milliseconds duration);

private:
    std::int32_t Transfer(std::span<const std::uint8_t> report);

    const tagSTATEBLOCK& working_;
    SetFeatureFn setFeature_;
    SleepFn sleep_;
    std::function<void()> onReportDone_;
};
