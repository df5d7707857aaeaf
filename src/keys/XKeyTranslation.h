#pragma once

#include <cstdint>

#include "keys/KeyboardLayout.h"

// Flags of a key event as the keyboard capture posts them (message 1034, lParam).
inline constexpr std::uint32_t kKeyFlagExtended = 0x01;
inline constexpr std::uint32_t kKeyFlagReleased = 0x80;

struct KeyEventCode {
    std::uint32_t virtualKey = 0;  // 0 when the key has no virtual key
    std::uint32_t flags = 0;

    friend bool operator==(const KeyEventCode&, const KeyEventCode&) = default;
};

// The Windows virtual key and flags of an X key event, from its X keycode (evdev code + 8) and
// the keysym X reported for it. The layout must be the X keymap's (scan code = evdev code).
// Needs no X header: the values are passed as plain integers.
KeyEventCode TranslateXKeyEvent(std::uint32_t xKeycode, std::uint32_t keysym, bool released,
                                const KeyboardLayout& layout);
