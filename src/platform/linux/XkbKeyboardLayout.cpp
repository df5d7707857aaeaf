#include "platform/linux/XkbKeyboardLayout.h"

#include <algorithm>

#include <xcb/xcb.h>
#include <xkbcommon/xkbcommon-x11.h>
#include <xkbcommon/xkbcommon.h>

#include "keys/BuiltInUsLayout.h"
#include "keys/EvdevKeys.h"
#include "platform/KeyboardLayout.h"
#include "platform/linux/XkbKeysymText.h"

namespace {

constexpr std::uint32_t kXKeycodeOffset = 8;

// Where a key's own virtual key is already taken by a key that writes its character, so that
// no two keys share a virtual key and each is named by its own character.
// Only OEM keys whose key code row follows the physical key, so that a key given one is still
// stored as itself.
constexpr std::uint32_t kSpareVirtualKeys[] = {0xBA, 0xBB, 0xBC, 0xBD, 0xBE, 0xBF,
                                               0xC0, 0xDB, 0xDC, 0xDD, 0xDE};

// Keys that keep their US virtual key whatever they write, as on every Windows layout: the
// digit row, and the extra key of 102-key boards, whose key code row is fixed.
constexpr bool KeepsUsVirtualKey(std::uint32_t evdev) {
    return (evdev >= 2 && evdev <= 11) || evdev == 86;
}

struct ContextDeleter {
    void operator()(xkb_context* c) const { xkb_context_unref(c); }
};
struct KeymapDeleter {
    void operator()(xkb_keymap* k) const { xkb_keymap_unref(k); }
};
struct StateDeleter {
    void operator()(xkb_state* s) const { xkb_state_unref(s); }
};
struct ConnectionDeleter {
    void operator()(xcb_connection_t* c) const { xcb_disconnect(c); }
};
using Context = std::unique_ptr<xkb_context, ContextDeleter>;
using Keymap = std::unique_ptr<xkb_keymap, KeymapDeleter>;
using State = std::unique_ptr<xkb_state, StateDeleter>;

std::unique_ptr<XkbKeyboardLayout> FromRuleNames(xkb_context_flags flags,
                                                 const xkb_rule_names* names) {
    Context context(xkb_context_new(flags));
    if (!context) {
        return nullptr;
    }
    Keymap keymap(xkb_keymap_new_from_names(context.get(), names, XKB_KEYMAP_COMPILE_NO_FLAGS));
    if (!keymap) {
        return nullptr;
    }
    return std::make_unique<XkbKeyboardLayout>(keymap.get(), 0);
}

}  // namespace

std::unique_ptr<XkbKeyboardLayout> XkbKeyboardLayout::FromNames(const std::string& layout,
                                                                const std::string& variant,
                                                                const std::string& options) {
    const xkb_rule_names names{"evdev", "pc105", layout.c_str(), variant.c_str(), options.c_str()};
    return FromRuleNames(XKB_CONTEXT_NO_ENVIRONMENT_NAMES, &names);
}

std::unique_ptr<XkbKeyboardLayout> XkbKeyboardLayout::FromEnvironment() {
    return FromRuleNames(XKB_CONTEXT_NO_FLAGS, nullptr);
}

std::unique_ptr<XkbKeyboardLayout> XkbKeyboardLayout::FromX11Display(const char* display) {
    std::unique_ptr<xcb_connection_t, ConnectionDeleter> connection(xcb_connect(display, nullptr));
    if (!connection || xcb_connection_has_error(connection.get()) != 0) {
        return nullptr;
    }
    if (xkb_x11_setup_xkb_extension(
            connection.get(), XKB_X11_MIN_MAJOR_XKB_VERSION, XKB_X11_MIN_MINOR_XKB_VERSION,
            XKB_X11_SETUP_XKB_EXTENSION_NO_FLAGS, nullptr, nullptr, nullptr, nullptr) == 0) {
        return nullptr;
    }
    const std::int32_t device = xkb_x11_get_core_keyboard_device_id(connection.get());
    if (device < 0) {
        return nullptr;
    }
    Context context(xkb_context_new(XKB_CONTEXT_NO_FLAGS));
    if (!context) {
        return nullptr;
    }
    Keymap keymap(xkb_x11_keymap_new_from_device(context.get(), connection.get(), device,
                                                 XKB_KEYMAP_COMPILE_NO_FLAGS));
    if (!keymap) {
        return nullptr;
    }
    // The layout the user types with now, as Windows names keys for the thread's layout.
    State state(xkb_x11_state_new_from_device(keymap.get(), connection.get(), device));
    const std::uint32_t active =
        state ? xkb_state_serialize_layout(state.get(), XKB_STATE_LAYOUT_EFFECTIVE) : 0;
    return std::make_unique<XkbKeyboardLayout>(keymap.get(), active);
}

