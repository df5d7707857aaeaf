// How much of the mouse's macro room a macro takes, counted by the encoder the macro report
// is built with, and which event is the last one the mouse will get.
#pragma once

#include <cstddef>
#include <span>

#include "data/ProfileRecord.h"

struct MacroFit {
    std::size_t bytesUsed = 0;    // of the report's entry area
    std::size_t bytesNeeded = 0;  // what the whole macro would take
    std::size_t capacity = 0;     // the entry area's size
    bool fits = true;
    // The event of the last entry sent (the delays folded into it go too); -1 for none.
    int lastEventSent = -1;
};

MacroFit MeasureMacroFit(std::span<const MacroEvent> events);
