#include "platform/windows/Win32KeyboardLayout.h"

#ifndef NOMINMAX
#define NOMINMAX
#endif
#include <windows.h>

#include <memory>

#include "platform/KeyboardLayout.h"

namespace {

constexpr int kTextUnits = 260;

}  // namespace

std::uint32_t Win32KeyboardLayout::VirtualKeyToScanCode(std::uint32_t virtualKey) const {
    return MapVirtualKeyW(virtualKey, MAPVK_VK_TO_VSC);
}

std::uint32_t Win32KeyboardLayout::ScanCodeToVirtualKey(std::uint32_t scanCode) const {
    return MapVirtualKeyW(scanCode, MAPVK_VSC_TO_VK_EX);
}

std::u16string Win32KeyboardLayout::KeyText(std::uint32_t virtualKey) const {
    if (virtualKey == 0) {
        return {};
    }
    const UINT scan = MapVirtualKeyW(virtualKey, MAPVK_VK_TO_VSC);
    // A private, all-zero state: no modifier and no toggle key, whatever the user holds.
    const BYTE state[256] = {};
    WCHAR buffer[kTextUnits] = {};
    int written = ToUnicode(virtualKey, scan, state, buffer, kTextUnits, 0);
    if (written < 0) {
        // A dead key: the buffer holds its spacing accent, and the accent now waits in the
        // thread's keyboard buffer. Pressing the dead key again writes it out, so the user's
        // next keystroke is not changed by our asking.
        WCHAR scratch[kTextUnits] = {};
        for (int i = 0; i < 4 && ToUnicode(virtualKey, scan, state, scratch, kTextUnits, 0) < 0;
             ++i) {
        }
        written = 1;
    }
    std::u16string text;
    for (int i = 0; i < written && i < kTextUnits; ++i) {
        text += static_cast<char16_t>(buffer[i]);
    }
    return text;
}

std::unique_ptr<KeyboardLayout> CreateSystemKeyboardLayout() {
    return std::make_unique<Win32KeyboardLayout>();
}
