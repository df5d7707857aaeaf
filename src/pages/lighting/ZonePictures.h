// The five light zone pictures, read from the skin once. A zone's recolouring is a table
// from each source alpha to the premultiplied tinted pixel, built only when the zone's colour
// or opacity changed; the preview composes straight from the table, so no recoloured picture
// is made on a tick.
#pragma once

#include <QImage>
#include <array>
#include <cstdint>
#include <filesystem>
#include <optional>

#include "pages/lighting/LightingPreview.h"

class ZonePictures {
public:
    using Table = std::array<std::uint32_t, 256>;

    // "1.png" .. "5.png"; a zone that cannot be read stays empty and is skipped. At a ratio
    // above 1 the 2x twins ("1@2x.png" ..) are taken when all five are there at twice the
    // size, so the zones stay sharp.
    void Load(const std::filesystem::path& skinFolder, qreal devicePixelRatio = 1);
    // 2 with the twins, else 1.
    int Ratio() const { return ratio_; }
    // Updates the tables of the zones whose look changed; true when any did.
    bool Apply(const PreviewFrame& frame);
    // The picture as read (ARGB32); null when the zone could not be read.
    const QImage& Original(int zone) const { return original_[static_cast<std::size_t>(zone)]; }
    // All transparent until the zone's first frame (the timed modes wait for their first tick).
    const Table& Colours(int zone) const { return table_[static_cast<std::size_t>(zone)]; }
    // The recoloured picture, premultiplied as it is blended; null until the zone's first frame.
    QImage Drawn(int zone) const;
    // The same picture unpremultiplied, recoloured as the skin's tint does it (for checks).
    QImage Shown(int zone) const;
    bool Loaded(int zone) const { return !original_[static_cast<std::size_t>(zone)].isNull(); }

private:
    int ratio_ = 1;
    std::array<QImage, kZoneCount> original_;
    std::array<Table, kZoneCount> table_{};
    std::array<std::optional<ZoneLook>, kZoneCount> look_;
};
