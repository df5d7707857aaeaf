#include "device/Transport.h"
#include "hiddriver.h"
#include "keys/KeyboardLayout.h"
