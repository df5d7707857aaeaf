#include "keys/KeyNames.h"

#include <string_view>

#include "keys/KeyCase.h"
#include "keys/KeyCodes.h"

namespace {

struct Named {
    std::uint32_t code;
    std::u16string_view text;
};

// For the runs of numbered names ("F1".."F12", "Num_1".."Num_9").
std::u16string Numbered(std::u16string_view prefix, std::uint32_t n,
                        std::u16string_view suffix = u"") {
    std::u16string out(prefix);
    if (n >= 10) {
        out += static_cast<char16_t>(u'0' + n / 10);
    }
    out += static_cast<char16_t>(u'0' + n % 10);
    out += suffix;
    return out;
}

template <std::size_t N>
std::u16string Lookup(const Named (&list)[N], std::uint32_t code) {
    for (const Named& entry : list) {
        if (entry.code == code) {
            return std::u16string(entry.text);
        }
    }
    return {};
}

constexpr Named kDeviceNames[] = {
    {70, u"Print Screen"},
    {71, u"Scroll Lock"},
    {72, u"Break"},
    {73, u"Insert"},
    {74, u"Home"},
    {75, u"Page Up"},
    {76, u"Delete"},
    {77, u"End"},
    {78, u"Page Down"},
    {79, u"Right Arrow"},
    {80, u"Left Arrow"},
    {81, u"Down Arrow"},
    {82, u"Up Arrow"},
    {83, u"Num Lock"},
    {84, u"Num_/"},
    {85, u"Num_*"},
    {86, u"Num_-"},
    {87, u"Num_+"},
    {88, u"Num_Enter"},
    {98, u"Num_0"},
    {99, u"Num_."},
    {100, u"\\"},
    {101, u"APP"},
    {130, u"Sleep"},
    {136, u"Kana/Roma"},
    {186, u"Button 5"},
    {187, u"Button 4"},
    {221, u"]"},
    {224, u"L_Ctrl"},
    {225, u"L_Shift"},
    {226, u"L_Alt"},
    {227, u"L_Win"},
    {228, u"R_Ctrl"},
    {229, u"Right Shift"},
    {230, u"Right Alt"},
    {231, u"Right Win"},
    {241, u"L Button"},
    {242, u"R Button"},
    {243, u"M Button"},
    {244, u"Backward Button"},
    {245, u"Forward Button"},
};

constexpr Named kLongNames[] = {
    {8, u"BackSpace"},
    {9, u"Tab"},
    {12, u"Clr"},
    {13, u"Enter"},
    {16, u"Shift"},
    {17, u"Ctrl"},
    {18, u"Alt"},
    {19, u"Pause"},
    {20, u"Caps Lock"},
    {240, u"Caps Lock"},
    {27, u"Esc"},
    {32, u"Space"},
    {33, u"Page Up"},
    {34, u"Page Down"},
    {35, u"End"},
    {36, u"Home"},
    {37, u"Left Arrow"},
    {38, u"Up Arrow"},
    {39, u"Right Arrow"},
    {40, u"Down Arrow"},
    {41, u"Select"},
    {42, u"Print Screen"},
    {44, u"Print Screen"},
    {43, u"Exe"},
    {45, u"Insert"},
    {46, u"Delete"},
    {47, u"Help"},
    {91, u"Left Windows Button"},
    {92, u"Right Windows Button"},
    {93, u"APP"},
    {106, u"Num*"},
    {107, u"Num+"},
    {108, u"NumRet"},
    {109, u"Num-"},
    {110, u"Num."},
    {111, u"Num/"},
    {144, u"Num Lock"},
    {145, u"Scroll Lock"},
    {160, u"Left Shift"},
    {161, u"Right Shift"},
    {162, u"Left Ctrl"},
    {163, u"Right Ctrl"},
    {164, u"Left Alt"},
    {165, u"Right Alt"},
    {241, u"E9"},
    {242, u"Kana/Roma"},
    {243, u"Full/Half Width"},
    {244, u"EC"},
    {245, u"Full/HalfWidth"},
};

constexpr Named kShortNames[] = {
    {8, u"BackSpace"},
    {9, u"Tab"},
    {13, u"Enter"},
    {19, u"Pause"},
    {20, u"CapsLock"},
    {27, u"Esc"},
    {32, u"Space"},
    {37, u"Left"},
    {38, u"Up"},
    {39, u"Right"},
    {40, u"Down"},
    {41, u"Select"},
    {43, u"Execute"},
    {44, u"Print Screen"},
    {47, u"Help"},
    {91, u"Left Windows"},
    {92, u"Right Windows"},
    {93, u"APP"},
    {106, u"(*)"},
    {107, u"(+)"},
    {108, u"(Enter)"},
    {109, u"(-)"},
    {110, u"(.)"},
    {111, u"(/)"},
    {144, u"Numlock"},
    {145, u"ScrollLock"},
    {160, u"Left Shift"},
    {161, u"Right Shift"},
    {164, u"Left Alt"},
    {165, u"Right Alt"},
    {186, u";"},
    {187, u"="},
    {188, u","},
    {189, u"-"},
    {190, u"."},
    {191, u"/"},
    {192, u"`"},
    {219, u"["},
    {220, u"\\"},
    {221, u"]"},
    {222, u"'"},
};

// Short names in the user's language, by string number.
constexpr struct {
    std::uint32_t virtualKey;
    int string;
} kTranslatedShortNames[] = {
    {33, 1110}, {34, 1111}, {35, 1112},  {36, 1113},
    {45, 1114}, {46, 1115}, {162, 1116}, {163, 1117},
};

constexpr int kBackslashKeyString = 1118;  // device code 220

}  // namespace

