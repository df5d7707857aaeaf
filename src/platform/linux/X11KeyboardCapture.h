#pragma once

#include <QTimer>
#include <cstdint>
#include <functional>

#include "platform/KeyboardCaptureBase.h"

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
class X11KeyboardCapture : public KeyboardCaptureBase {
    Q_OBJECT
public:
    explicit X11KeyboardCapture(XKeyTranslator translate = {}, QObject* parent = nullptr);
    ~X11KeyboardCapture() override;

    void SetTranslator(XKeyTranslator translate) { translate_ = std::move(translate); }

    bool SystemWide() const override { return grabbedWindow_ != 0; }

protected:
    void Watch(QWidget* holder) override;
    void Unwatch(QWidget* former) override;
    bool Capture() override;
    void Uncapture() override;
    bool FilterKey(QEvent* event) override;
    void HolderShown() override;

private:
    void StartRetries();
    void RetryGrab();
    bool Grab();
    bool Ungrab();
    void Forward(const QKeyEvent& key);

    XKeyTranslator translate_;
    std::uint32_t grabbedWindow_ = 0;  // the X window of the grab, 0 without one
    QTimer retry_;
    int retriesLeft_ = 0;
};
