#include "pages/lighting/LightingPreview.h"

#include "pages/lighting/ColourConversion.h"
#include "pages/lighting/LightEffects.h"
#include "skin/SliderScale.h"

void WheelColour::Advance(int s) {
    if (p1 && !p2 && !p3) {
        g += s;
        if (g >= 255) {
            g = 255;
            p2 = true;
        }
    } else if (p1 && p2 && !p3) {
        r -= s;
        if (r <= 0) {
            r = 0;
            p1 = false;
        }
    } else if (!p1 && p2 && !p3) {
        b += s;
        if (b >= 255) {
            b = 255;
            p3 = true;
        }
    } else if (!p1 && p2 && p3) {
        g -= s;
        if (g <= 0) {
            g = 0;
            p2 = false;
        }
    } else if (!p1 && !p2 && p3) {
        r += s;
        if (r >= 255) {
            r = 255;
            p1 = true;
        }
    } else if (p1 && !p2 && p3) {
        b -= s;
        if (b <= 0) {
            b = 0;
            p3 = false;
        }
    }
}

std::uint32_t WheelColour::Colour() const {
    return colour::Rgb(r, g, b);
}

int PreviewSpeed(int speed) {
    return DisplayValue(speed, 1, 8);
}

PreviewFrame LightingPreview::All(std::uint32_t c, int opacity) const {
    PreviewFrame f;
    f.fill(ZoneLook{c, opacity});
    return f;
}

std::optional<PreviewFrame> LightingPreview::Restart(int mode, int speed, int brightness) {
    timer_.reset();
    const int v = PreviewSpeed(speed);
    switch (mode) {
        case 0:
            return All(0, 255);
        case 1:
            return All(colour_, OpacityOfBrightness(brightness));
        case 2:
            level_ = 0;
            rising_ = true;
            timer_ = PreviewTimer{2, (9 - v) * 10};
            break;
        case 3:
            wheel_ = WheelColour{};
            timer_ = PreviewTimer{3, (9 - v) * 10};
            break;
        case 4:
            level_ = 0;
            rising_ = true;
            colourIndex_ = 0;
            timer_ = PreviewTimer{4, (9 - v) * 10};
            break;
        case 7:
            zones_ = kRainbowStart;
            rainbowStep_ = v * 3;
            timer_ = PreviewTimer{5, 30};
            break;
        case 8:
            lit_ = 0;
            litUp_ = true;
            runIndex_ = 0;
            timer_ = PreviewTimer{7, (9 - v) * 40};
            break;
        default:
            break;
    }
    return std::nullopt;
}

bool LightingPreview::Breathe() {
    if (rising_) {
        level_ += 5;
        if (level_ >= 255) {
            level_ = 255;
            rising_ = false;
        }
        return false;
    }
    level_ -= 5;
    if (level_ <= 0) {
        level_ = 0;
        rising_ = true;
        return true;
    }
    return false;
}

std::optional<PreviewFrame> LightingPreview::Tick(int id) {
    if (!timer_ || timer_->id != id) {
        return std::nullopt;
    }
    switch (id) {
        case 2:
            Breathe();
            return All(colour_, level_);
        case 4:
            if (Breathe()) {
                colourIndex_ = colourIndex_ >= 6 ? 0 : colourIndex_ + 1;
            }
            return All(kBreathingColours[static_cast<std::size_t>(colourIndex_)], level_);
        case 3:
            wheel_.Advance(5);
            return All(wheel_.Colour(), 255);
        case 5: {
            PreviewFrame f;
            for (int z = 0; z < kZoneCount; ++z) {
                WheelColour& w = zones_[static_cast<std::size_t>(z)];
                w.Advance(rainbowStep_);
                const int r = w.r;
                w.Advance(rainbowStep_);
                const int g = w.g;
                w.Advance(rainbowStep_);
                f[static_cast<std::size_t>(z)] = ZoneLook{colour::Rgb(r, g, w.b), 255};
            }
            return f;
        }
        case 7: {
            PreviewFrame f = All(0, 0);
            f[static_cast<std::size_t>(lit_)] =
                ZoneLook{kRunningColours[static_cast<std::size_t>(runIndex_)], 255};
            runIndex_ = runIndex_ >= 8 ? 0 : runIndex_ + 1;
            if (litUp_) {
                if (++lit_ > 4) {
                    lit_ = 4;
                    litUp_ = false;
                }
            } else if (--lit_ < 0) {
                lit_ = 0;
                litUp_ = true;
            }
            return f;
        }
        default:
            return std::nullopt;
    }
}
