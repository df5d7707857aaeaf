#pragma once

#include <QObject>
#include <cstdint>

#include "common/CaptureTrace.h"
#include "platform/KeyboardCapture.h"

// The capture on Windows: a low-level keyboard hook (WH_KEYBOARD_LL) for all threads,
// whose procedure posts each key to the holder and eats it, so no window of any program
// receives it. The hook procedure runs on this (the user-interface) thread.
class Win32KeyboardCapture : public QObject, public KeyboardCapture {
    Q_OBJECT
public:
    explicit Win32KeyboardCapture(QObject* parent = nullptr);
    ~Win32KeyboardCapture() override;

    bool Install(QWidget* target, LostFn onLost = {}) override;
    void Remove(QWidget* target) override;
    QWidget* Holder() const override { return holder_; }
    bool SystemWide() const override { return hook_ != nullptr; }

    // The hook procedure's work for one key stroke.
    void OnKey(std::uint32_t virtualKey, std::uint32_t scanCode, std::uint32_t flags);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void Release(bool tellHolder);

    CaptureTrace trace_;
    QWidget* holder_ = nullptr;
    LostFn onLost_;
    QMetaObject::Connection holderDestroyed_;
    void* hook_ = nullptr;  // HHOOK
};
