#pragma once

#include <cstdint>

#include "keys/KeyboardLayout.h"

// The result of a conversion; a code without a row gives found = false and code 0.
struct KeyConversion {
    bool found = false;
    std::uint32_t code = 0;

    friend bool operator==(const KeyConversion&, const KeyConversion&) = default;
};

// The device key code to store for a key the user pressed. Letters, digits, punctuation and
// the function keys are stored as the physical key that writes them on this layout.
KeyConversion VirtualKeyToDeviceCode(std::uint32_t virtualKey, const KeyboardLayout& layout);

// The virtual key a stored device key code stands for on this layout.
KeyConversion DeviceCodeToVirtualKey(std::uint32_t deviceCode, const KeyboardLayout& layout);
