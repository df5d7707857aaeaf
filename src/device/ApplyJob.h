#pragma once

#include <memory>

#include "data/ProfileRecord.h"

// What the worker sends from: a copy of the working state taken when the apply was posted,
// so the worker never reads a block the user-interface thread writes.
struct ApplyJob {
    std::unique_ptr<tagSTATEBLOCK> snapshot;
    bool all = false;  // send every report, whatever changed
};

// Sends the reports of one apply in their fixed order. Returns true when the button report
// went out as a change, which clears every buttonChanged entry.
class ReportSender;
bool ApplyToDevice(tagSTATEBLOCK& snapshot, bool all, ReportSender& sender);
