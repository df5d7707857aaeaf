// The sensitivity page's constant tables: its controls, the report-rate menu and the texts it
// paints, each row once. The widget, its menu and the tests are built from them.
#pragma once

#include <array>
#include <cstdint>

#include "common/StringIds.h"
#include "skin/SkinColours.h"
#include "skin/SkinRect.h"

namespace sens {

// Skin keys of the page's controls.
inline constexpr int kKeyLevelLight = 8;   // decorative
inline constexpr int kKeySensor = 9;       // decorative
inline constexpr int kKeyFirstLevel = 10;  // levels 1..5 are keys 10..14
inline constexpr int kKeyReportRate = 18;
inline constexpr int kKeySliderX = 15;
inline constexpr int kKeySliderY = 22;
inline constexpr int kKeySpeed = 19;
inline constexpr int kKeyAccel = 20;
inline constexpr int kKeyLink = 23;

// Slider ids, as the sliders report them.
inline constexpr int kSliderX = 101;
inline constexpr int kSliderSpeed = 102;
inline constexpr int kSliderAccel = 103;
inline constexpr int kSliderY = 104;

inline constexpr std::int32_t kLevelMin = 1;
inline constexpr std::int32_t kLevelMax = 320;
inline constexpr std::int32_t kPointerMin = 0;
inline constexpr std::int32_t kPointerMax = 10;

// Kinds of the edit notice.
inline constexpr int kNoticeLevels = 1;
inline constexpr int kNoticeRate = 3;
inline constexpr int kNoticePointer = 5;

// The report-rate menu, in menu order; the index is the stored reportRate.
struct RateEntry {
    int command;
    int stringId;
};
inline constexpr std::array<RateEntry, 4> kRateEntries = {{
    {1001, str::kSensRate125},
    {1002, str::kSensRate250},
    {1003, str::kSensRate500},
    {1004, str::kSensRate1000},
}};
inline constexpr int kRateMenuItemWidth = 46;
// Commands the menu may deliver; anything in this range that is no entry counts as the first.
inline constexpr int kFirstRateCommand = 1001;
inline constexpr int kLastRateCommand = 1010;

// A text the page paints over its background.
struct PaintedText {
    int stringId;
    SkinRect rect;
    std::uint32_t colour;  // COLORREF
    int size;
    bool wrapped;  // word-wrapped and centred as a block; else one line, vertically centred
};
inline constexpr std::uint32_t kHeadingColour = skin_colour::kAccentText;
inline constexpr std::uint32_t kTextColour = 0xFFFFFF;
inline constexpr std::array<PaintedText, 9> kPaintedTexts = {{
    {str::kSensLevelsHeading, {28, 235, 328, 255}, kHeadingColour, 15, false},
    {str::kSensLevelsHint, {30, 263, 230, 277}, kTextColour, 15, false},
    {str::kSensLevelsRange, {30, 294, 330, 308}, kTextColour, 14, false},
    {str::kSensRateHeading, {460, 213, 780, 233}, kHeadingColour, 15, false},
    {str::kSensRateHint, {460, 235, 690, 265}, kTextColour, 14, true},
    {str::kSensSpeedHeading, {460, 297, 780, 317}, kHeadingColour, 15, false},
    {str::kSensSpeedHint, {460, 319, 860, 349}, kTextColour, 14, true},
    {str::kSensAccelHeading, {460, 416, 780, 436}, kHeadingColour, 15, false},
    {str::kSensAccelHint, {460, 435, 860, 465}, kTextColour, 14, true},
}};

// Level buttons: X on the first line, Y on the second, in the button's own coordinates.
inline constexpr SkinRect kLevelTextA = {8, 8, 47, 21};
inline constexpr SkinRect kLevelTextB = {8, 26, 47, 39};
inline constexpr int kLevelFontHeight = 14;
inline constexpr int kLinkStringId = str::kSensSeparateXY;
inline constexpr int kLinkFontHeight = 15;
inline constexpr int kLinkCaptionLayout = 8;
inline constexpr int kRateCaptionLayout = 1;

}  // namespace sens
