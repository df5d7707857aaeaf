#pragma once

#include <cstdint>
#include <memory>

#include "data/ProfileRecord.h"

// What the worker sends from: a copy of the working state taken when the apply was posted,
// so the worker never reads a block the user-interface thread writes.
// It travels as message 1649 (wParam 1; lParam 1 = send every report) to the worker, which
// drops every other message.
struct ApplyJob {
    static constexpr std::uint32_t kMessage = 1649;
    std::uint32_t message = kMessage;
    std::uintptr_t wParam = 1;
    std::intptr_t lParam = 0;
    bool fullApplyPending = false;  // as it was when the apply was posted
    std::unique_ptr<tagSTATEBLOCK> snapshot;
};

// Sends the reports of one apply in their fixed order. Returns true when the button report
// went out as a change, which clears every buttonChanged entry.
class ReportSender;
bool ApplyToDevice(tagSTATEBLOCK& snapshot, bool all, ReportSender& sender);
// How many reports ApplyToDevice will send for this snapshot, so the window can show how far
// an apply has come.
int ApplyReportCount(const tagSTATEBLOCK& snapshot, bool all);
