#include <gtest/gtest.h>

#include <memory>

#include "KeyPrinters.h"
#include "keys/BuiltInUsLayout.h"
#include "keys/KeyCodeTable.h"
#include "keys/KeyCodes.h"
#include "keys/KeyNames.h"
#include "keys/VirtualKeys.h"
#include "platform/KeyboardLayout.h"
#include "platform/linux/XkbKeyboardLayout.h"

// Real layouts from xkeyboard-config, compiled by libxkbcommon; no display needed.
namespace {

std::unique_ptr<XkbKeyboardLayout> Layout(const char* name, const char* variant = "") {
    auto layout = XkbKeyboardLayout::FromNames(name, variant);
    if (!layout) {
        ADD_FAILURE() << "layout " << name << " does not compile";
    }
    return layout;
}

class XkbLayouts : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(us && fr && de);
        strings.Parse("1116\tLeft Ctrl\n");
    }
    std::unique_ptr<XkbKeyboardLayout> us = Layout("us");
    std::unique_ptr<XkbKeyboardLayout> fr = Layout("fr");
    std::unique_ptr<XkbKeyboardLayout> de = Layout("de");
    StringTable strings;
};

TEST(XkbKeyboardLayout, UnknownLayoutNamesGiveNoLayout) {
    EXPECT_EQ(XkbKeyboardLayout::FromNames("no-such-layout"), nullptr);
}

TEST_F(XkbLayouts, ALetterIsStoredAtThePhysicalKeyThatWritesIt) {
    EXPECT_EQ(VirtualKeyToDeviceCode(0x41, *us), (KeyConversion{true, 0x04}));
    EXPECT_EQ(DeviceCodeName(0x04, *us, strings), u"A");
    // On AZERTY, A sits where US has Q.
    EXPECT_EQ(VirtualKeyToDeviceCode(0x41, *fr), (KeyConversion{true, 0x14}));
    EXPECT_EQ(DeviceCodeName(0x14, *fr, strings), u"A");
    EXPECT_EQ(DeviceCodeName(0x04, *fr, strings), u"Q");
    EXPECT_EQ(VirtualKeyToDeviceCode('M', *fr), (KeyConversion{true, 0x33}));
    // On QWERTZ, Z and Y change places.
    EXPECT_EQ(VirtualKeyToDeviceCode('Z', *de), (KeyConversion{true, 0x1C}));
    EXPECT_EQ(DeviceCodeName(0x1D, *de, strings), u"Y");
}

TEST_F(XkbLayouts, KeysAreNamedAsTheLayoutWritesThemUpperCased) {
    struct Case {
        const char* layout;
        std::uint32_t code;
        std::u16string_view name;
    };
    const Case cases[] = {
        {"us", 0x1F, u"2"},      {"us", 0x2D, u"-"},
        {"us", 0x35, u"`"},      {"fr", 0x1F, u"\u00C9"},  // é on the 2 key
        {"fr", 0x1E, u"&"},      {"fr", 0x10, u","},
        {"fr", 0x34, u"\u00D9"}, {"fr", 0x2F, u"^"},  // a dead key shows its accent
        {"de", 0x2D, u"\u00DF"},                      // ß has no one-letter capital
        {"de", 0x38, u"-"},      {"de", 0x33, u"\u00D6"},
        {"de", 0x35, u"^"},      {"de", 0x2E, u"\u00B4"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.layout) + " " + std::to_string(c.code));
        auto layout = Layout(c.layout);
        ASSERT_TRUE(layout);
        EXPECT_EQ(DeviceCodeName(c.code, *layout, strings), c.name);
    }
}

TEST_F(XkbLayouts, ModifiersAndFixedNames) {
    EXPECT_EQ(VirtualKeyToDeviceCode(0xA2, *fr), (KeyConversion{true, 0xE0}));
    EXPECT_EQ(DeviceCodeName(0xE0, *fr, strings), u"L_Ctrl");
    EXPECT_EQ(VirtualKeyLongName(0xA2, *fr), u"Left Ctrl");
    EXPECT_EQ(VirtualKeyShortName(0xA2, strings), u"Left Ctrl");
    EXPECT_EQ(VirtualKeyShortName(0x41, strings), u"A");
    EXPECT_EQ(VirtualKeyShortName(0xA0, strings), u"Left Shift");
    EXPECT_EQ(DeviceCodeName(0x28, *us, strings), u"Enter");
    EXPECT_EQ(DeviceCodeName(0x3A, *us, strings), u"F1");
    EXPECT_EQ(DeviceCodeName(0xF1, *us, strings), u"L Button");
    EXPECT_EQ(VirtualKeyToDeviceCode(0xF2, *us), (KeyConversion{true, 0x88}));
    EXPECT_EQ(DeviceCodeName(0x32, *us, strings), u"");
}

