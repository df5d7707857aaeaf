// Decides which reports the next apply has to send by comparing the working state with the
// state last applied. Runs on the user-interface thread before the apply is handed on.
#pragma once

#include "data/ProfileRecord.h"

// Writes the four change flags and buttonChanged[0..11] of the working state; the entries
// 12..59 are left as they are. A switched slot, or a slot bound to another list entry,
// marks everything changed.
void DetectChanges(tagSTATEBLOCK& working, const tagSTATEBLOCK& applied);

// Marks every report due, each of the 60 buttonChanged entries included: after the defaults
// are restored the next apply sends everything.
void MarkAllChanged(tagSTATEBLOCK& working);

// The parts of a profile that each report carries, compared field by field.
bool SensitivityDiffers(const tagPROFILE& a, const tagPROFILE& b);
bool LightingDiffers(const tagPROFILE& a, const tagPROFILE& b);
bool ButtonDiffers(const tagBUTTON& a, const tagBUTTON& b);
