// The entry points of hiddriver_virtual. The folder and whether the mouse starts plugged in
// are read from the environment when the library is first used.
#define HIDDRIVER_BUILD
#include "VirtualDriver.h"
#include "hiddriver.h"

namespace {
VirtualDriver& Driver() {
    static VirtualDriver driver(VmouseFolder::FromEnvironment(),
                                VirtualDriver::PluggedFromEnvironment());
    return driver;
}
}  // namespace

#include "DriverExports.inc"
