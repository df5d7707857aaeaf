// Loading skin pictures, cutting control pictures out of window screens, window shapes and
// recolouring.
#pragma once

#include <QImage>
#include <QRegion>
#include <QSize>
#include <cstdint>
#include <filesystem>
#include <optional>

class QWidget;

// Any picture Qt's readers know (bmp, jpg, gif, ico, png), told by content, not by name.
// A missing or unreadable file leaves the target null and gives 0 x 0.
QSize LoadSkinImage(const std::filesystem::path& path, QImage& target);

struct ImagePlus {
    QImage image;
    int width = 0;
    int height = 0;
};
// PNG artwork with its alpha channel; no result when the file cannot be opened or read.
std::optional<ImagePlus> LoadImagePlus(const std::filesystem::path& path);
std::optional<QImage> LoadBitmapPlus(const std::filesystem::path& path);

// The target becomes a copy of the source's rectangle (left, top)-(right, bottom); parts
// beyond the source come out transparent. Nothing happens when the source is null.
void CutSkinImage(QImage& target, const QImage& source, int left, int top, int right, int bottom);

// The union of the mask's non-white pixels; no region for a null mask.
std::optional<QRegion> RegionFromMask(const QImage& mask);

// Shapes the window to its picture without the pixels of the colour at (0, 0).
void RegionFromKeyColour(QWidget& window, const QImage& picture);

// Recolours in place (see TintPixels); the picture ends in a non-premultiplied ARGB format.
void TintImage(QImage& image, std::uint32_t colour, int factor);
