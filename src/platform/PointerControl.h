#pragma once

#include "common/DesktopPointer.h"

namespace platform {
// Hands the pointer speed and acceleration to the desktop, which also keeps them for the
// user's next session where it can. Without a desktop to talk to, nothing happens.
void ApplyPointerSettings(const PointerSettings& settings);
}  // namespace platform
