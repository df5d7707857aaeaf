#pragma once

#include <functional>

class QWidget;

// Takes every key stroke of the desktop for one window at a time and posts each to it as
// message 1034 (wParam virtual key, lParam flags: 0x01 extended key, 0x80 released).
// While a window holds it, no other window of any program receives keys.
//
// One holder at a time: installing for a new holder first releases the previous one and
// tells it. The capture is also released when the holder is hidden, closed or destroyed
// and when the program ends, so the keyboard is never left captured.
class KeyboardCapture {
public:
    // Runs queued on the holder's thread, and never after the holder is destroyed.
    using LostFn = std::function<void()>;

    virtual ~KeyboardCapture() = default;

    // False when the system-wide capture could not be had (no display, another program
    // holds the keyboard); keys of this program still go to target then. A target that
    // is not shown yet is captured as soon as it is.
    virtual bool Install(QWidget* target, LostFn onLost = {}) = 0;
    // Releases the capture if target holds it; a later holder keeps it.
    virtual void Remove(QWidget* target) = 0;
    virtual QWidget* Holder() const = 0;
    // The system-wide capture is in force (not only the in-program one).
    virtual bool SystemWide() const = 0;

    // The process-wide capture of this platform.
    static KeyboardCapture& Instance();
};
