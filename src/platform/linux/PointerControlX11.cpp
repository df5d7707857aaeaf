#include <QGuiApplication>

#include "platform/PointerControl.h"

// Xlib last: its macros (Bool, Status) clash with Qt's names.
#include <X11/Xlib.h>

namespace platform {

void ApplyPointerSettings(const PointerSettings& settings) {
    auto* x11 = qGuiApp ? qGuiApp->nativeInterface<QNativeInterface::QX11Application>() : nullptr;
    Display* display = x11 ? x11->display() : nullptr;
    if (display == nullptr) {
        return;  // not on X (offscreen, Wayland): the desktop keeps its own settings
    }
    const XPointerControl c = ToXPointerControl(settings);
    XChangePointerControl(display, True, True, c.numerator, c.denominator, c.threshold);
    XFlush(display);
}

}  // namespace platform
