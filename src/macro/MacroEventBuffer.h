#pragma once

#include <cstdint>

#include "data/ProfileRecord.h"

// The macro page's working copy of the selected macro's events, with the counts the
// event list derives from it.
struct MacroEventBuffer {
    MacroEvent events[kMacroEventCapacity]{};
    int eventCount = 0;
    int delayCount = 0;   // delay events of more than 0 ms: the ones the list shows
    int actionCount = 0;  // key and mouse events

    void Clear();
    // Derives delayCount and actionCount from the events.
    void Recount();
    bool Full() const { return eventCount >= kMacroEventCapacity; }
    // Puts e at pos (-1 or eventCount appends), moving the later events up. False, and
    // nothing changed, when the buffer is full or pos lies outside it.
    bool Insert(int pos, MacroEvent e);
};
