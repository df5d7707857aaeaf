#pragma once

#include <QKeyEvent>
#include <QWidget>
#include <utility>
#include <vector>

#include "common/Messages.h"
#include "platform/MessageEvent.h"
#include "platform/linux/X11KeyboardCapture.h"

// A window that notes the key events and the 1034 messages it receives.
class KeyProbe : public QWidget {
public:
    using Message = std::pair<unsigned, unsigned>;  // virtual key, flags

    std::vector<Message> messages;
    std::vector<int> keys;  // Qt key of every press and release that got here

protected:
    bool event(QEvent* e) override {
        if (e->type() == static_cast<QEvent::Type>(msg::kKeyEvent)) {
            const auto* m = static_cast<MessageEvent*>(e);
            messages.emplace_back(static_cast<unsigned>(m->WParam()),
                                  static_cast<unsigned>(m->LParam()));
            return true;
        }
        if (e->type() == QEvent::KeyPress || e->type() == QEvent::KeyRelease) {
            keys.push_back(static_cast<QKeyEvent*>(e)->key());
            return true;
        }
        return QWidget::event(e);
    }
};

// The keysyms of the keys the tests press, as the key table would turn them.
inline CapturedKey TestTranslate(std::uint32_t, std::uint32_t keysym, bool released) {
    CapturedKey k;
    switch (keysym) {
        case 0x61:
            k.virtualKey = 0x41;
            break;  // a
        case 0x62:
            k.virtualKey = 0x42;
            break;  // b
        case 0xff52:
            k = {0x26, 0x01};
            break;  // Up, an extended key
        default:
            break;
    }
    if (released) {
        k.flags |= 0x80;
    }
    return k;
}
