#include "platform/linux/X11KeyboardCapture.h"

#include <xcb/xcb.h>

#include <QCloseEvent>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QLoggingCategory>
#include <QPointer>
#include <QWidget>
#include <cstdlib>

#include "common/Messages.h"
#include "platform/MessageEvent.h"

Q_LOGGING_CATEGORY(lcCapture, "corvane.capture", QtWarningMsg)

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

void TraceLine(std::string_view line) {
    QString text = QString::fromUtf8(line.data(), static_cast<qsizetype>(line.size()));
    while (text.endsWith(u'\n') || text.endsWith(u'\r')) {
        text.chop(1);
    }
    qCDebug(lcCapture).noquote() << text;
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
    : QObject(parent), translate_(std::move(translate)), trace_(TraceLine) {
    retry_.setInterval(kRetryIntervalMs);
    connect(&retry_, &QTimer::timeout, this, &X11KeyboardCapture::RetryGrab);
    if (auto* app = QCoreApplication::instance()) {
        connect(app, &QCoreApplication::aboutToQuit, this, [this] { Release(false); });
    }
}

X11KeyboardCapture::~X11KeyboardCapture() {
    Release(false);
}

bool X11KeyboardCapture::Install(QWidget* target, LostFn onLost) {
    if (!target) {
        return false;
    }
    if (holder_ != target) {
        Release(true);
        holder_ = target;
        holderDestroyed_ = connect(target, &QObject::destroyed, this, [this] {
            // Its queued notices die with it; only the keyboard is left to free.
            onLost_ = nullptr;
            Release(false);
        });
        QCoreApplication::instance()->installEventFilter(this);
    }
    onLost_ = std::move(onLost);
    if (grabbedWindow_ == 0 && holder_->isVisible()) {
        Grab();
    }
    trace_.Handle(grabbedWindow_);
    if (grabbedWindow_ == 0 && holder_->isVisible()) {
        retriesLeft_ = kRetryCount;
        retry_.start();
    }
    return grabbedWindow_ != 0;
}

void X11KeyboardCapture::Remove(QWidget* target) {
    if (target && target == holder_) {
        Release(false);
    }
}

void X11KeyboardCapture::Release(bool tellHolder) {
    if (!holder_) {
        return;
    }
    QWidget* former = holder_;
    LostFn lost = std::move(onLost_);
    onLost_ = nullptr;
    holder_ = nullptr;
    disconnect(holderDestroyed_);
    retry_.stop();
    if (auto* app = QCoreApplication::instance()) {
        app->removeEventFilter(this);
    }
    trace_.Handle(grabbedWindow_);
    trace_.Unhooked(Ungrab());
    if (tellHolder && lost) {
        // Queued with the holder as context: dropped if the holder is destroyed first.
        QMetaObject::invokeMethod(former, std::move(lost), Qt::QueuedConnection);
    }
}

bool X11KeyboardCapture::Grab() {
    xcb_connection_t* c = Connection();
    if (!c || !holder_ || !holder_->isVisible()) {
        return false;
    }
    const auto window = static_cast<xcb_window_t>(holder_->window()->winId());
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
    if (!holder_ || grabbedWindow_ != 0 || --retriesLeft_ < 0) {
        retry_.stop();
        return;
    }
    if (Grab()) {
        retry_.stop();
        trace_.Handle(grabbedWindow_);
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
    trace_.Key(k.virtualKey, keycode >= 8 ? keycode - 8 : 0);
    PostMessageTo(holder_, msg::kKeyEvent, k.virtualKey, static_cast<std::intptr_t>(flags));
}

bool X11KeyboardCapture::eventFilter(QObject* watched, QEvent* event) {
    if (!holder_) {
        return false;
    }
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
            break;
    }
    if (watched != holder_) {
        return false;
    }
    if (event->type() == QEvent::Hide) {
        Release(true);
    } else if (event->type() == QEvent::Show && grabbedWindow_ == 0) {
        retriesLeft_ = kRetryCount;
        retry_.start();
    } else if (event->type() == QEvent::Close) {
        // A visible window is released by the hide that follows an accepted close; one
        // that was never shown has no hide to come.
        QPointer<QWidget> target = holder_;
        QMetaObject::invokeMethod(
            this,
            [this, target] {
                if (target && target == holder_ && !target->isVisible()) {
                    Release(true);
                }
            },
            Qt::QueuedConnection);
    }
    return false;
}