// Every row converts to its own device code and back on the US layout; a virtual key that
// stands twice converts to its earlier row.
TEST_F(XkbLayouts, TheWholeTableRoundTripsOnUs) {
    for (std::size_t i = 0; i < KeyCodeTable.size(); ++i) {
        const KeyCodeRow& row = KeyCodeTable[i];
        SCOPED_TRACE(i + 1);
        const auto vk = static_cast<std::uint32_t>(row.virtualKey);
        const auto code = static_cast<std::uint32_t>(row.deviceCode);
        const KeyCodeRow* first = FindRowByVirtualKey(vk);
        EXPECT_EQ(VirtualKeyToDeviceCode(vk, *us),
                  (KeyConversion{true, static_cast<std::uint32_t>(first->deviceCode)}));
        EXPECT_EQ(DeviceCodeToVirtualKey(code, *us), (KeyConversion{true, vk}));
        if (row.scanCode != 0) {
            EXPECT_EQ(us->VirtualKeyToScanCode(vk), static_cast<std::uint32_t>(row.scanCode));
        }
    }
}

// Each physical key of the main block keeps its device code through its virtual key, so no
// two keys of a layout share a virtual key (German ß and - both fall on the minus key's).
TEST(XkbKeyboardLayout, MainBlockKeysRoundTripOnEveryLayout) {
    for (const char* name : {"us", "fr", "de", "gb", "ru", "gr", "es", "us:dvorak"}) {
        const std::string layoutName = name;
        const auto colon = layoutName.find(':');
        auto layout = colon == std::string::npos ? Layout(name)
                                                 : Layout(layoutName.substr(0, colon).c_str(),
                                                          layoutName.substr(colon + 1).c_str());
        ASSERT_TRUE(layout) << name;
        for (std::size_t i = 0; i < 65; ++i) {
            const auto code = static_cast<std::uint32_t>(KeyCodeTable[i].deviceCode);
            const KeyConversion vk = DeviceCodeToVirtualKey(code, *layout);
            ASSERT_TRUE(vk.found);
            EXPECT_NE(vk.code, 0u) << name << " row " << i + 1;
            EXPECT_EQ(VirtualKeyToDeviceCode(vk.code, *layout), (KeyConversion{true, code}))
                << name << " row " << i + 1;
        }
    }
}

TEST(XkbKeyboardLayout, KeysWithoutACharacterHaveNoText) {
    auto us = Layout("us");
    ASSERT_TRUE(us);
    EXPECT_EQ(us->KeyText(0x00), u"");
    EXPECT_EQ(us->KeyText(0xA0), u"");  // left Shift
    EXPECT_EQ(us->KeyText(0x70), u"");  // F1
    EXPECT_EQ(us->KeyText(0x7C), u"");  // F13 is not on the keyboard
    EXPECT_EQ(us->KeyText(0x41), u"a");
    EXPECT_EQ(us->KeyText(0x0D), u"\r");
    EXPECT_EQ(VirtualKeyLongName(0xA6, *us), u"");
}

}  // namespace

namespace {

// The built-in fallback must agree with xkeyboard-config's US layout wherever both have a key.
TEST(BuiltInUsLayout, AgreesWithTheUsKeymap) {
    auto us = Layout("us");
    ASSERT_TRUE(us);
    const BuiltInUsLayout builtIn;
    for (std::uint32_t evdev = 1; evdev < 256; ++evdev) {
        const std::uint32_t vk = us->ScanCodeToVirtualKey(evdev);
        if (vk != 0 && builtIn.ScanCodeToVirtualKey(evdev) != 0) {
            EXPECT_EQ(builtIn.ScanCodeToVirtualKey(evdev), vk) << "evdev " << evdev;
        }
    }
    for (const KeyCodeRow& row : KeyCodeTable) {
        const auto vk = static_cast<std::uint32_t>(row.virtualKey);
        EXPECT_EQ(builtIn.VirtualKeyToScanCode(vk), us->VirtualKeyToScanCode(vk)) << vk;
        EXPECT_EQ(builtIn.KeyText(vk), us->KeyText(vk)) << vk;
    }
}

TEST(SystemKeyboardLayout, WithoutAnXServerALayoutIsStillThere) {
    EXPECT_EQ(XkbKeyboardLayout::FromX11Display(":4711"), nullptr);
    const std::unique_ptr<KeyboardLayout> layout = CreateSystemKeyboardLayout();
    ASSERT_NE(layout, nullptr);
    EXPECT_TRUE(VirtualKeyToDeviceCode(0xA2, *layout).found);
    EXPECT_NE(layout->VirtualKeyToScanCode(vk::kReturn), 0u);
}

}  // namespace
