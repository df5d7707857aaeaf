#pragma once

#include <QObject>
#include <QTimer>
#include <cstdint>
#include <functional>

#include "common/CaptureTrace.h"
#include "platform/KeyboardCapture.h"

class QKeyEvent;

struct CapturedKey {
    std::uint32_t virtualKey = 0;
    std::uint32_t flags = 0;  // 0x01 extended key, 0x80 released
};
// The X key event's keycode and keysym, and whether it is a release, as a virtual key.
using XKeyTranslator =
    std::function<CapturedKey(std::uint32_t keycode, std::uint32_t keysym, bool released)>;

// The capture on X11: an active keyboard grab on the holder's top-level window, with
// owner_events off, so the X server reports every key to that window and to no other
// client's. Inside this program an application-wide event filter takes every key event
// (and shortcut) away from the widgets and posts it to the holder instead.
class X11KeyboardCapture : public QObject, public KeyboardCapture {
    Q_OBJECT
public:
    explicit X11KeyboardCapture(XKeyTranslator translate = {}, QObject* parent = nullptr);
    ~X11KeyboardCapture() override;

    void SetTranslator(XKeyTranslator translate) { translate_ = std::move(translate); }

    bool Install(QWidget* target, LostFn onLost = {}) override;
    void Remove(QWidget* target) override;
    QWidget* Holder() const override { return holder_; }
    bool SystemWide() const override { return grabbedWindow_ != 0; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void Release(bool tellHolder);
    void RetryGrab();
    bool Grab();
    bool Ungrab();
    void Forward(const QKeyEvent& key);

    XKeyTranslator translate_;
    CaptureTrace trace_;
    QWidget* holder_ = nullptr;  // cleared when it is destroyed
    LostFn onLost_;
    QMetaObject::Connection holderDestroyed_;
    std::uint32_t grabbedWindow_ = 0;  // the X window of the grab, 0 without one
    QTimer retry_;
    int retriesLeft_ = 0;
};
