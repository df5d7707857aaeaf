// Puts an opaque picture straight onto a native window, past the toolkit's backing store.
// The lighting preview repaints up to a hundred times a second, and on X11 every flush of
// the backing store waits for a round trip to the server before the next frame may be
// painted; this sends the frame and returns.
#pragma once

#include <QImage>
#include <QWindow>
#include <memory>

namespace platform {

class WindowBlit {
public:
    virtual ~WindowBlit() = default;
    // Whether windows of this session can take pictures this way; decide before a widget is
    // made native for it.
    static bool Supported();
    // Null when the window's pixel format is not the picture's (the caller then paints
    // through the backing store as usual).
    static std::unique_ptr<WindowBlit> For(WId window);
    // An RGB32 picture in the window's device pixels, top-left at the window's corner.
    // Queued for the server without waiting for it.
    virtual void Put(const QImage& picture) = 0;
};

}  // namespace platform
