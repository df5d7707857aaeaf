#pragma once

#include "keys/KeyboardLayout.h"

// The calling thread's keyboard layout through MapVirtualKeyW and ToUnicode, so a layout the
// user switches to is used from the next call on.
class Win32KeyboardLayout final : public KeyboardLayout {
public:
    std::uint32_t VirtualKeyToScanCode(std::uint32_t virtualKey) const override;
    std::uint32_t ScanCodeToVirtualKey(std::uint32_t scanCode) const override;
    std::u16string KeyText(std::uint32_t virtualKey) const override;
};
