// The five light zone pictures, read from the skin once and recoloured from memory. A zone
// is recoloured only when its colour or opacity changed, straight into the premultiplied
// form the painter blends fastest: every source alpha maps through a 256-entry table built
// for that colour and opacity.
#pragma once

#include <QImage>
#include <array>
#include <filesystem>
#include <optional>

#include "pages/lighting/LightingPreview.h"

class ZonePictures {
public:
    // "1.png" .. "5.png"; a zone that cannot be read stays empty and is skipped.
    void Load(const std::filesystem::path& skinFolder);
    // Recolours the zones whose look changed; true when any did.
    bool Apply(const PreviewFrame& frame);
    // What is painted; empty until the zone was first painted (the timed modes wait for
    // their first tick).
    const QImage& Drawn(int zone) const { return drawn_[static_cast<std::size_t>(zone)]; }
    // The same picture unpremultiplied, recoloured as the skin's tint does it (for checks).
    QImage Shown(int zone) const;
    bool Loaded(int zone) const { return !original_[static_cast<std::size_t>(zone)].isNull(); }

private:
    std::array<QImage, kZoneCount> original_;
    std::array<QImage, kZoneCount> drawn_;
    std::array<std::optional<ZoneLook>, kZoneCount> look_;
};
