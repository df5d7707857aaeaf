#pragma once

#include <cstdint>
#include <string>

// The keyboard layout in use, as the key naming needs it. Scan codes are set-1 codes for the
// main block; the Linux implementation uses the evdev code, which is the same there.
class KeyboardLayout {
public:
    virtual ~KeyboardLayout() = default;

    // The scan code of the key that produces this virtual key; 0 when no key does.
    virtual std::uint32_t VirtualKeyToScanCode(std::uint32_t virtualKey) const = 0;

    // The virtual key of the key at this scan code, left and right modifiers told apart;
    // 0 when there is no such key.
    virtual std::uint32_t ScanCodeToVirtualKey(std::uint32_t scanCode) const = 0;

    // What the key writes with no modifier and no toggle key active, as typed (not
    // upper-cased). A dead key gives its spacing accent; a key without a character, or
    // virtual key 0, gives the empty text. Must not disturb the user's typing state.
    virtual std::u16string KeyText(std::uint32_t virtualKey) const = 0;
};
