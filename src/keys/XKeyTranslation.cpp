#include "keys/XKeyTranslation.h"

#include "keys/EvdevKeys.h"
#include "keys/VirtualKeys.h"

namespace {

constexpr std::uint32_t kXKeycodeOffset = 8;

// Keypad keysyms with Num Lock off (or Shift held): Windows reports the navigation keys, not
// extended, for the same physical keys.
std::uint32_t KeypadNavigationKey(std::uint32_t keysym) {
    switch (keysym) {
        case 0xFF95:
            return vk::kHome;  // KP_Home
        case 0xFF96:
            return vk::kLeft;  // KP_Left
        case 0xFF97:
            return vk::kUp;  // KP_Up
        case 0xFF98:
            return vk::kRight;  // KP_Right
        case 0xFF99:
            return vk::kDown;  // KP_Down
        case 0xFF9A:
            return vk::kPrior;  // KP_Page_Up
        case 0xFF9B:
            return vk::kNext;  // KP_Page_Down
        case 0xFF9C:
            return vk::kEnd;  // KP_End
        case 0xFF9D:
            return vk::kClear;  // KP_Begin
        case 0xFF9E:
            return vk::kInsert;  // KP_Insert
        case 0xFF9F:
            return vk::kDelete;  // KP_Delete
        default:
            return 0;
    }
}

// Latin-1 keysyms are their own code points.
std::uint32_t CharacterKey(std::uint32_t keysym) {
    if ((keysym >= 0x20 && keysym <= 0x7E) || (keysym >= 0xA0 && keysym <= 0xFF)) {
        return VirtualKeyForCharacter(static_cast<char32_t>(keysym));
    }
    return 0;
}

}  // namespace

KeyEventCode TranslateXKeyEvent(std::uint32_t xKeycode, std::uint32_t keysym, bool released,
                                const KeyboardLayout& layout) {
    KeyEventCode out;
    const std::uint32_t evdev = xKeycode >= kXKeycodeOffset ? xKeycode - kXKeycodeOffset : 0;
    if (evdev != 0) {
        out.virtualKey = layout.ScanCodeToVirtualKey(evdev);
        if (IsExtendedEvdevKey(evdev)) {
            out.flags |= kKeyFlagExtended;
        }
    }
    if (const std::uint32_t nav = KeypadNavigationKey(keysym); nav != 0) {
        out.virtualKey = nav;
    }
    // A key the layout does not place may still name a character.
    if (out.virtualKey == 0) {
        out.virtualKey = CharacterKey(keysym);
    }
    if (released) {
        out.flags |= kKeyFlagReleased;
    }
    return out;
}
