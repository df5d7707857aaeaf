#include "skin/ButtonLook.h"

ButtonPicture ChoosePicture(const ButtonState& s) {
    if (s.checkBoxMode) {
        if (s.disabled) {
            return ButtonPicture::Disable;
        }
        if (s.checked) {
            return ButtonPicture::Down;
        }
        return s.hover ? ButtonPicture::Over : ButtonPicture::Normal;
    }
    // A push button that is "on" (a selected tab, say) keeps looking pressed.
    if ((s.checked && !s.disabled) || s.pressed) {
        return ButtonPicture::Down;
    }
    if (s.hover) {
        return ButtonPicture::Over;
    }
    return s.disabled ? ButtonPicture::Disable : ButtonPicture::Normal;
}

std::uint32_t ChooseTextColour(const ButtonState& s, const ButtonColours& colours) {
    if (s.pressed || s.checked) {
        return colours.pressedOrOn;
    }
    if (s.hover) {
        return colours.hover;
    }
    return s.disabled ? colours.disabled : colours.normal;
}

CaptionPlace PlaceCaption(int layout, const SkinRect& client) {
    CaptionPlace place{client, dt::kSingleLine | dt::kVCenter | dt::kCenter};
    switch (layout) {
        case 1:
            place.rect.left += 10;
            place.format = dt::kSingleLine | dt::kVCenter | dt::kLeft;
            break;
        case 8:
        case 14:
            place.rect.left += 20;
            place.format = dt::kSingleLine | dt::kVCenter | dt::kLeft;
            break;
        case 13:
            place.rect = {client.left + 8, client.top + 6, client.right - 8, client.bottom - 8};
            break;
        default:
            break;
    }
    return place;
}
