#include "platform/linux/X11KeyboardCapture.h"

#include <xcb/xcb.h>

#include <QGuiApplication>
#include <QKeyEvent>
#include <QPointer>
#include <QWidget>
#include <cstdlib>

#include "common/Messages.h"
#include "platform/MessageEvent.h"

namespace {

// A window that has just been shown is mapped a moment later; the grab waits for it.
constexpr int kRetryIntervalMs = 20;
constexpr int kRetryCount = 100;

xcb_connection_t* Connection() {
    if (!qGuiApp) {
        return nullptr;
    }
    auto* x11 = qGuiApp->nativeInterface<QNativeInterface::QX11Application>();
    return x11 ? x11->connection() : nullptr;
}

}  // namespace

KeyboardCapture& KeyboardCapture::Instance() {
    // Owned by the application object, so it goes (and lets go) with it.
    static QPointer<X11KeyboardCapture> instance;
    if (!instance) {
        instance = new X11KeyboardCapture({}, QCoreApplication::instance());
    }
    return *instance;
}

X11KeyboardCapture::X11KeyboardCapture(XKeyTranslator translate, QObject* parent)
    : KeyboardCaptureBase(parent), translate_(std::move(translate)) {
    retry_.setInterval(kRetryIntervalMs);
    connect(&retry_, &QTimer::timeout, this, &X11KeyboardCapture::RetryGrab);
}

X11KeyboardCapture::~X11KeyboardCapture() {
    Release(false);
}

// Keys go to whichever widget has the focus, so the filter is the application's.
void X11KeyboardCapture::Watch(QWidget*) {
    QCoreApplication::instance()->installEventFilter(this);
}

void X11KeyboardCapture::Unwatch(QWidget*) {
    if (auto* app = QCoreApplication::instance()) {
        app->removeEventFilter(this);
    }
}

bool X11KeyboardCapture::Capture() {
    QWidget* holder = Holder();
    if (grabbedWindow_ == 0 && holder->isVisible()) {
        Grab();
    }
    Trace().Handle(grabbedWindow_);
    if (grabbedWindow_ == 0 && holder->isVisible()) {
        StartRetries();
    }
    return grabbedWindow_ != 0;
}

void X11KeyboardCapture::Uncapture() {
    retry_.stop();
    Trace().Handle(grabbedWindow_);
    Trace().Unhooked(Ungrab());
}

void X11KeyboardCapture::HolderShown() {
    if (grabbedWindow_ == 0) {
        StartRetries();
    }
}

void X11KeyboardCapture::StartRetries() {
    retriesLeft_ = kRetryCount;
    retry_.start();
}

bool X11KeyboardCapture::Grab() {
    xcb_connection_t* c = Connection();
    if (!c || !Holder() || !Holder()->isVisible()) {
        return false;
    }
    const auto window = static_cast<xcb_window_t>(Holder()->window()->winId());
    // owner_events off: every key goes to the grab window, none to this program's others.
    xcb_grab_keyboard_reply_t* reply = xcb_grab_keyboard_reply(
        c,
        xcb_grab_keyboard(c, 0, window, XCB_CURRENT_TIME, XCB_GRAB_MODE_ASYNC, XCB_GRAB_MODE_ASYNC),
        nullptr);
    const bool ok = reply && reply->status == XCB_GRAB_STATUS_SUCCESS;
    std::free(reply);
    grabbedWindow_ = ok ? window : 0;
    return ok;
}

bool X11KeyboardCapture::Ungrab() {
    if (grabbedWindow_ == 0) {
        return true;
    }
    grabbedWindow_ = 0;
    xcb_connection_t* c = Connection();
    if (!c) {
        // No connection any more: the server dropped the grab with it.
        return true;
    }
    xcb_generic_error_t* error =
        xcb_request_check(c, xcb_ungrab_keyboard_checked(c, XCB_CURRENT_TIME));
    const bool ok = error == nullptr;
    std::free(error);
    return ok;
}

void X11KeyboardCapture::RetryGrab() {
    if (!Holder() || grabbedWindow_ != 0 || --retriesLeft_ < 0) {
        retry_.stop();
        return;
    }
    if (Grab()) {
        retry_.stop();
        Trace().Handle(grabbedWindow_);
    }
}

void X11KeyboardCapture::Forward(const QKeyEvent& key) {
    const bool released = key.type() == QEvent::KeyRelease;
    const std::uint32_t keycode = key.nativeScanCode();
    CapturedKey k;
    if (translate_) {
        k = translate_(keycode, key.nativeVirtualKey(), released);
    }
    const std::uint32_t flags = (k.flags & 0x01) | (released ? 0x80 : 0);
    // The scan code is the evdev code, X keycode - 8.
    Trace().Key(k.virtualKey, keycode >= 8 ? keycode - 8 : 0);
    PostMessageTo(Holder(), msg::kKeyEvent, k.virtualKey, static_cast<std::intptr_t>(flags));
}

bool X11KeyboardCapture::FilterKey(QEvent* event) {
    switch (event->type()) {
        case QEvent::ShortcutOverride:
            // Accepted and eaten: no shortcut of this program fires while captured.
            event->accept();
            return true;
        case QEvent::KeyPress:
        case QEvent::KeyRelease: {
            const auto* key = static_cast<QKeyEvent*>(event);
            // X repeats a held key as release-press pairs; only the presses repeat.
            if (!(key->type() == QEvent::KeyRelease && key->isAutoRepeat())) {
                Forward(*key);
            }
            return true;
        }
        default:
            return false;
    }
}