XkbKeyboardLayout::XkbKeyboardLayout(xkb_keymap* keymap, std::uint32_t layoutIndex) {
    // No modifier and no toggle key: only the layout is locked.
    State state(xkb_state_new(keymap));
    if (!state) {
        return;
    }
    xkb_state_update_mask(state.get(), 0, 0, 0, 0, 0, layoutIndex);
    const xkb_keycode_t first =
        std::max<xkb_keycode_t>(xkb_keymap_min_keycode(keymap), kXKeycodeOffset + 1);
    const xkb_keycode_t last =
        std::min<xkb_keycode_t>(xkb_keymap_max_keycode(keymap), kXKeycodeOffset + kCodes - 1);
    for (xkb_keycode_t key = first; key <= last; ++key) {
        textAtEvdev_[key - kXKeycodeOffset] =
            KeysymText(xkb_state_key_get_one_sym(state.get(), key));
    }
    AssignVirtualKeys();
}

void XkbKeyboardLayout::AssignVirtualKeys() {
    auto assign = [this](std::uint32_t evdev, std::uint32_t key) {
        virtualKeyAtEvdev_[evdev] = key;
        // Keys that share a virtual key (Enter and keypad Enter): the main one, lower, wins.
        if (evdevOfVirtualKey_[key] == 0) {
            evdevOfVirtualKey_[key] = evdev;
        }
    };
    for (std::uint32_t evdev = 1; evdev < kCodes; ++evdev) {
        if (KeepsUsVirtualKey(evdev)) {
            assign(evdev, UsVirtualKeyAtEvdev(evdev));
        }
    }
    // Typing keys that write a letter take that letter, then those that write an OEM mark take
    // its key; the first such key wins. A key at a letter position keeps its letter for a mark
    // (Greek ; on Q) unless another key took that letter (Dvorak).
    auto isLetter = [](std::uint32_t key) { return key >= 'A' && key <= 'Z'; };
    for (const bool letters : {true, false}) {
        for (std::uint32_t evdev = 1; evdev < kCodes; ++evdev) {
            if (!IsTypingKeyEvdev(evdev) || virtualKeyAtEvdev_[evdev] != 0) {
                continue;
            }
            const std::uint32_t key = VirtualKeyForCharacter(SingleCharacter(textAtEvdev_[evdev]));
            const std::uint32_t usKey = UsVirtualKeyAtEvdev(evdev);
            if (key == 0 || isLetter(key) != letters || evdevOfVirtualKey_[key] != 0 ||
                (!letters && isLetter(usKey) && evdevOfVirtualKey_[usKey] == 0)) {
                continue;
            }
            assign(evdev, key);
        }
    }
    // Every other key takes its US-position virtual key where that is free...
    for (std::uint32_t evdev = 1; evdev < kCodes; ++evdev) {
        const std::uint32_t key = UsVirtualKeyAtEvdev(evdev);
        if (virtualKeyAtEvdev_[evdev] != 0 || key == 0) {
            continue;
        }
        if (!IsTypingKeyEvdev(evdev) || evdevOfVirtualKey_[key] == 0) {
            assign(evdev, key);
        }
    }
    // ...and a typing key whose US-position key went to another key takes a free OEM key, so
    // that no two keys share one and each is named by its own character.
    for (std::uint32_t evdev = 1; evdev < kCodes; ++evdev) {
        if (virtualKeyAtEvdev_[evdev] != 0 || UsVirtualKeyAtEvdev(evdev) == 0) {
            continue;
        }
        std::uint32_t key = UsVirtualKeyAtEvdev(evdev);  // shared when no OEM key is left
        for (std::uint32_t spare : kSpareVirtualKeys) {
            if (evdevOfVirtualKey_[spare] == 0) {
                key = spare;
                break;
            }
        }
        assign(evdev, key);
    }
}

std::uint32_t XkbKeyboardLayout::VirtualKeyToScanCode(std::uint32_t virtualKey) const {
    return virtualKey < kCodes ? evdevOfVirtualKey_[virtualKey] : 0;
}

std::uint32_t XkbKeyboardLayout::ScanCodeToVirtualKey(std::uint32_t scanCode) const {
    return scanCode < kCodes ? virtualKeyAtEvdev_[scanCode] : 0;
}

std::u16string XkbKeyboardLayout::KeyText(std::uint32_t virtualKey) const {
    const std::uint32_t evdev = VirtualKeyToScanCode(virtualKey);
    return evdev == 0 ? std::u16string() : textAtEvdev_[evdev];
}

std::unique_ptr<KeyboardLayout> CreateSystemKeyboardLayout() {
    if (auto layout = XkbKeyboardLayout::FromX11Display()) {
        return layout;
    }
    if (auto layout = XkbKeyboardLayout::FromEnvironment()) {
        return layout;
    }
    return std::make_unique<BuiltInUsLayout>();
}
