#include "pages/lighting/LightEffects.h"

#include <cstdio>

int ModeOfCommand(int command) {
    if (command == kBreathingCommand) {
        return 2;
    }
    for (const LightEffect& e : kEffectMenu) {
        if (e.command == command) {
            return e.mode;
        }
    }
    return 1;
}

int CaptionStringOf(int mode) {
    if (mode == 2) {
        return kBreathingString;
    }
    for (const LightEffect& e : kEffectMenu) {
        if (e.mode == mode) {
            return e.nameString;
        }
    }
    return str::kLightSteady;
}

bool IsKnownMode(int mode) {
    if (mode == 2) {
        return true;
    }
    for (const LightEffect& e : kEffectMenu) {
        if (e.mode == mode) {
            return true;
        }
    }
    return false;
}

ModeControls ControlsOf(int mode) {
    if (mode == 0) {
        return {};
    }
    if (mode == 1) {
        return {true, false, true};
    }
    return {false, true, false};
}

SkinRect DarkPanelOf(int mode) {
    if (mode == 0) {
        return {430, 370, 710, 504};
    }
    if (mode == 1) {
        return {430, 440, 710, 504};
    }
    return {430, 370, 710, 440};
}

bool CoversColourControls(int mode) {
    return mode != 1 && mode != 2;
}

int OpacityOfBrightness(int brightness) {
    return brightness >= 1 && brightness <= 7 ? brightness * 30 : 255;
}

std::string ParamText(int param) {
    char text[32];
    std::snprintf(text, sizeof text, "%.1f", param * 0.5);
    return text;
}
