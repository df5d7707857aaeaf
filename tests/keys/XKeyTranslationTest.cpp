#include <gtest/gtest.h>
#include <xkbcommon/xkbcommon-keysyms.h>

#include <memory>

#include "KeyPrinters.h"
#include "keys/XKeyTranslation.h"
#include "platform/linux/XkbKeyboardLayout.h"

namespace {

// X keycode of an evdev key code.
constexpr std::uint32_t X(std::uint32_t evdev) {
    return evdev + 8;
}

struct Case {
    const char* layout;
    std::uint32_t evdev;
    std::uint32_t keysym;
    bool released;
    KeyEventCode expected;
};

TEST(XKeyTranslation, KeyEventsBecomeVirtualKeysAndFlags) {
    const Case cases[] = {
        // Letters follow what the key writes.
        {"us", 30, XKB_KEY_a, false, {0x41, 0x00}},
        {"us", 16, XKB_KEY_q, false, {0x51, 0x00}},
        {"fr", 16, XKB_KEY_a, false, {0x41, 0x00}},
        {"fr", 30, XKB_KEY_q, false, {0x51, 0x00}},
        {"fr", 39, XKB_KEY_m, false, {0x4D, 0x00}},
        {"fr", 50, XKB_KEY_comma, false, {0xBC, 0x00}},
        {"fr", 3, XKB_KEY_eacute, false, {0x32, 0x00}},  // the 2 key keeps VK 2
        {"de", 21, XKB_KEY_z, false, {0x5A, 0x00}},
        // Shift held: the key, not the character, decides.
        {"us", 30, XKB_KEY_A, false, {0x41, 0x00}},
        {"us", 2, XKB_KEY_exclam, false, {0x31, 0x00}},
        // Extended keys.
        {"us", 105, XKB_KEY_Left, false, {0x25, 0x01}},
        {"us", 103, XKB_KEY_Up, false, {0x26, 0x01}},
        {"us", 106, XKB_KEY_Right, false, {0x27, 0x01}},
        {"us", 108, XKB_KEY_Down, false, {0x28, 0x01}},
        {"us", 110, XKB_KEY_Insert, false, {0x2D, 0x01}},
        {"us", 111, XKB_KEY_Delete, false, {0x2E, 0x01}},
        {"us", 102, XKB_KEY_Home, false, {0x24, 0x01}},
        {"us", 107, XKB_KEY_End, false, {0x23, 0x01}},
        {"us", 104, XKB_KEY_Prior, false, {0x21, 0x01}},
        {"us", 109, XKB_KEY_Next, false, {0x22, 0x01}},
        {"us", 97, XKB_KEY_Control_R, false, {0xA3, 0x01}},
        {"fr", 100, XKB_KEY_ISO_Level3_Shift, false, {0xA5, 0x01}},  // AltGr
        {"us", 96, XKB_KEY_KP_Enter, false, {0x0D, 0x01}},
        {"us", 98, XKB_KEY_KP_Divide, false, {0x6F, 0x01}},
        {"us", 69, XKB_KEY_Num_Lock, false, {0x90, 0x01}},
        {"us", 99, XKB_KEY_Print, false, {0x2C, 0x01}},
        {"us", 125, XKB_KEY_Super_L, false, {0x5B, 0x01}},
        // Their unextended twins.
        {"us", 29, XKB_KEY_Control_L, false, {0xA2, 0x00}},
        {"us", 56, XKB_KEY_Alt_L, false, {0xA4, 0x00}},
        {"us", 42, XKB_KEY_Shift_L, false, {0xA0, 0x00}},
        {"us", 54, XKB_KEY_Shift_R, false, {0xA1, 0x00}},
        {"us", 28, XKB_KEY_Return, false, {0x0D, 0x00}},
        {"us", 55, XKB_KEY_KP_Multiply, false, {0x6A, 0x00}},
        {"us", 119, XKB_KEY_Pause, false, {0x13, 0x00}},
        // The keypad with Num Lock on and off.
        {"us", 71, XKB_KEY_KP_7, false, {0x67, 0x00}},
        {"us", 71, XKB_KEY_KP_Home, false, {0x24, 0x00}},
        {"us", 80, XKB_KEY_KP_Down, false, {0x28, 0x00}},
        {"us", 76, XKB_KEY_KP_Begin, false, {0x0C, 0x00}},
        {"us", 83, XKB_KEY_KP_Delete, false, {0x2E, 0x00}},
        {"de", 83, XKB_KEY_KP_Separator, false, {0x6E, 0x00}},
        // Releases.
        {"us", 30, XKB_KEY_a, true, {0x41, 0x80}},
        {"us", 105, XKB_KEY_Left, true, {0x25, 0x81}},
        {"us", 96, XKB_KEY_KP_Enter, true, {0x0D, 0x81}},
        // Keys without a virtual key.
        {"us", 0, XKB_KEY_NoSymbol, false, {0x00, 0x00}},
        {"us", 240, XKB_KEY_NoSymbol, true, {0x00, 0x80}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.layout) + " evdev " + std::to_string(c.evdev));
        auto layout = XkbKeyboardLayout::FromNames(c.layout);
        ASSERT_TRUE(layout);
        EXPECT_EQ(TranslateXKeyEvent(X(c.evdev), c.keysym, c.released, *layout), c.expected);
    }
}

TEST(XKeyTranslation, KeycodesBelowTheEvdevOffsetHaveNoKey) {
    auto us = XkbKeyboardLayout::FromNames("us");
    ASSERT_TRUE(us);
    EXPECT_EQ(TranslateXKeyEvent(3, XKB_KEY_NoSymbol, false, *us), (KeyEventCode{0, 0}));
    // A keysym alone still names a character key.
    EXPECT_EQ(TranslateXKeyEvent(0, XKB_KEY_b, false, *us), (KeyEventCode{0x42, 0}));
}

}  // namespace
