#pragma once

#include <cstdint>

#include "platform/KeyboardCaptureBase.h"

// The capture on Windows: a low-level keyboard hook (WH_KEYBOARD_LL) for all threads,
// whose procedure posts each key to the holder and eats it, so no window of any program
// receives it. The hook procedure runs on this (the user-interface) thread.
class Win32KeyboardCapture : public KeyboardCaptureBase {
    Q_OBJECT
public:
    explicit Win32KeyboardCapture(QObject* parent = nullptr);
    ~Win32KeyboardCapture() override;

    bool SystemWide() const override { return hook_ != nullptr; }

    // The hook procedure's work for one key stroke.
    void OnKey(std::uint32_t virtualKey, std::uint32_t scanCode, std::uint32_t flags);

protected:
    void Watch(QWidget* holder) override;
    void Unwatch(QWidget* former) override;
    bool Capture() override;
    void Uncapture() override;

private:
    void* hook_ = nullptr;  // HHOOK
};
