#pragma once

#include <functional>

// The system-wide key capture as the recorder sees it: while installed, every key stroke
// comes to the recorder's page and to no other window.
class KeyHook {
public:
    virtual ~KeyHook() = default;
    // onLost runs (later, on the user-interface thread) when the capture is taken away
    // without Remove: another holder installed it, or the page was hidden or closed.
    // False when the system-wide capture could not be had.
    virtual bool Install(std::function<void()> onLost) = 0;
    // Removes the capture if this hook still holds it.
    virtual void Remove() = 0;
};
