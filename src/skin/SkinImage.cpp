#include "skin/SkinImage.h"

#include <QBuffer>
#include <QFile>
#include <QImageReader>
#include <QWidget>
#include <vector>

#include "platform/QtText.h"
#include "skin/SkinPixels.h"

namespace {

// The whole file first, then the decoder: the file is not held open while decoding.
std::optional<QByteArray> ReadWhole(const std::filesystem::path& path) {
    QFile file(FromPath(path));
    if (!file.open(QIODevice::ReadOnly)) {
        return std::nullopt;
    }
    QByteArray bytes = file.readAll();
    if (file.error() != QFileDevice::NoError) {
        return std::nullopt;
    }
    return bytes;
}

QImage Decode(const QByteArray& bytes) {
    QBuffer buffer;
    buffer.setData(bytes);
    buffer.open(QIODevice::ReadOnly);
    QImageReader reader(&buffer);
    reader.setDecideFormatFromContent(true);
    return reader.read();
}

PixelView View(const QImage& argb) {
    return {reinterpret_cast<const std::uint32_t*>(argb.constBits()), argb.width(), argb.height(),
            static_cast<int>(argb.bytesPerLine() / 4)};
}

QRegion ToRegion(const std::vector<SkinRect>& rects) {
    std::vector<QRect> q;
    q.reserve(rects.size());
    for (const SkinRect& r : rects) {
        q.emplace_back(QPoint(r.left, r.top), QPoint(r.right - 1, r.bottom - 1));
    }
    QRegion region;
    // One row run per rectangle, sorted by row then x, as setRects wants them.
    region.setRects(q.data(), static_cast<int>(q.size()));
    return region;
}

}  // namespace

QSize LoadSkinImage(const std::filesystem::path& path, QImage& target) {
    const std::optional<QByteArray> bytes = ReadWhole(path);
    target = bytes ? Decode(*bytes) : QImage();
    return target.isNull() ? QSize(0, 0) : target.size();
}

std::optional<ImagePlus> LoadImagePlus(const std::filesystem::path& path) {
    std::optional<QImage> image = LoadBitmapPlus(path);
    if (!image) {
        return std::nullopt;
    }
    return ImagePlus{*image, image->width(), image->height()};
}

std::optional<QImage> LoadBitmapPlus(const std::filesystem::path& path) {
    const std::optional<QByteArray> bytes = ReadWhole(path);
    if (!bytes) {
        return std::nullopt;
    }
    QImage image = Decode(*bytes);
    if (image.isNull()) {
        return std::nullopt;
    }
    return image.convertToFormat(QImage::Format_ARGB32);
}

void CutSkinImage(QImage& target, const QImage& source, int left, int top, int right, int bottom) {
    if (source.isNull()) {
        return;
    }
    target = source.copy(QRect(left, top, right - left, bottom - top));
}

std::optional<QRegion> RegionFromMask(const QImage& mask) {
    if (mask.isNull()) {
        return std::nullopt;
    }
    const QImage argb = mask.convertToFormat(QImage::Format_ARGB32);
    const std::optional<std::vector<SkinRect>> rects = RegionFromMask(View(argb));
    if (!rects) {
        return std::nullopt;
    }
    return ToRegion(*rects);
}

void RegionFromKeyColour(QWidget& window, const QImage& picture) {
    const QImage argb =
        picture.isNull() ? QImage() : picture.convertToFormat(QImage::Format_ARGB32);
    const PixelView view = argb.isNull() ? PixelView{} : View(argb);
    const std::vector<SkinRect> rects =
        RegionWithoutKeyColour(view, window.width(), window.height());
    window.setMask(ToRegion(rects));
}

void TintImage(QImage& image, std::uint32_t colour, int factor) {
    if (image.isNull()) {
        return;
    }
    if (image.format() != QImage::Format_ARGB32) {
        image = image.convertToFormat(QImage::Format_ARGB32);
    }
    for (int y = 0; y < image.height(); ++y) {
        TintPixels(reinterpret_cast<std::uint32_t*>(image.scanLine(y)),
                   static_cast<std::size_t>(image.width()), colour, factor);
    }
}
