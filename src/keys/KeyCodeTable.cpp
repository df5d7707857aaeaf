#include "keys/KeyCodeTable.h"

#include <algorithm>

namespace {

constexpr std::array<KeyCodeRow, kKeyCodeRows> BuildTable() {
    std::array<KeyCodeRow, kKeyCodeRows> t{};
    std::size_t n = 0;
    auto add = [&](std::int32_t vk, std::int32_t code, std::int32_t scan = 0) {
        t[n++] = KeyCodeRow{vk, code, scan};
    };

    // clang-format off
    // Letters A..Z at their set-1 positions.
    constexpr std::int32_t kLetterScan[26] = {
        0x1E, 0x30, 0x2E, 0x20, 0x12, 0x21, 0x22, 0x23, 0x17, 0x24, 0x25, 0x26, 0x32,  // A..M
        0x31, 0x18, 0x19, 0x10, 0x13, 0x1F, 0x14, 0x16, 0x2F, 0x11, 0x2D, 0x15, 0x2C,  // N..Z
    };
    for (std::int32_t i = 0; i < 26; ++i) {
        add(0x41 + i, 0x04 + i, kLetterScan[i]);
    }
    for (std::int32_t i = 0; i < 9; ++i) {  // 1..9
        add(0x31 + i, 0x1E + i, 0x02 + i);
    }
    add(0x30, 0x27, 0x0B);  // 0
    add(0x0D, 0x28, 0x1C);  // Enter
    add(0x1B, 0x29, 0x01);  // Esc
    add(0x08, 0x2A, 0x0E);  // Backspace
    add(0x09, 0x2B, 0x0F);  // Tab
    add(0x20, 0x2C, 0x39);  // Space
    add(0xBD, 0x2D, 0x0C);  // -
    add(0xBB, 0x2E, 0x0D);  // =
    add(0xDB, 0x2F, 0x1A);  // [
    add(0xDD, 0x30, 0x1B);  // ]
    add(0xDC, 0x31, 0x2B);  // backslash
    add(0xBA, 0x33, 0x27);  // ;
    add(0xDE, 0x34, 0x28);  // '
    add(0xC0, 0x35, 0x29);  // `
    add(0xBC, 0x36, 0x33);  // ,
    add(0xBE, 0x37, 0x34);  // .
    add(0xBF, 0x38, 0x35);  // /
    add(0x14, 0x39, 0x3A);  // Caps Lock
    for (std::int32_t i = 0; i < 10; ++i) {  // F1..F10
        add(0x70 + i, 0x3A + i, 0x3B + i);
    }
    add(0x7A, 0x44, 0x57);  // F11
    add(0x7B, 0x45, 0x58);  // F12

    add(0x2C, 0x46);  // Print Screen
    add(0x91, 0x47);  // Scroll Lock
    add(0x13, 0x48);  // Pause
    add(0x2D, 0x49);  // Insert
    add(0x24, 0x4A);  // Home
    add(0x21, 0x4B);  // Page Up
    add(0x2E, 0x4C);  // Delete
    add(0x23, 0x4D);  // End
    add(0x22, 0x4E);  // Page Down
    add(0x27, 0x4F);  // Right
    add(0x25, 0x50);  // Left
    add(0x28, 0x51);  // Down
    add(0x26, 0x52);  // Up
    add(0x90, 0x53);  // Num Lock
    add(0x6F, 0x54);  // keypad /
    add(0x6A, 0x55);  // keypad *
    add(0x6D, 0x56);  // keypad -
    add(0x6B, 0x57);  // keypad +
    add(0x6C, 0x58);  // keypad Enter
    for (std::int32_t i = 0; i < 5; ++i) {  // keypad 1..5
        add(0x61 + i, 0x59 + i);
    }
    add(0x67, 0x5F);  // keypad 7 stands before keypad 6
    add(0x66, 0x5E);
    add(0x68, 0x60);
    add(0x69, 0x61);
    add(0x60, 0x62);  // keypad 0
    add(0x6E, 0x63);  // keypad .
    add(0xE2, 0x64);  // extra backslash key of 102-key layouts
    add(0x5D, 0x65);  // Application
    add(0xA2, 0xE0);  // left Ctrl, Shift, Alt, Win
    add(0xA0, 0xE1);
    add(0xA4, 0xE2);
    add(0x5B, 0xE3);
    add(0xA3, 0xE4);  // right Ctrl, Shift, Alt, Win
    add(0xA1, 0xE5);
    add(0xA5, 0xE6);
    add(0x5C, 0xE7);
    add(0x801, 0xAC);  // no key
    for (std::int32_t i = 0; i < 18; ++i) {  // browser, volume, media and launch keys
        add(0xA6 + i, 0x70 + i);
    }
    add(0xF0, 0xE8);
    add(0xE9, 0xE9);
    add(0xF2, 0x88);
    add(0xF3, 0xEB);
    add(0xF4, 0xEC);
    add(0xF5, 0xED);
    for (std::int32_t i = 0; i < 5; ++i) {  // mouse buttons left, right, middle, back, forward
        add(0xF1 + i, 0xF1 + i);
    }
    // clang-format on
    if (n != kKeyCodeRows) {
        throw "key code table row count";
    }
    return t;
}

template <typename Field>
const KeyCodeRow* FindFirst(Field field, std::uint32_t value) {
    const auto it = std::find_if(
        KeyCodeTable.begin(), KeyCodeTable.end(),
        [&](const KeyCodeRow& r) { return static_cast<std::uint32_t>(r.*field) == value; });
    return it == KeyCodeTable.end() ? nullptr : &*it;
}

// Built at compile time, so a wrong row count fails the build.
constexpr std::array<KeyCodeRow, kKeyCodeRows> kTable = BuildTable();

}  // namespace

const std::array<KeyCodeRow, kKeyCodeRows> KeyCodeTable = kTable;

const KeyCodeRow* FindRowByVirtualKey(std::uint32_t virtualKey) {
    return FindFirst(&KeyCodeRow::virtualKey, virtualKey);
}

const KeyCodeRow* FindRowByDeviceCode(std::uint32_t deviceCode) {
    return FindFirst(&KeyCodeRow::deviceCode, deviceCode);
}

const KeyCodeRow* FindRowByScanCode(std::uint32_t scanCode) {
    return FindFirst(&KeyCodeRow::scanCode, scanCode);
}