std::u16string DeviceCodeName(std::uint32_t deviceCode, const KeyboardLayout& layout,
                              const StringTable& strings) {
    if ((deviceCode >= 4 && deviceCode <= 57) || (deviceCode >= 232 && deviceCode <= 239)) {
        return VirtualKeyLongName(DeviceCodeToVirtualKey(deviceCode, layout).code, layout);
    }
    if (deviceCode >= 58 && deviceCode <= 69) {
        return Numbered(u"F", deviceCode - 57);
    }
    if (deviceCode >= 89 && deviceCode <= 97) {
        return Numbered(u"Num_", deviceCode - 88);
    }
    if (deviceCode == 220) {
        return strings.Get(kBackslashKeyString);
    }
    return Lookup(kDeviceNames, deviceCode);
}

std::u16string VirtualKeyLongName(std::uint32_t virtualKey, const KeyboardLayout& layout) {
    if (virtualKey >= 96 && virtualKey <= 105) {
        return Numbered(u"Num", virtualKey - 96);
    }
    if (virtualKey >= 112 && virtualKey <= 123) {
        return Numbered(u"F", virtualKey - 111);
    }
    std::u16string fixed = Lookup(kLongNames, virtualKey);
    if (!fixed.empty() || virtualKey == 0) {
        return fixed;
    }
    // What the layout writes, in a 260-unit buffer as the layout call is given.
    std::u16string text = layout.KeyText(virtualKey);
    if (text.size() > StringTable::kBufferUnits) {
        text.resize(StringTable::kBufferUnits);
    }
    return UpperCaseKeyText(text);
}

std::u16string VirtualKeyShortName(std::uint32_t virtualKey, const StringTable& strings) {
    if ((virtualKey >= u'0' && virtualKey <= u'9') || (virtualKey >= u'A' && virtualKey <= u'Z')) {
        return std::u16string(1, static_cast<char16_t>(virtualKey));
    }
    if (virtualKey >= 96 && virtualKey <= 105) {
        return Numbered(u"(", virtualKey - 96, u")");
    }
    if (virtualKey >= 112 && virtualKey <= 123) {
        return Numbered(u"F", virtualKey - 111);
    }
    for (const auto& entry : kTranslatedShortNames) {
        if (entry.virtualKey == virtualKey) {
            return strings.Get(entry.string);
        }
    }
    return Lookup(kShortNames, virtualKey);
}
