#pragma once

#include <cstdint>

// Windows virtual-key codes that the key code is written against. Letters and digits are their
// ASCII capitals and digits.
namespace vk {
constexpr std::uint32_t kBack = 0x08;
constexpr std::uint32_t kTab = 0x09;
constexpr std::uint32_t kClear = 0x0C;
constexpr std::uint32_t kReturn = 0x0D;
constexpr std::uint32_t kShift = 0x10;
constexpr std::uint32_t kControl = 0x11;
constexpr std::uint32_t kMenu = 0x12;
constexpr std::uint32_t kPause = 0x13;
constexpr std::uint32_t kCapital = 0x14;
constexpr std::uint32_t kConvert = 0x1C;
constexpr std::uint32_t kNonConvert = 0x1D;
constexpr std::uint32_t kEscape = 0x1B;
constexpr std::uint32_t kSpace = 0x20;
constexpr std::uint32_t kPrior = 0x21;
constexpr std::uint32_t kNext = 0x22;
constexpr std::uint32_t kEnd = 0x23;
constexpr std::uint32_t kHome = 0x24;
constexpr std::uint32_t kLeft = 0x25;
constexpr std::uint32_t kUp = 0x26;
constexpr std::uint32_t kRight = 0x27;
constexpr std::uint32_t kDown = 0x28;
constexpr std::uint32_t kSnapshot = 0x2C;
constexpr std::uint32_t kInsert = 0x2D;
constexpr std::uint32_t kDelete = 0x2E;
constexpr std::uint32_t kLWin = 0x5B;
constexpr std::uint32_t kRWin = 0x5C;
constexpr std::uint32_t kApps = 0x5D;
constexpr std::uint32_t kSleep = 0x5F;
constexpr std::uint32_t kNumpad0 = 0x60;
constexpr std::uint32_t kMultiply = 0x6A;
constexpr std::uint32_t kAdd = 0x6B;
constexpr std::uint32_t kSeparator = 0x6C;
constexpr std::uint32_t kSubtract = 0x6D;
constexpr std::uint32_t kDecimal = 0x6E;
constexpr std::uint32_t kDivide = 0x6F;
constexpr std::uint32_t kF1 = 0x70;
constexpr std::uint32_t kNumLock = 0x90;
constexpr std::uint32_t kScroll = 0x91;
constexpr std::uint32_t kLShift = 0xA0;
constexpr std::uint32_t kRShift = 0xA1;
constexpr std::uint32_t kLControl = 0xA2;
constexpr std::uint32_t kRControl = 0xA3;
constexpr std::uint32_t kLMenu = 0xA4;
constexpr std::uint32_t kRMenu = 0xA5;
constexpr std::uint32_t kBrowserBack = 0xA6;
constexpr std::uint32_t kBrowserForward = 0xA7;
constexpr std::uint32_t kBrowserRefresh = 0xA8;
constexpr std::uint32_t kBrowserStop = 0xA9;
constexpr std::uint32_t kBrowserSearch = 0xAA;
constexpr std::uint32_t kBrowserFavorites = 0xAB;
constexpr std::uint32_t kBrowserHome = 0xAC;
constexpr std::uint32_t kVolumeMute = 0xAD;
constexpr std::uint32_t kVolumeDown = 0xAE;
constexpr std::uint32_t kVolumeUp = 0xAF;
constexpr std::uint32_t kMediaNextTrack = 0xB0;
constexpr std::uint32_t kMediaPrevTrack = 0xB1;
constexpr std::uint32_t kMediaStop = 0xB2;
constexpr std::uint32_t kMediaPlayPause = 0xB3;
constexpr std::uint32_t kLaunchMail = 0xB4;
constexpr std::uint32_t kLaunchMediaSelect = 0xB5;
constexpr std::uint32_t kLaunchApp1 = 0xB6;
constexpr std::uint32_t kLaunchApp2 = 0xB7;
constexpr std::uint32_t kOem1 = 0xBA;       // ;
constexpr std::uint32_t kOemPlus = 0xBB;    // = and +
constexpr std::uint32_t kOemComma = 0xBC;   // ,
constexpr std::uint32_t kOemMinus = 0xBD;   // -
constexpr std::uint32_t kOemPeriod = 0xBE;  // .
constexpr std::uint32_t kOem2 = 0xBF;       // /
constexpr std::uint32_t kOem3 = 0xC0;       // `
constexpr std::uint32_t kAbntC1 = 0xC1;
constexpr std::uint32_t kOem4 = 0xDB;  // [
constexpr std::uint32_t kOem5 = 0xDC;  // backslash
constexpr std::uint32_t kOem6 = 0xDD;  // ]
constexpr std::uint32_t kOem7 = 0xDE;  // '
constexpr std::uint32_t kOem8 = 0xDF;
constexpr std::uint32_t kOem102 = 0xE2;
constexpr std::uint32_t kOemAttn = 0xF0;
constexpr std::uint32_t kOemCopy = 0xF2;
constexpr std::uint32_t kOemAuto = 0xF3;
}  // namespace vk
