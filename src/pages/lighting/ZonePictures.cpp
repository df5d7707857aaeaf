#include "pages/lighting/ZonePictures.h"

#include <algorithm>
#include <cstring>
#include <string>

#include "pages/lighting/ColourConversion.h"
#include "skin/SkinImage.h"
#include "skin/SkinPixels.h"

void ZonePictures::Load(const std::filesystem::path& skinFolder) {
    for (int z = 0; z < kZoneCount; ++z) {
        const auto i = static_cast<std::size_t>(z);
        original_[i] = QImage();
        drawn_[i] = QImage();
        look_[i].reset();
        if (std::optional<ImagePlus> img =
                LoadImagePlus(skinFolder / (std::to_string(z + 1) + ".png"))) {
            original_[i] = img->image.convertToFormat(QImage::Format_ARGB32);
        }
    }
}

bool ZonePictures::Apply(const PreviewFrame& frame) {
    bool changed = false;
    for (int z = 0; z < kZoneCount; ++z) {
        const auto i = static_cast<std::size_t>(z);
        const QImage& from = original_[i];
        if (from.isNull() || look_[i] == frame[i]) {
            continue;
        }
        QImage& to = drawn_[i];
        if (to.size() != from.size()) {
            to = QImage(from.size(), QImage::Format_ARGB32_Premultiplied);
        }
        // The tint's alpha (alpha x factor / 255, truncated) and colour, premultiplied.
        const int f = std::clamp(frame[i].opacity, 0, 255);
        const std::uint32_t c = frame[i].colour;
        std::array<std::uint32_t, 256> lut{};
        for (std::uint32_t a = 1; a < 256; ++a) {
            const std::uint32_t t = a * static_cast<std::uint32_t>(f) / 255;
            const auto mul = [t](std::uint32_t v) { return (v * t + 127) / 255; };
            lut[a] = (t << 24) | (mul(colour::Red(c)) << 16) | (mul(colour::Green(c)) << 8) |
                     mul(colour::Blue(c));
        }
        const auto* src = reinterpret_cast<const std::uint32_t*>(from.constBits());
        auto* dst = reinterpret_cast<std::uint32_t*>(to.bits());
        const auto count = static_cast<std::size_t>(from.sizeInBytes() / 4);
        for (std::size_t p = 0; p < count; ++p) {
            dst[p] = lut[src[p] >> 24];
        }
        look_[i] = frame[i];
        changed = true;
    }
    return changed;
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
    return out;
}
