// The lighting page's constant tables and the small rules read from them: which effect a
// menu command stores, its caption, which controls each effect shows, the preset colours,
// the brightness opacities and the further value's text.
#pragma once

#include <array>
#include <cstdint>
#include <string>

#include "common/StringIds.h"
#include "pages/lighting/ColourConversion.h"
#include "skin/SkinRect.h"

struct LightEffect {
    int mode;
    int command;     // menu command that chooses it
    int nameString;  // string table number of its name
};

// In menu order; mode 2 (breathing in one colour) is reached only through command 1002.
inline constexpr std::array<LightEffect, 6> kEffectMenu{{
    {1, 1001, str::kLightSteady},
    {4, 1003, str::kLightColourBreathing},
    {3, 1004, str::kLightColourCycle},
    {7, 1006, str::kLightRainbow},
    {8, 1007, str::kLightRunning},
    {0, 1005, str::kLightOff},
}};
inline constexpr int kBreathingCommand = 1002;
inline constexpr int kBreathingString = str::kLightBreathing;
inline constexpr int kFirstEffectCommand = 1001;
inline constexpr int kLastEffectCommand = 1010;
inline constexpr int kEffectMenuItemWidth = 146;

// Commands 1001..1010: 1002 breathing, the menu's own commands their modes, any other 1.
int ModeOfCommand(int command);
// String number of the effect button's caption; an unknown mode reads as steady (76).
int CaptionStringOf(int mode);
// Whether the mode is one of 0, 1, 2, 3, 4, 7, 8.
bool IsKnownMode(int mode);

struct ModeControls {
    bool brightness = false;  // brightness slider
    bool speed = false;       // speed slider
    bool colour = false;      // picker, well, spin boxes, source buttons, swatches
};
ModeControls ControlsOf(int mode);

// The dark patch over the label of the slider the mode hides.
SkinRect DarkPanelOf(int mode);
inline constexpr std::uint32_t kDarkPanelColour = 0x111111;
// light_dis.jpg covers the colour controls when the effect picks its own colours.
bool CoversColourControls(int mode);
inline constexpr SkinRect kColourCover{430, 108, 866, 319};

// Steady light: 1 -> 30 ... 7 -> 210, any other value 255.
int OpacityOfBrightness(int brightness);

// lightParam x 0.5 with one decimal.
std::string ParamText(int param);

// The sixteen swatches, in the order of their layout keys "12" to "27".
inline constexpr std::array<std::uint32_t, 16> kPresetColours{
    {colour::Rgb(236, 99, 31), colour::Rgb(255, 0, 0), colour::Rgb(0, 128, 255),
     colour::Rgb(90, 255, 0), colour::Rgb(255, 255, 0), colour::Rgb(255, 190, 0),
     colour::Rgb(255, 0, 180), colour::Rgb(174, 0, 255), colour::Rgb(185, 255, 0),
     colour::Rgb(0, 255, 0), colour::Rgb(0, 168, 255), colour::Rgb(0, 85, 255),
     colour::Rgb(60, 0, 255), colour::Rgb(255, 23, 0), colour::Rgb(0, 255, 150),
     colour::Rgb(30, 235, 218)}};

// Sliders of the page, by control id.
inline constexpr int kBrightnessSliderId = 101;
inline constexpr int kSpeedSliderId = 102;
inline constexpr int kParamSliderId = 103;
inline constexpr int kRedSpinId = 401;
inline constexpr int kGreenSpinId = 402;
inline constexpr int kBlueSpinId = 403;

// Where the five light zones are drawn on the page, zone 1 first.
inline constexpr std::array<SkinRect, 5> kZoneRects{{
    {253, 224, 323, 344},
    {168, 232, 220, 279},
    {134, 232, 203, 279},
    {101, 232, 169, 279},
    {85, 232, 135, 279},
}};
// The preview rectangle when the layout file has none.
inline constexpr SkinRect kDefaultPreview{480, 183, 897, 514};
