// Loading skin pictures, cutting control pictures out of window screens, window shapes and
// recolouring.
#pragma once

#include <QImage>
#include <QRegion>
#include <QSize>
#include <cstdint>
#include <filesystem>
#include <memory>
#include <optional>

#include "skin/BmpPixels.h"
#include "skin/SkinRect.h"

class QFile;
class QWidget;

// Any picture Qt's readers know (bmp, jpg, gif, ico, png), told by content, not by name.
// A missing or unreadable file leaves the target null and gives 0 x 0.
QSize LoadSkinImage(const std::filesystem::path& path, QImage& target);
// The same, always from the file, never from a prefetch.
QSize LoadSkinImageFromDisk(const std::filesystem::path& path, QImage& target);

// The same for a screen of the given device-pixel ratio: above 1, the picture's twin drawn at
// twice the size ("name@2x.png" beside "name.ext") is taken when it loads, marked with ratio 2
// so it paints at the size of the 1x picture. Gives the size in logical pixels, so callers
// lay out the same at every ratio.
QSize LoadSkinImage(const std::filesystem::path& path, QImage& target, qreal devicePixelRatio);
std::filesystem::path TwinPath(const std::filesystem::path& path);

// A picture's size in logical pixels: its pixels divided by its ratio.
QSize LogicalSize(const QImage& image);

// An off-screen picture of the widget's size at its device-pixel ratio, so that what is
// painted into it (texts, shapes, 2x pictures) keeps the screen's resolution.
QImage OffscreenFrame(const QWidget& widget);

struct ImagePlus {
    QImage image;
    int width = 0;
    int height = 0;
};
// PNG artwork with its alpha channel; no result when the file cannot be opened or read.
std::optional<ImagePlus> LoadImagePlus(const std::filesystem::path& path);
std::optional<QImage> LoadBitmapPlus(const std::filesystem::path& path);

// A window's state screen, which its controls are cut from. A plain 24-bit bitmap stays
// mapped and only the rows that are cut are decoded (most of a screen is never looked at);
// any other picture, and a 2x twin, is decoded whole as LoadSkinImage does.
class SkinScreen {
public:
    SkinScreen();
    ~SkinScreen();
    SkinScreen(const SkinScreen&) = delete;
    SkinScreen& operator=(const SkinScreen&) = delete;

    void Load(const std::filesystem::path& path, qreal devicePixelRatio);
    void Clear();
    bool IsNull() const;
    QSize LogicalSize() const;
    // Exactly what CutSkinImage gives for the whole screen and this logical rectangle.
    QImage Cut(const QRect& logical) const;
    // The whole screen, decoded on first use.
    const QImage& Whole() const;
    // The mapped bitmap, when the screen is one.
    const BmpPixels* Bitmap() const { return bmp_ ? &*bmp_ : nullptr; }

private:
    std::unique_ptr<QFile> file_;
    std::optional<BmpPixels> bmp_;  // points into the mapping of file_
    mutable QImage image_;
};

// The target becomes a copy of the source's rectangle, given in logical pixels, with the
// source's ratio; parts beyond the source come out transparent. Nothing happens when the
// source is null.
void CutSkinImage(QImage& target, const QImage& source, const SkinRect& rect);

// The union of the mask's non-white pixels; no region for a null mask. Masks are read at 1x:
// window shapes are in logical pixels.
std::optional<QRegion> RegionFromMask(const QImage& mask);
std::optional<QRegion> RegionFromMask(const SkinScreen& mask);

// Shapes the window to its picture without the pixels of the colour at (0, 0).
void RegionFromKeyColour(QWidget& window, const QImage& picture);

// Recolours in place (see TintPixels); the picture ends in a non-premultiplied ARGB format.
void TintImage(QImage& image, std::uint32_t colour, int factor);
