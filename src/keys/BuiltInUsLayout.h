#pragma once

#include "keys/KeyboardLayout.h"

// A US layout that needs no keymap: the last resort when the system's layout cannot be read,
// so that keys are still stored and named rather than lost. Scan codes are evdev codes.
class BuiltInUsLayout final : public KeyboardLayout {
public:
    std::uint32_t VirtualKeyToScanCode(std::uint32_t virtualKey) const override;
    std::uint32_t ScanCodeToVirtualKey(std::uint32_t scanCode) const override;
    std::u16string KeyText(std::uint32_t virtualKey) const override;
};
