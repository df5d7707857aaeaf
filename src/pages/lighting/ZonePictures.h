// The five light zone pictures, read from the skin once and recoloured from memory: each
// frame copies a zone's original pixels and tints the copy, and only when that zone's
// colour or opacity changed.
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
    // Empty until the zone was first painted (the timed modes wait for their first tick).
    const QImage& Shown(int zone) const { return shown_[static_cast<std::size_t>(zone)]; }
    bool Loaded(int zone) const { return !original_[static_cast<std::size_t>(zone)].isNull(); }

private:
    std::array<QImage, kZoneCount> original_;
    std::array<QImage, kZoneCount> shown_;
    std::array<std::optional<ZoneLook>, kZoneCount> look_;
};
