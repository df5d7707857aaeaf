#include "platform/windows/Win32KeyboardCapture.h"

#include <windows.h>

#include <QCoreApplication>
#include <QPointer>
#include <QWidget>

#include "common/Messages.h"
#include "platform/MessageEvent.h"

namespace {

Win32KeyboardCapture* g_capture = nullptr;  // the one the hook procedure serves

LRESULT CALLBACK KeyboardHookProc(int code, WPARAM wParam, LPARAM lParam) {
    if (code < 0 || !g_capture) {
        return CallNextHookEx(nullptr, code, wParam, lParam);
    }
    const auto* k = reinterpret_cast<const KBDLLHOOKSTRUCT*>(lParam);
    g_capture->OnKey(k->vkCode, k->scanCode, k->flags);
    // Never passed on: while the hook is in, no window receives the key.
    return 1;
}

}  // namespace

KeyboardCapture& KeyboardCapture::Instance() {
    static QPointer<Win32KeyboardCapture> instance;
    if (!instance) {
        instance = new Win32KeyboardCapture(QCoreApplication::instance());
    }
    return *instance;
}

Win32KeyboardCapture::Win32KeyboardCapture(QObject* parent) : KeyboardCaptureBase(parent) {}

Win32KeyboardCapture::~Win32KeyboardCapture() {
    Release(false);
}

// The hook eats every key before Qt sees one: only the holder's hide and close matter.
void Win32KeyboardCapture::Watch(QWidget* holder) {
    holder->installEventFilter(this);
}

void Win32KeyboardCapture::Unwatch(QWidget* former) {
    former->removeEventFilter(this);
}

bool Win32KeyboardCapture::Capture() {
    if (!hook_) {
        g_capture = this;
        hook_ = SetWindowsHookExW(WH_KEYBOARD_LL, KeyboardHookProc, GetModuleHandleW(nullptr), 0);
    }
    Trace().Handle(reinterpret_cast<std::uintptr_t>(hook_));
    return hook_ != nullptr;
}

void Win32KeyboardCapture::Uncapture() {
    Trace().Handle(reinterpret_cast<std::uintptr_t>(hook_));
    bool ok = true;
    if (hook_) {
        ok = UnhookWindowsHookEx(static_cast<HHOOK>(hook_)) != 0;
        hook_ = nullptr;
    }
    g_capture = nullptr;
    Trace().Unhooked(ok);
}

void Win32KeyboardCapture::OnKey(std::uint32_t virtualKey, std::uint32_t scanCode,
                                 std::uint32_t flags) {
    Trace().Key(virtualKey, scanCode);
    if (QWidget* holder = Holder()) {
        PostMessageTo(holder, msg::kKeyEvent, virtualKey,
                      static_cast<std::intptr_t>(flags & (LLKHF_EXTENDED | LLKHF_UP)));
    }
}
