#pragma once

#include <QEvent>
#include <cstdint>

// A numbered message (number, wParam, lParam); its Qt event type is the number itself, so
// handlers switch on it. Posting goes through QCoreApplication::postEvent, which any
// thread may call.
class MessageEvent : public QEvent {
public:
    MessageEvent(std::uint32_t number, std::uintptr_t wParam, std::intptr_t lParam)
        : QEvent(static_cast<QEvent::Type>(number)), wParam_(wParam), lParam_(lParam) {}

    std::uint32_t Number() const { return static_cast<std::uint32_t>(type()); }
    std::uintptr_t WParam() const { return wParam_; }
    std::intptr_t LParam() const { return lParam_; }

private:
    std::uintptr_t wParam_;
    std::intptr_t lParam_;
};

class QObject;
void PostMessageTo(QObject* target, std::uint32_t number, std::uintptr_t wParam = 0,
                   std::intptr_t lParam = 0);
