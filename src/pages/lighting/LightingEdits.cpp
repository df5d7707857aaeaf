#include "pages/lighting/LightingEdits.h"

#include "data/ProfileRecord.h"
#include "pages/lighting/LightEffects.h"

int LightingEdits::ChooseEffect(int command) {
    const int mode = ModeOfCommand(command);
    p_->lightMode = mode;
    return mode;
}

bool LightingEdits::TakeColour(std::uint32_t c) {
    if (p_->lightColor == c) {
        return false;
    }
    p_->lightColor = c;
    return p_->lightMode == 1;
}

bool LightingEdits::Swatch(int k) {
    if (k < 0 || k >= static_cast<int>(kPresetColours.size())) {
        return false;
    }
    const std::uint32_t c = kPresetColours[static_cast<std::size_t>(k)];
    p_->lightColor = c;
    current_ = c;
    return p_->lightMode == 1;
}

bool LightingEdits::PickerColourChanged(std::uint32_t wellColour) {
    current_ = wellColour;
    return TakeColour(wellColour);
}

std::uint32_t LightingEdits::ComponentChanged(int id, std::uintptr_t value, bool& restart) {
    std::uint32_t c = current_;
    const std::uint32_t byte = static_cast<std::uint32_t>(value & 0xFF);
    switch (id) {
        case kRedSpinId:
            c = (c & ~0x0000FFu) | byte;
            break;
        case kGreenSpinId:
            c = (c & ~0x00FF00u) | (byte << 8);
            break;
        case kBlueSpinId:
            c = (c & ~0xFF0000u) | (byte << 16);
            break;
        default:
            break;
    }
    current_ = c & 0x00FFFFFFu;
    restart = TakeColour(current_);
    return current_;
}

void LightingEdits::ChooseSource(int source) {
    p_->lightColorSource = source;
}

void LightingEdits::SliderChanging(int id, int value) {
    switch (id) {
        case kBrightnessSliderId:
            p_->lightBrightness = value;
            break;
        case kSpeedSliderId:
            p_->lightSpeed = value;
            break;
        case kParamSliderId:
            p_->lightParam = value;
            break;
        default:
            break;
    }
}

bool LightingEdits::SliderSettled(int id, int value) {
    SliderChanging(id, value);
    return id == kBrightnessSliderId || id == kSpeedSliderId;
}
