// The colour models of the picker and the conversions between red/green/blue and
// hue/saturation/value. Colours are 0x00BBGGRR (red in the low byte).
#pragma once

#include <cstdint>
#include <optional>

namespace colour {

inline constexpr std::uint8_t Red(std::uint32_t c) {
    return static_cast<std::uint8_t>(c);
}
inline constexpr std::uint8_t Green(std::uint32_t c) {
    return static_cast<std::uint8_t>(c >> 8);
}
inline constexpr std::uint8_t Blue(std::uint32_t c) {
    return static_cast<std::uint8_t>(c >> 16);
}
inline constexpr std::uint32_t Rgb(int r, int g, int b) {
    return static_cast<std::uint32_t>(r & 0xFF) | (static_cast<std::uint32_t>(g & 0xFF) << 8) |
           (static_cast<std::uint32_t>(b & 0xFF) << 16);
}
// The same colour as Qt's 32-bit pixel, opaque.
inline constexpr std::uint32_t ToArgb(std::uint32_t c) {
    return 0xFF000000u | (static_cast<std::uint32_t>(Red(c)) << 16) |
           (static_cast<std::uint32_t>(Green(c)) << 8) | Blue(c);
}

}  // namespace colour

// Models: 0 red/blue/green, 1 green/blue/red, 2 blue/red/green (bar/x/y, bytes); 3 hue in
// tenths of a degree on the bar, saturation and value in thousandths on the field; 4
// saturation on the bar, hue and value on the field; 5 value on the bar, hue and saturation.
inline constexpr int kModelCount = 6;
inline constexpr int kHsvModel = 3;

struct ModelMaxima {
    int z = 255;
    int x = 255;
    int y = 255;
};
// Models outside 0..5 get the byte ranges.
ModelMaxima MaximaOf(int model);

struct Hsv {
    double h = 0;  // degrees
    double s = 0;
    double v = 0;
};
struct RgbFractions {
    double r = 0;
    double g = 0;
    double b = 0;
};

// Refused when a fraction lies outside 0..1.
std::optional<Hsv> RgbToHsv(const RgbFractions& c);
// Refused when s > 1, v outside 0..1 or h outside 0..360; 360 counts as 0.
std::optional<RgbFractions> HsvToRgb(const Hsv& c);

// Each fraction becomes ceil(f * 255 - 0.5), so an exact half goes down; held to a byte.
std::uint32_t FractionsToColour(const RgbFractions& c);
RgbFractions ColourToFractions(std::uint32_t colour);

struct FieldPoint {
    int z = 0;
    int x = 0;
    int y = 0;
};
// The colour of a point of the model; black when the model's conversion refuses it.
std::uint32_t ColourOfPoint(int model, const FieldPoint& p, int xMax, int yMax);
// The fractions before packing, for drawing; nothing when refused.
std::optional<RgbFractions> FractionsOfPoint(int model, const FieldPoint& p, int xMax, int yMax);
// The point of a colour in the model; hue models assume field maxima of 1000.
FieldPoint PointOfColour(int model, std::uint32_t colour, const FieldPoint& previous);
