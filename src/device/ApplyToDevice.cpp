#include <algorithm>
#include <iterator>

#include "device/ApplyJob.h"
#include "device/ReportSender.h"

namespace {

int MacroReportCount(const tagSTATEBLOCK& s, bool everyButton) {
    int n = 0;
    for (int i = 0; i < kButtonCount; ++i) {
        if (ReportSender::MacroReportDue(s, i, everyButton)) {
            ++n;
        }
    }
    return n;
}

}  // namespace

bool ApplyToDevice(tagSTATEBLOCK& s, bool all, ReportSender& sender) {
    if (all || s.profileSwitched == 1) {
        sender.SendSensitivityReport();
        sender.SendLightingReport();
        sender.SendReportRateReport();
        sender.SendMacroReports(true);
        sender.SendButtonReport();
        return false;
    }
    if (s.sensitivityChanged == 1) {
        sender.SendSensitivityReport();
    }
    if (s.lightingChanged == 1) {
        sender.SendLightingReport();
    }
    if (s.reportRateChanged == 1) {
        sender.SendReportRateReport();
    }
    sender.SendMacroReports();
    const bool buttons = std::any_of(std::begin(s.buttonChanged), std::begin(s.buttonChanged) + 24,
                                     [](std::int32_t c) { return c == 1; });
    if (!buttons) {
        return false;
    }
    sender.SendButtonReport();
    std::fill(std::begin(s.buttonChanged), std::end(s.buttonChanged), 0);
    return true;
}

int ApplyReportCount(const tagSTATEBLOCK& s, bool all) {
    if (all || s.profileSwitched == 1) {
        return 4 + MacroReportCount(s, true);
    }
    const bool buttons = std::any_of(std::begin(s.buttonChanged), std::begin(s.buttonChanged) + 24,
                                     [](std::int32_t c) { return c == 1; });
    return (s.sensitivityChanged == 1) + (s.lightingChanged == 1) + (s.reportRateChanged == 1) +
           MacroReportCount(s, false) + (buttons ? 1 : 0);
}
