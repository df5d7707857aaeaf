#include "platform/windows/Win32KeyboardCapture.h"

#include <windows.h>

#include <QCoreApplication>
#include <QEvent>
#include <QLoggingCategory>
#include <QPointer>
#include <QWidget>

#include "common/Messages.h"
#include "platform/MessageEvent.h"

Q_LOGGING_CATEGORY(lcCapture, "corvane.capture", QtWarningMsg)

namespace {

Win32KeyboardCapture* g_capture = nullptr;  // the one the hook procedure serves

void TraceLine(std::string_view line) {
    QString text = QString::fromUtf8(line.data(), static_cast<qsizetype>(line.size()));
    while (text.endsWith(u'\n') || text.endsWith(u'\r')) {
        text.chop(1);
    }
    qCDebug(lcCapture).noquote() << text;
}

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

Win32KeyboardCapture::Win32KeyboardCapture(QObject* parent) : QObject(parent), trace_(TraceLine) {
    if (auto* app = QCoreApplication::instance()) {
        connect(app, &QCoreApplication::aboutToQuit, this, [this] { Release(false); });
    }
}

Win32KeyboardCapture::~Win32KeyboardCapture() {
    Release(false);
}

bool Win32KeyboardCapture::Install(QWidget* target, LostFn onLost) {
    if (!target) {
        return false;
    }
    if (holder_ != target) {
        Release(true);
        holder_ = target;
        holderDestroyed_ = connect(target, &QObject::destroyed, this, [this] {
            onLost_ = nullptr;
            Release(false);
        });
        target->installEventFilter(this);
    }
    onLost_ = std::move(onLost);
    if (!hook_) {
        g_capture = this;
        hook_ = SetWindowsHookExW(WH_KEYBOARD_LL, KeyboardHookProc, GetModuleHandleW(nullptr), 0);
    }
    trace_.Handle(reinterpret_cast<std::uintptr_t>(hook_));
    return hook_ != nullptr;
}

void Win32KeyboardCapture::Remove(QWidget* target) {
    if (target && target == holder_) {
        Release(false);
    }
}

void Win32KeyboardCapture::Release(bool tellHolder) {
    if (!holder_) {
        return;
    }
    QWidget* former = holder_;
    LostFn lost = std::move(onLost_);
    onLost_ = nullptr;
    holder_ = nullptr;
    disconnect(holderDestroyed_);
    former->removeEventFilter(this);
    trace_.Handle(reinterpret_cast<std::uintptr_t>(hook_));
    bool ok = true;
    if (hook_) {
        ok = UnhookWindowsHookEx(static_cast<HHOOK>(hook_)) != 0;
        hook_ = nullptr;
    }
    g_capture = nullptr;
    trace_.Unhooked(ok);
    if (tellHolder && lost) {
        QMetaObject::invokeMethod(former, std::move(lost), Qt::QueuedConnection);
    }
}

void Win32KeyboardCapture::OnKey(std::uint32_t virtualKey, std::uint32_t scanCode,
                                 std::uint32_t flags) {
    trace_.Key(virtualKey, scanCode);
    if (holder_) {
        PostMessageTo(holder_, msg::kKeyEvent, virtualKey,
                      static_cast<std::intptr_t>(flags & (LLKHF_EXTENDED | LLKHF_UP)));
    }
}

bool Win32KeyboardCapture::eventFilter(QObject* watched, QEvent* event) {
    if (watched != holder_) {
        return false;
    }
    if (event->type() == QEvent::Hide) {
        Release(true);
    } else if (event->type() == QEvent::Close) {
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
