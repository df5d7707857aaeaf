#include "pages/lighting/ZonePictures.h"

#include <cstring>
#include <string>

#include "skin/SkinImage.h"
#include "skin/SkinPixels.h"

void ZonePictures::Load(const std::filesystem::path& skinFolder) {
    for (int z = 0; z < kZoneCount; ++z) {
        const auto i = static_cast<std::size_t>(z);
        original_[i] = QImage();
        shown_[i] = QImage();
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
        QImage& to = shown_[i];
        if (to.size() != from.size() || to.format() != from.format()) {
            to = QImage(from.size(), from.format());
        }
        // Same format and size, so the pixels copy as one block.
        const auto bytes = static_cast<std::size_t>(from.sizeInBytes());
        std::memcpy(to.bits(), from.constBits(), bytes);
        TintPixels(reinterpret_cast<std::uint32_t*>(to.bits()), bytes / 4, frame[i].colour,
                   frame[i].opacity);
        look_[i] = frame[i];
        changed = true;
    }
    return changed;
}
