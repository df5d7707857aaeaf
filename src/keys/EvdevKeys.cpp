#include "keys/EvdevKeys.h"

#include "keys/VirtualKeys.h"

namespace {

struct Position {
    std::uint32_t evdev;
    std::uint32_t virtualKey;
};

// clang-format off
// Keys beyond the 1..84 run of kMainBlock.
constexpr Position kOtherKeys[] = {
    {85, vk::kOemAuto},            // Zenkaku/Hankaku
    {86, vk::kOem102},             // the extra key of 102-key layouts
    {87, vk::kF1 + 10},            // F11
    {88, vk::kF1 + 11},            // F12
    {89, vk::kAbntC1},             // Ro
    {92, vk::kConvert},            // Henkan
    {93, vk::kOemCopy},            // Katakana/Hiragana
    {94, vk::kNonConvert},         // Muhenkan
    {96, vk::kReturn},             // keypad Enter
    {97, vk::kRControl},
    {98, vk::kDivide},
    {99, vk::kSnapshot},
    {100, vk::kRMenu},
    {102, vk::kHome},
    {103, vk::kUp},
    {104, vk::kPrior},
    {105, vk::kLeft},
    {106, vk::kRight},
    {107, vk::kEnd},
    {108, vk::kDown},
    {109, vk::kNext},
    {110, vk::kInsert},
    {111, vk::kDelete},
    {113, vk::kVolumeMute},
    {114, vk::kVolumeDown},
    {115, vk::kVolumeUp},
    {119, vk::kPause},
    {121, vk::kSeparator},         // keypad comma
    {124, vk::kOem5},              // Yen
    {125, vk::kLWin},
    {126, vk::kRWin},
    {127, vk::kApps},
    {128, vk::kBrowserStop},
    {140, vk::kLaunchApp2},        // calculator
    {142, vk::kSleep},
    {150, vk::kBrowserHome},       // WWW
    {155, vk::kLaunchMail},
    {156, vk::kBrowserFavorites},
    {157, vk::kLaunchApp1},        // my computer
    {158, vk::kBrowserBack},
    {159, vk::kBrowserForward},
    {163, vk::kMediaNextTrack},
    {164, vk::kMediaPlayPause},
    {165, vk::kMediaPrevTrack},
    {166, vk::kMediaStop},
    {172, vk::kBrowserHome},
    {173, vk::kBrowserRefresh},
    {217, vk::kBrowserSearch},
    {226, vk::kLaunchMediaSelect},
};

// Evdev codes 1..84 on a US keyboard, in order; keypad keys as with Num Lock on.
constexpr std::uint32_t kMainBlock[] = {
    vk::kEscape,
    '1', '2', '3', '4', '5', '6', '7', '8', '9', '0', vk::kOemMinus, vk::kOemPlus, vk::kBack,
    vk::kTab, 'Q', 'W', 'E', 'R', 'T', 'Y', 'U', 'I', 'O', 'P', vk::kOem4, vk::kOem6, vk::kReturn,
    vk::kLControl, 'A', 'S', 'D', 'F', 'G', 'H', 'J', 'K', 'L', vk::kOem1, vk::kOem7, vk::kOem3,
    vk::kLShift, vk::kOem5, 'Z', 'X', 'C', 'V', 'B', 'N', 'M', vk::kOemComma, vk::kOemPeriod,
    vk::kOem2, vk::kRShift,
    vk::kMultiply, vk::kLMenu, vk::kSpace, vk::kCapital,
    vk::kF1, vk::kF1 + 1, vk::kF1 + 2, vk::kF1 + 3, vk::kF1 + 4, vk::kF1 + 5, vk::kF1 + 6,
    vk::kF1 + 7, vk::kF1 + 8, vk::kF1 + 9,
    vk::kNumLock, vk::kScroll,
    vk::kNumpad0 + 7, vk::kNumpad0 + 8, vk::kNumpad0 + 9, vk::kSubtract,
    vk::kNumpad0 + 4, vk::kNumpad0 + 5, vk::kNumpad0 + 6, vk::kAdd,
    vk::kNumpad0 + 1, vk::kNumpad0 + 2, vk::kNumpad0 + 3,
    vk::kNumpad0, vk::kDecimal,
    0,  // evdev 84 is unused
};
static_assert(sizeof(kMainBlock) / sizeof(kMainBlock[0]) == 84);

constexpr std::uint32_t kExtended[] = {
    69,                                                // Num Lock
    96, 97, 98, 99, 100,                               // keypad Enter, right Ctrl, keypad /, Print, right Alt
    102, 103, 104, 105, 106, 107, 108, 109, 110, 111,  // navigation block and arrows
    113, 114, 115,                                     // volume
    125, 126, 127,                                     // Windows keys, Application
    128, 140, 142, 150, 155, 156, 157, 158, 159,       // browser, launch and media keys
    163, 164, 165, 166, 172, 173, 217, 226,
};
// clang-format on

}  // namespace

std::uint32_t UsVirtualKeyAtEvdev(std::uint32_t evdevCode) {
    if (evdevCode >= 1 && evdevCode <= 84) {
        return kMainBlock[evdevCode - 1];
    }
    for (const Position& p : kOtherKeys) {
        if (p.evdev == evdevCode) {
            return p.virtualKey;
        }
    }
    return 0;
}

bool IsTypingKeyEvdev(std::uint32_t evdevCode) {
    return (evdevCode >= 2 && evdevCode <= 13) || (evdevCode >= 16 && evdevCode <= 27) ||
           (evdevCode >= 30 && evdevCode <= 41) || (evdevCode >= 43 && evdevCode <= 53) ||
           evdevCode == 86;
}

bool IsExtendedEvdevKey(std::uint32_t evdevCode) {
    for (std::uint32_t code : kExtended) {
        if (code == evdevCode) {
            return true;
        }
    }
    return false;
}

std::uint32_t VirtualKeyForCharacter(char32_t c) {
    if (c >= U'a' && c <= U'z') {
        return static_cast<std::uint32_t>(c - U'a' + U'A');
    }
    if ((c >= U'A' && c <= U'Z') || (c >= U'0' && c <= U'9')) {
        return static_cast<std::uint32_t>(c);
    }
    switch (c) {
        case U';':
            return vk::kOem1;
        case U'=':
            return vk::kOemPlus;
        case U'+':
            return vk::kOemPlus;  // Windows names this key by '+' on every layout
        case U',':
            return vk::kOemComma;
        case U'-':
            return vk::kOemMinus;
        case U'.':
            return vk::kOemPeriod;
        case U'/':
            return vk::kOem2;
        case U'`':
            return vk::kOem3;
        case U'[':
            return vk::kOem4;
        case U'\\':
            return vk::kOem5;
        case U']':
            return vk::kOem6;
        case U'\'':
            return vk::kOem7;
        default:
            return 0;
    }
}
