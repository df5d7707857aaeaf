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
#include "skin/SkinPrefetch.h"

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

// The whole bitmap as the image reader gives it (opaque RGB32); null when it cannot be held.
QImage DecodeWhole(const BmpPixels& bmp) {
    QImage image(bmp.Width(), bmp.Height(), QImage::Format_RGB32);
    if (!image.isNull()) {
        bmp.CopyRect(0, 0, bmp.Width(), bmp.Height(), reinterpret_cast<std::uint32_t*>(image.bits()),
                     image.bytesPerLine() / 4);
    }
    return image;
}

std::optional<QImage> DecodePlainBitmap(const QByteArray& bytes) {
    const std::optional<BmpPixels> bmp = BmpPixels::Parse(
        {reinterpret_cast<const std::uint8_t*>(bytes.constData()), std::size_t(bytes.size())});
    if (!bmp) {
        return std::nullopt;
    }
    QImage image = DecodeWhole(*bmp);
    return image.isNull() ? std::nullopt : std::optional(std::move(image));
}

QImage Decode(const QByteArray& bytes) {
    if (std::optional<QImage> plain = DecodePlainBitmap(bytes)) {
        return *plain;
    }
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
    if (std::optional<QImage> ready = TakePrefetchedSkinImage(path)) {
        target = std::move(*ready);
        return target.isNull() ? QSize(0, 0) : target.size();
    }
    return LoadSkinImageFromDisk(path, target);
}

QSize LoadSkinImageFromDisk(const std::filesystem::path& path, QImage& target) {
    // A plain bitmap straight from its mapping: no copy of the file in between.
    {
        QFile file(FromPath(path));
        if (file.open(QIODevice::ReadOnly) && file.size() > 0) {
            if (const uchar* data = file.map(0, file.size())) {
                const std::optional<BmpPixels> bmp =
                    BmpPixels::Parse({data, static_cast<std::size_t>(file.size())});
                if (bmp) {
                    target = DecodeWhole(*bmp);
                    return target.isNull() ? QSize(0, 0) : target.size();
                }
            }
        }
    }
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

SkinScreen::SkinScreen() = default;
SkinScreen::~SkinScreen() = default;

void SkinScreen::Clear() {
    bmp_.reset();
    file_.reset();
    image_ = QImage();
}

void SkinScreen::Load(const std::filesystem::path& path, qreal devicePixelRatio) {
    Clear();
    if (devicePixelRatio <= 1.0) {
        auto file = std::make_unique<QFile>(FromPath(path));
        if (file->open(QIODevice::ReadOnly)) {
            const qint64 size = file->size();
            const uchar* data = size > 0 ? file->map(0, size) : nullptr;
            if (data != nullptr) {
                bmp_ = BmpPixels::Parse({data, static_cast<std::size_t>(size)});
            }
            if (bmp_) {
                file_ = std::move(file);
                return;
            }
        }
    }
    LoadSkinImage(path, image_, devicePixelRatio);
}

bool SkinScreen::IsNull() const {
    return !bmp_ && image_.isNull();
}

QSize SkinScreen::LogicalSize() const {
    return bmp_ ? QSize(bmp_->Width(), bmp_->Height()) : ::LogicalSize(image_);
}

QImage SkinScreen::Cut(const QRect& logical) const {
    if (!bmp_ || !image_.isNull()) {
        QImage cut;
        CutSkinImage(cut, image_, ToSkinRect(logical));
        return cut;
    }
    QImage cut(logical.size(), QImage::Format_RGB32);
    if (cut.isNull()) {
        return cut;
    }
    cut.fill(0u);  // beyond the screen, as QImage::copy leaves it
    bmp_->CopyRect(logical.left(), logical.top(), logical.width(), logical.height(),
                   reinterpret_cast<std::uint32_t*>(cut.bits()), cut.bytesPerLine() / 4);
    return cut;
}

const QImage& SkinScreen::Whole() const {
    if (image_.isNull() && bmp_) {
        image_ = DecodeWhole(*bmp_);
    }
    return image_;
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
    // Only the colour counts, so both 32-bit layouts are read as they are.
    const bool direct =
        mask.format() == QImage::Format_RGB32 || mask.format() == QImage::Format_ARGB32;
    const QImage argb = direct ? mask : mask.convertToFormat(QImage::Format_ARGB32);
    const std::optional<std::vector<SkinRect>> rects = RegionFromMask(View(argb));
    if (!rects) {
        return std::nullopt;
    }
    return ToRegion(*rects);
}

std::optional<QRegion> RegionFromMask(const SkinScreen& mask) {
    if (const BmpPixels* bmp = mask.Bitmap()) {
        const std::optional<std::vector<SkinRect>> rects = RegionFromMask(*bmp);
        return rects ? std::optional(ToRegion(*rects)) : std::nullopt;
    }
    return RegionFromMask(mask.Whole());
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
