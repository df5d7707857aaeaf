#pragma once

#include <memory>

#include "keys/KeyboardLayout.h"

// The keyboard layout the user types with: on Linux the X server's keymap and its active
// layout, else the layout named by the XKB_DEFAULT_* environment, else a built-in US layout;
// on Windows the thread's keyboard layout. Never null.
// The result is a snapshot on Linux: create it again after the user switches layouts.
std::unique_ptr<KeyboardLayout> CreateSystemKeyboardLayout();
