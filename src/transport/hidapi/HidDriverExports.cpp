// The entry points of one hidapi plug-in. Built once per variant: each library holds its own
// driver, and with hidden visibility neither can bind to the other's.
#define HIDDRIVER_BUILD
#include "HidDriver.h"
#include "HidapiSystem.h"
#include "hiddriver.h"

namespace {
HidDriver& Driver() {
    static HidDriver driver(std::make_unique<HidapiSystem>());
    return driver;
}
}  // namespace

#include "DriverExports.inc"
