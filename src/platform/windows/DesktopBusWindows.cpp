#include "platform/DesktopBus.h"

namespace platform {

// Windows has no session bus: the notification area is reached through the shell.
DesktopBusWarmUp::DesktopBusWarmUp() = default;
DesktopBusWarmUp::~DesktopBusWarmUp() = default;

}  // namespace platform
