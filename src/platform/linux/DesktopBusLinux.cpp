#include <QDBusConnection>

#include "platform/DesktopBus.h"

namespace platform {

// Qt keeps the session connection once made, whichever thread made it.
DesktopBusWarmUp::DesktopBusWarmUp()
    : thread_([] { QDBusConnection::sessionBus().isConnected(); }) {}

DesktopBusWarmUp::~DesktopBusWarmUp() {
    if (thread_.joinable()) {
        thread_.join();
    }
}

}  // namespace platform
