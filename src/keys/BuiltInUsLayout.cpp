#include "keys/BuiltInUsLayout.h"

#include "keys/EvdevKeys.h"
#include "keys/VirtualKeys.h"

namespace {

constexpr std::uint32_t kLastEvdevCode = 255;

char16_t UsCharacter(std::uint32_t virtualKey) {
    if (virtualKey >= 'A' && virtualKey <= 'Z') {
        return static_cast<char16_t>(virtualKey - 'A' + 'a');
    }
    if (virtualKey >= '0' && virtualKey <= '9') {
        return static_cast<char16_t>(virtualKey);
    }
    switch (virtualKey) {
        case vk::kOem1:
            return u';';
        case vk::kOemPlus:
            return u'=';
        case vk::kOemComma:
            return u',';
        case vk::kOemMinus:
            return u'-';
        case vk::kOemPeriod:
            return u'.';
        case vk::kOem2:
            return u'/';
        case vk::kOem3:
            return u'`';
        case vk::kOem4:
            return u'[';
        case vk::kOem5:
            return u'\\';
        case vk::kOem6:
            return u']';
        case vk::kOem7:
            return u'\'';
        case vk::kOem102:
            return u'<';  // as X's us layout writes it
        case vk::kSpace:
            return u' ';
        case vk::kBack:
            return 0x08;
        case vk::kTab:
            return 0x09;
        case vk::kReturn:
            return 0x0D;
        case vk::kEscape:
            return 0x1B;
        case vk::kMultiply:
            return u'*';
        case vk::kAdd:
            return u'+';
        case vk::kSubtract:
            return u'-';
        case vk::kDivide:
            return u'/';
        case vk::kSeparator:
            return u'.';
        default:
            return 0;
    }
}

}  // namespace

std::uint32_t BuiltInUsLayout::VirtualKeyToScanCode(std::uint32_t virtualKey) const {
    if (virtualKey == 0) {
        return 0;
    }
    for (std::uint32_t evdev = 1; evdev <= kLastEvdevCode; ++evdev) {
        if (UsVirtualKeyAtEvdev(evdev) == virtualKey) {
            return evdev;
        }
    }
    return 0;
}

std::uint32_t BuiltInUsLayout::ScanCodeToVirtualKey(std::uint32_t scanCode) const {
    return UsVirtualKeyAtEvdev(scanCode);
}

std::u16string BuiltInUsLayout::KeyText(std::uint32_t virtualKey) const {
    if (VirtualKeyToScanCode(virtualKey) == 0) {
        return {};
    }
    const char16_t c = UsCharacter(virtualKey);
    return c == 0 ? std::u16string() : std::u16string(1, c);
}
