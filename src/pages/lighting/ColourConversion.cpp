#include "pages/lighting/ColourConversion.h"

#include <algorithm>
#include <cmath>

ModelMaxima MaximaOf(int model) {
    switch (model) {
        case 3:
            return {3599, 1000, 1000};
        case 4:
        case 5:
            return {1000, 3599, 1000};
        default:
            return {255, 255, 255};
    }
}

std::optional<Hsv> RgbToHsv(const RgbFractions& c) {
    const double largest = std::max({c.r, c.g, c.b});
    const double smallest = std::min({c.r, c.g, c.b});
    if (smallest < 0 || largest > 1) {
        return std::nullopt;
    }
    Hsv out;
    out.v = largest;
    if (largest == 0) {
        return out;
    }
    const double delta = largest - smallest;
    out.s = delta / largest;
    if (out.s == 0) {
        return out;
    }
    if (c.r == largest) {
        out.h = 60 * ((c.g - c.b) / delta);
    } else if (c.g == largest) {
        out.h = 60 * ((c.b - c.r) / delta + 2);
    } else {
        out.h = 60 * ((c.r - c.g) / delta + 4);
    }
    if (out.h < 0) {
        out.h += 360;
    }
    return out;
}

std::optional<RgbFractions> HsvToRgb(const Hsv& c) {
    if (c.s > 1 || c.v < 0 || c.v > 1 || c.h < 0 || c.h > 360) {
        return std::nullopt;
    }
    if (c.s == 0) {
        return RgbFractions{c.v, c.v, c.v};
    }
    const double h = c.h == 360 ? 0 : c.h;
    const int sector = static_cast<int>(h / 60);
    const double f = h / 60 - sector;
    const double v = c.v;
    const double p = v * (1 - c.s);
    const double q = v * (1 - c.s * f);
    const double t = v * (1 - c.s * (1 - f));
    switch (sector) {
        case 0:
            return RgbFractions{v, t, p};
        case 1:
            return RgbFractions{q, v, p};
        case 2:
            return RgbFractions{p, v, t};
        case 3:
            return RgbFractions{p, q, v};
        case 4:
            return RgbFractions{t, p, v};
        default:
            return RgbFractions{v, p, q};
    }
}

namespace {
int ToByte(double fraction) {
    const double whole = std::ceil(fraction * 255 - 0.5);
    return static_cast<int>(std::clamp(whole, 0.0, 255.0));
}
}  // namespace

std::uint32_t FractionsToColour(const RgbFractions& c) {
    return colour::Rgb(ToByte(c.r), ToByte(c.g), ToByte(c.b));
}

RgbFractions ColourToFractions(std::uint32_t c) {
    return {colour::Red(c) / 255.0, colour::Green(c) / 255.0, colour::Blue(c) / 255.0};
}

std::optional<RgbFractions> FractionsOfPoint(int model, const FieldPoint& p, int xMax, int yMax) {
    switch (model) {
        case 0:
            return RgbFractions{p.z / 255.0, p.y / 255.0, p.x / 255.0};
        case 1:
            return RgbFractions{p.y / 255.0, p.z / 255.0, p.x / 255.0};
        case 2:
            return RgbFractions{p.x / 255.0, p.y / 255.0, p.z / 255.0};
        case 3: {
            const double s = static_cast<double>(p.x) / xMax;
            if (s < 0) {
                return std::nullopt;
            }
            return HsvToRgb({p.z / 10.0, s, static_cast<double>(p.y) / yMax});
        }
        case 4:
            return HsvToRgb({p.x / 10.0, p.z / 1000.0, static_cast<double>(p.y) / yMax});
        case 5:
            return HsvToRgb({p.x / 10.0, static_cast<double>(p.y) / yMax, p.z / 1000.0});
        default:
            return std::nullopt;
    }
}

std::uint32_t ColourOfPoint(int model, const FieldPoint& p, int xMax, int yMax) {
    if (model >= 0 && model <= 2) {
        // The coordinates are the bytes themselves.
        const std::uint32_t r = model == 0 ? p.z : model == 1 ? p.y : p.x;
        const std::uint32_t g = model == 1 ? p.z : p.y;
        const std::uint32_t b = model == 2 ? p.z : p.x;
        return colour::Rgb(static_cast<int>(r), static_cast<int>(g), static_cast<int>(b));
    }
    if (xMax == 0 || yMax == 0) {
        return 0;
    }
    const std::optional<RgbFractions> f = FractionsOfPoint(model, p, xMax, yMax);
    return f ? FractionsToColour(*f) : 0;
}

FieldPoint PointOfColour(int model, std::uint32_t c, const FieldPoint& previous) {
    const int r = colour::Red(c);
    const int g = colour::Green(c);
    const int b = colour::Blue(c);
    switch (model) {
        case 0:
            return {r, b, g};
        case 1:
            return {g, b, r};
        case 2:
            return {b, r, g};
        default:
            break;
    }
    const std::optional<Hsv> hsv = RgbToHsv(ColourToFractions(c));
    if (!hsv) {
        return previous;  // bytes always convert; kept for safety
    }
    const int h = static_cast<int>(std::ceil(hsv->h * 10));
    const int s = static_cast<int>(std::ceil(hsv->s * 1000));
    const int v = static_cast<int>(std::ceil(hsv->v * 1000));
    switch (model) {
        case 3:
            return {h, s, v};
        case 4:
            return {s, h, v};
        case 5:
            return {v, h, s};
        default:
            return previous;
    }
}
