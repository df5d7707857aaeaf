#pragma once

#include <array>
#include <cstdint>
#include <memory>
#include <string>

#include "keys/KeyboardLayout.h"

struct xkb_keymap;

// A keyboard layout read from an XKB keymap. A key's virtual key is what it writes at level 1
// when that is a letter, digit or OEM punctuation mark, else the virtual key of its US
// position; the digit row and the extra 102-key key always keep theirs. No two keys share a
// virtual key: a key whose US-position key is taken gets a free OEM key. Its scan code is its evdev
// code (X keycode
// - 8).
class XkbKeyboardLayout final : public KeyboardLayout {
public:
    // A keymap compiled from xkeyboard-config names such as ("fr") or ("de", "nodeadkeys").
    // The XKB_DEFAULT_* environment is ignored, so the names alone decide. Null when the
    // names do not compile.
    static std::unique_ptr<XkbKeyboardLayout> FromNames(const std::string& layout,
                                                        const std::string& variant = {},
                                                        const std::string& options = {});

    // The layout named by the XKB_DEFAULT_* environment (US when unset); null when the
    // keymap data are missing.
    static std::unique_ptr<XkbKeyboardLayout> FromEnvironment();

    // The running X server's keymap at its active layout (group); null without an X server.
    // display = null means $DISPLAY.
    static std::unique_ptr<XkbKeyboardLayout> FromX11Display(const char* display = nullptr);

    // Level 1 of the given layout (group) of the keymap; the keymap is not kept.
    XkbKeyboardLayout(xkb_keymap* keymap, std::uint32_t layoutIndex);

    std::uint32_t VirtualKeyToScanCode(std::uint32_t virtualKey) const override;
    std::uint32_t ScanCodeToVirtualKey(std::uint32_t scanCode) const override;
    std::u16string KeyText(std::uint32_t virtualKey) const override;

private:
    static constexpr std::size_t kCodes = 256;

    void AssignVirtualKeys();

    std::array<std::u16string, kCodes> textAtEvdev_{};
    std::array<std::uint32_t, kCodes> virtualKeyAtEvdev_{};
    std::array<std::uint32_t, kCodes> evdevOfVirtualKey_{};
};
