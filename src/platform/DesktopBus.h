// The desktop's session bus, connected on a thread of its own while the program starts: the
// notification-area icon and the accessibility bridge use it, and otherwise the first of them
// waits for the connection on the user-interface thread.
#pragma once

#include <thread>

namespace platform {

class DesktopBusWarmUp {
public:
    DesktopBusWarmUp();
    ~DesktopBusWarmUp();  // waits for the thread
    DesktopBusWarmUp(const DesktopBusWarmUp&) = delete;
    DesktopBusWarmUp& operator=(const DesktopBusWarmUp&) = delete;

private:
    std::thread thread_;
};

}  // namespace platform
