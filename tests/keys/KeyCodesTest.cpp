#include <gtest/gtest.h>

#include "KeyPrinters.h"
#include "keys/BuiltInUsLayout.h"
#include "keys/KeyCodes.h"

namespace {

// A US layout on which some keys cannot be placed, as when the user's layout lacks them.
class LayoutWithout final : public KeyboardLayout {
public:
    explicit LayoutWithout(std::uint32_t missingKey) : missing_(missingKey) {}
    std::uint32_t VirtualKeyToScanCode(std::uint32_t vk) const override {
        return vk == missing_ ? 0 : us_.VirtualKeyToScanCode(vk);
    }
    std::uint32_t ScanCodeToVirtualKey(std::uint32_t scan) const override {
        const std::uint32_t vk = us_.ScanCodeToVirtualKey(scan);
        return vk == missing_ ? 0 : vk;
    }
    std::u16string KeyText(std::uint32_t vk) const override { return us_.KeyText(vk); }

private:
    BuiltInUsLayout us_;
    std::uint32_t missing_;
};

TEST(KeyCodes, CodesWithoutARowAreNotFound) {
    const BuiltInUsLayout us;
    const KeyConversion none{false, 0};
    EXPECT_EQ(VirtualKeyToDeviceCode(0x00, us), none);
    EXPECT_EQ(VirtualKeyToDeviceCode(0x07, us), none);
    EXPECT_EQ(VirtualKeyToDeviceCode(0x10, us), none);  // generic Shift: callers resolve it
    EXPECT_EQ(VirtualKeyToDeviceCode(0x1FF, us), none);
    EXPECT_EQ(DeviceCodeToVirtualKey(0x00, us), none);
    EXPECT_EQ(DeviceCodeToVirtualKey(0x32, us), none);
    EXPECT_EQ(DeviceCodeToVirtualKey(0x6F, us), none);
    EXPECT_EQ(DeviceCodeToVirtualKey(0xEA, us), none);
    EXPECT_EQ(DeviceCodeToVirtualKey(0xFF, us), none);  // the delay marker is no key
}

TEST(KeyCodes, KeysOutsideTheLayoutRangesConvertByTheirRow) {
    const BuiltInUsLayout us;
    struct Case {
        std::uint32_t vk;
        std::uint32_t code;
    };
    const Case cases[] = {
        {0xA2, 0xE0}, {0xA5, 0xE6}, {0x5C, 0xE7}, {0x2C, 0x46},
        {0x6C, 0x58}, {0x67, 0x5F}, {0x66, 0x5E}, {0x801, 0xAC},
        {0xB7, 0x81}, {0xF1, 0xF1}, {0xF5, 0xED}, {0xF2, 0x88},  // the earlier of its two rows
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.vk);
        EXPECT_EQ(VirtualKeyToDeviceCode(c.vk, us), (KeyConversion{true, c.code}));
    }
    EXPECT_EQ(DeviceCodeToVirtualKey(0xF2, us), (KeyConversion{true, 0xF2}));
    EXPECT_EQ(DeviceCodeToVirtualKey(0x88, us), (KeyConversion{true, 0xF2}));
    EXPECT_EQ(DeviceCodeToVirtualKey(0xE0, us), (KeyConversion{true, 0xA2}));
}

// Without a scan code to search for, a key keeps its own row instead of taking the first row
// without one (Print Screen).
TEST(KeyCodes, AKeyTheLayoutCannotPlaceKeepsItsOwnCode) {
    EXPECT_EQ(VirtualKeyToDeviceCode('Q', LayoutWithout('Q')), (KeyConversion{true, 0x14}));
    const BuiltInUsLayout us;
    EXPECT_EQ(VirtualKeyToDeviceCode(0xF0, us), (KeyConversion{true, 0xE8}));
    EXPECT_EQ(VirtualKeyToDeviceCode(0xE9, us), (KeyConversion{true, 0xE9}));
    EXPECT_EQ(VirtualKeyToDeviceCode(0xF3, us), (KeyConversion{true, 0xEB}));
}

// Their rows carry no scan code, so the virtual-key column names them.
TEST(KeyCodes, OemCodesConvertBackThroughTheirVirtualKey) {
    const BuiltInUsLayout us;
    EXPECT_EQ(DeviceCodeToVirtualKey(0xE8, us), (KeyConversion{true, 0xF0}));
    EXPECT_EQ(DeviceCodeToVirtualKey(0xE9, us), (KeyConversion{true, 0xE9}));
    EXPECT_EQ(DeviceCodeToVirtualKey(0xED, us), (KeyConversion{true, 0xF5}));
}

TEST(KeyCodes, APhysicalKeyMissingFromTheLayoutHasVirtualKeyZero) {
    EXPECT_EQ(DeviceCodeToVirtualKey(0x14, LayoutWithout('Q')), (KeyConversion{true, 0}));
}

}  // namespace
