#include "pages/lighting/ZonePictures.h"

#include <algorithm>
#include <string>

#include "pages/lighting/ColourConversion.h"
#include "skin/SkinImage.h"
#include "skin/SkinPixels.h"

namespace {

std::array<QImage, kZoneCount> ReadZones(const std::filesystem::path& folder, bool twins) {
    std::array<QImage, kZoneCount> zones;
    for (int z = 0; z < kZoneCount; ++z) {
        const std::filesystem::path path = folder / (std::to_string(z + 1) + ".png");
        if (std::optional<ImagePlus> img = LoadImagePlus(twins ? TwinPath(path) : path)) {
            zones[static_cast<std::size_t>(z)] = img->image.convertToFormat(QImage::Format_ARGB32);
        }
    }
    return zones;
}

}  // namespace

void ZonePictures::Load(const std::filesystem::path& skinFolder, qreal devicePixelRatio) {
    original_ = ReadZones(skinFolder, false);
    ratio_ = 1;
    table_ = {};
    for (auto& look : look_) {
        look.reset();
    }
    if (devicePixelRatio <= 1) {
        return;
    }
    // Twins only all together: zones of two sizes would not line up.
    std::array<QImage, kZoneCount> twins = ReadZones(skinFolder, true);
    for (std::size_t i = 0; i < original_.size(); ++i) {
        if (original_[i].isNull() || twins[i].size() != original_[i].size() * 2) {
            return;
        }
    }
    original_ = std::move(twins);
    ratio_ = 2;
}

bool ZonePictures::Apply(const PreviewFrame& frame) {
    bool changed = false;
    for (int z = 0; z < kZoneCount; ++z) {
        const auto i = static_cast<std::size_t>(z);
        if (original_[i].isNull() || look_[i] == frame[i]) {
            continue;
        }
        // The tint's alpha (alpha x factor / 255, truncated) and colour, premultiplied.
        const int f = std::clamp(frame[i].opacity, 0, 255);
        const std::uint32_t c = frame[i].colour;
        Table& lut = table_[i];
        lut[0] = 0;
        for (std::uint32_t a = 1; a < 256; ++a) {
            const std::uint32_t t = a * static_cast<std::uint32_t>(f) / 255;
            const auto mul = [t](std::uint32_t v) { return (v * t + 127) / 255; };
            lut[a] = (t << 24) | (mul(colour::Red(c)) << 16) | (mul(colour::Green(c)) << 8) |
                     mul(colour::Blue(c));
        }
        look_[i] = frame[i];
        changed = true;
    }
    return changed;
}

QImage ZonePictures::Drawn(int zone) const {
    const auto i = static_cast<std::size_t>(zone);
    const QImage& from = original_[i];
    if (!look_[i] || from.isNull()) {
        return QImage();
    }
    QImage to(from.size(), QImage::Format_ARGB32_Premultiplied);
    const auto* src = reinterpret_cast<const std::uint32_t*>(from.constBits());
    auto* dst = reinterpret_cast<std::uint32_t*>(to.bits());
    const auto count = static_cast<std::size_t>(from.sizeInBytes() / 4);
    for (std::size_t p = 0; p < count; ++p) {
        dst[p] = table_[i][src[p] >> 24];
    }
    to.setDevicePixelRatio(ratio_);
    return to;
}

QImage ZonePictures::Shown(int zone) const {
    const auto i = static_cast<std::size_t>(zone);
    if (!look_[i] || original_[i].isNull()) {
        return QImage();
    }
    QImage out = original_[i].copy();
    TintPixels(reinterpret_cast<std::uint32_t*>(out.bits()),
               static_cast<std::size_t>(out.sizeInBytes() / 4), look_[i]->colour,
               look_[i]->opacity);
    out.setDevicePixelRatio(ratio_);
    return out;
}
