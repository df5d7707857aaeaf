// The preview's animation: what each effect paints into the five light zones, on which
// timer and how often. Time is not measured here; the page calls Tick when its timer fires,
// so the same sequence of frames follows from the same calls.
#pragma once

#include <array>
#include <cstdint>
#include <optional>

#include "pages/lighting/ColourConversion.h"

inline constexpr int kZoneCount = 5;

struct ZoneLook {
    std::uint32_t colour = 0;  // COLORREF
    int opacity = 0;           // 0..255
    bool operator==(const ZoneLook&) const = default;
};
using PreviewFrame = std::array<ZoneLook, kZoneCount>;

struct PreviewTimer {
    int id = 0;
    int periodMs = 0;
    bool operator==(const PreviewTimer&) const = default;
};

// One colour circling the wheel: it climbs one component while the others hold, in the
// order red, yellow, green, cyan, blue, magenta.
struct WheelColour {
    int r = 255, g = 0, b = 0;
    bool p1 = true, p2 = false, p3 = false;
    void Advance(int step);
    std::uint32_t Colour() const;
    bool operator==(const WheelColour&) const = default;
};

// Mode 4 breathes in these in turn; mode 8 runs through these.
inline constexpr std::array<std::uint32_t, 7> kBreathingColours{
    {colour::Rgb(255, 0, 0), colour::Rgb(0, 255, 0), colour::Rgb(0, 0, 255),
     colour::Rgb(255, 255, 0), colour::Rgb(255, 0, 255), colour::Rgb(0, 255, 255),
     colour::Rgb(255, 255, 255)}};
inline constexpr std::array<std::uint32_t, 9> kRunningColours{
    {colour::Rgb(255, 0, 0), colour::Rgb(255, 32, 0), colour::Rgb(255, 255, 0),
     colour::Rgb(0, 255, 0), colour::Rgb(0, 255, 32), colour::Rgb(0, 255, 255),
     colour::Rgb(0, 0, 255), colour::Rgb(32, 0, 255), colour::Rgb(255, 0, 255)}};
// Mode 7's start, zone 1 to 5: colour and phase flags.
inline constexpr std::array<WheelColour, kZoneCount> kRainbowStart{{
    {255, 255, 0, true, false, false},
    {255, 0, 0, true, false, false},
    {255, 0, 255, true, false, true},
    {0, 0, 255, false, false, true},
    {0, 255, 255, false, true, true},
}};

class LightingPreview {
public:
    // Stops the running timer and starts the effect. Modes 0 and 1 give their frame at
    // once; the timed modes keep the zones as they were until the first tick; any other
    // mode does nothing more.
    std::optional<PreviewFrame> Restart(int mode, int speed, int brightness);
    // The colour the steady and breathing effects use; it follows lightColor.
    void SetColour(std::uint32_t c) { colour_ = c; }
    std::uint32_t Colour() const { return colour_; }

    // The timer that should be running, if any.
    std::optional<PreviewTimer> Timer() const { return timer_; }
    // One firing of timer `id`; a timer that is not the running one paints nothing.
    std::optional<PreviewFrame> Tick(int id);

    // Animation state, for the page's tests and the benchmark.
    int Level() const { return level_; }
    int ColourIndex() const { return colourIndex_; }
    int LitZone() const { return lit_; }
    int RunIndex() const { return runIndex_; }

private:
    bool Breathe();  // true when the level reached 0 on the way down
    PreviewFrame All(std::uint32_t c, int opacity) const;

    std::optional<PreviewTimer> timer_;
    std::uint32_t colour_ = 0x0000FF;
    int level_ = 0;
    bool rising_ = true;
    int colourIndex_ = 0;
    WheelColour wheel_;
    std::array<WheelColour, kZoneCount> zones_ = kRainbowStart;
    int rainbowStep_ = 3;
    int lit_ = 0;
    bool litUp_ = true;
    int runIndex_ = 0;
};

// The speed the timers use: a stored speed outside 1..8 runs as the slider shows it (a
// negative one at 8), so no period is ever zero or negative.
int PreviewSpeed(int speed);
