#pragma once

#include <array>
#include <cstddef>
#include <cstdint>

// One row of the table between virtual keys and the mouse's one-byte key codes.
struct KeyCodeRow {
    std::int32_t virtualKey;
    std::int32_t deviceCode;
    std::int32_t scanCode;  // set 1; 0 = none (only the main block carries one)
};

inline constexpr std::size_t kKeyCodeRows = 135;

// Searched front to back: virtual keys 0xF2..0xF5 stand twice, and the first row wins.
extern const std::array<KeyCodeRow, kKeyCodeRows> KeyCodeTable;

// The first row with the given field, or null.
const KeyCodeRow* FindRowByVirtualKey(std::uint32_t virtualKey);
const KeyCodeRow* FindRowByDeviceCode(std::uint32_t deviceCode);
const KeyCodeRow* FindRowByScanCode(std::uint32_t scanCode);

// Device codes whose meaning follows the physical key, converted through the scan code.
constexpr bool IsLayoutDependentDeviceCode(std::uint32_t code) {
    return (code >= 4 && code <= 69) || (code >= 232 && code <= 239);
}
