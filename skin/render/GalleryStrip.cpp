#include "GalleryStrip.h"

#include <QPainter>
#include <algorithm>

QImage GalleryStrip(const std::vector<std::pair<QString, QImage>>& shots, int minWidth) {
    constexpr int kMargin = 16, kLabel = 22;
    int width = kMargin, height = 0;
    for (const auto& [name, picture] : shots) {
        width += std::max(picture.width(), minWidth) + kMargin;
        height = std::max(height, picture.height());
    }
    QImage strip(width, height + kLabel + 2 * kMargin, QImage::Format_RGB32);
    strip.fill(QColor(24, 26, 30));
    QPainter p(&strip);
    QFont font(QStringLiteral("Liberation Sans"));
    font.setPixelSize(12);
    p.setFont(font);
    p.setPen(Qt::white);
    int x = kMargin;
    for (const auto& [name, picture] : shots) {
        const int column = std::max(picture.width(), minWidth);
        p.drawText(x, kMargin, column, kLabel, Qt::AlignLeft | Qt::AlignVCenter, name);
        p.drawImage(x, kMargin + kLabel, picture);
        x += column + kMargin;
    }
    return strip;
}
