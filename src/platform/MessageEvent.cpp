#include "platform/MessageEvent.h"

#include <QCoreApplication>

void PostMessageTo(QObject* target, std::uint32_t number, std::uintptr_t wParam,
                   std::intptr_t lParam) {
    QCoreApplication::postEvent(target, new MessageEvent(number, wParam, lParam));
}
