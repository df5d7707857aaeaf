#include "skin/SkinImage.h"

#include <QBuffer>
#include <QFile>
#include <QImageReader>
#include <QWidget>
#include <algorithm>
#include <cmath>
#include <vector>

#include "platform/QtText.h"
#include "skin/QtRect.h"
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
        q.push_back(ToQRect(r));
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

std::filesystem::path TwinPath(const std::filesystem::path& path) {
    std::filesystem::path twin = path;
    twin.replace_filename(path.stem().native() + std::filesystem::path("@2x.png").native());
    return twin;
}

QSize LoadSkinImage(const std::filesystem::path& path, QImage& target, qreal devicePixelRatio) {
    if (devicePixelRatio > 1.0) {
        if (const std::optional<QByteArray> bytes = ReadWhole(TwinPath(path))) {
            QImage twin = Decode(*bytes);
            // A twin of odd size cannot stand for a 1x picture; the 1x file is taken then.
            if (!twin.isNull() && twin.width() % 2 == 0 && twin.height() % 2 == 0) {
                twin.setDevicePixelRatio(2.0);
                target = twin;
                return LogicalSize(target);
            }
        }
    }
    return LoadSkinImage(path, target);
}

QSize LogicalSize(const QImage& image) {
    if (image.isNull()) {
        return QSize(0, 0);
    }
    return image.deviceIndependentSize().toSize();
}

QImage OffscreenFrame(const QWidget& widget) {
    const qreal ratio = std::max<qreal>(1.0, widget.devicePixelRatioF());
    const QSize size(static_cast<int>(std::ceil(widget.width() * ratio)),
                     static_cast<int>(std::ceil(widget.height() * ratio)));
    QImage frame(size, QImage::Format_ARGB32_Premultiplied);
    frame.setDevicePixelRatio(ratio);
    return frame;
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

void CutSkinImage(QImage& target, const QImage& source, const SkinRect& rect) {
    if (source.isNull()) {
        return;
    }
    const qreal ratio = source.devicePixelRatio();
    if (ratio == 1.0) {
        target = source.copy(ToQRect(rect));
        return;
    }
    // Each edge is scaled on its own, so neighbouring pieces stay seamless at odd ratios.
    auto device = [ratio](int v) { return static_cast<int>(std::lround(v * ratio)); };
    target = source.copy(ToQRect(
        {device(rect.left), device(rect.top), device(rect.right), device(rect.bottom)}));
    target.setDevicePixelRatio(ratio);
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
