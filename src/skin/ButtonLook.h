// What a skinned button shows for its state: which of its four pictures, which text colour,
// and where its caption goes.
#pragma once

#include <cstdint>

#include "skin/TextFit.h"

enum class ButtonPicture { Normal, Over, Down, Disable };

struct ButtonState {
    bool checkBoxMode = false;
    bool checked = false;  // checkState
    bool pressed = false;
    bool hover = false;
    bool disabled = false;
};

struct ButtonColours {
    std::uint32_t normal = 0xFFFFFF;
    std::uint32_t hover = 0x8E5101;
    std::uint32_t pressedOrOn = 0x8E5101;
    std::uint32_t disabled = 0x6E6E6E;
};

ButtonPicture ChoosePicture(const ButtonState& s);
std::uint32_t ChooseTextColour(const ButtonState& s, const ButtonColours& colours);

struct CaptionPlace {
    SkinRect rect;
    std::uint32_t format = 0;
};

// Layouts 1, 8 and 14 are left aligned (indented 10, 20, 20); 13 is centred in an inset
// client area; 0 and any other value centred. All on one line, vertically centred.
CaptionPlace PlaceCaption(int layout, const SkinRect& client);
