#pragma once

#include <chrono>
#include <string>

#include "data/ProfileRecord.h"

// What the device link asks of the main window. Everything but ApplyFinished is called on
// the user-interface thread.
class DeviceLinkUi {
public:
    virtual ~DeviceLinkUi() = default;
    virtual void AddTrayIcon() = 0;
    virtual void RemoveTrayIcon() = 0;
    virtual void ShowWindow() = 0;
    virtual void HideWindow() = 0;
    virtual void ShowLevel() = 0;       // the sensitivity page shows the current level
    virtual void ShowReportRate() = 0;  // ... and the report rate
    virtual void OpenProgram(const std::u16string& path) = 0;
    // Capture the pointer, show the wait cursor, disable Apply, OK and restore defaults.
    virtual void BeginApplyWait() = 0;
    virtual void EndApplyWait() = 0;
    virtual void ApplyPointerSettings(const tagPROFILE& profile) = 0;
    // Call DeviceLink::CompleteArrival(variant) after the delay, without blocking.
    virtual void ScheduleArrival(int variant, std::chrono::milliseconds delay) = 0;
    // The mouse of this variant could not be opened although it was looked for; the window
    // may tell the user why, once.
    virtual void DeviceNotOpened(int /*variant*/) {}
    // From the worker thread, before the first report (sent 0) and after each one, taken or
    // not; an apply with nothing to send reports nothing.
    virtual void PostApplyProgress(int /*sent*/, int /*total*/) {}
    // From the worker thread: post message 1256 to the main window.
    virtual void PostApplyFinished(bool buttonsCleared) = 0;
};
