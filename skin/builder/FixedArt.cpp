#include "FixedArt.h"

#include <QLinearGradient>
#include <QPainter>
#include <QRadialGradient>
#include <functional>

#include "ArtStyle.h"

namespace art {
namespace {

// Draws with anti-aliasing, then settles every pixel: mostly uncovered ones become the key
// colour, the rest are blended onto `under`, the colour the picture will stand on.
QImage OnKeyColour(int w, int h, QColor key, QColor under,
                   const std::function<void(QPainter&)>& draw) {
    QImage shape(w, h, QImage::Format_ARGB32);
    shape.fill(Qt::transparent);
    {
        QPainter p(&shape);
        p.setRenderHint(QPainter::Antialiasing, true);
        draw(p);
    }
    QImage out(w, h, QImage::Format_RGB32);
    for (int y = 0; y < h; ++y) {
        for (int x = 0; x < w; ++x) {
            const QColor c = QColor::fromRgba(shape.pixel(x, y));
            if (c.alpha() < 48) {
                out.setPixel(x, y, key.rgb());
                continue;
            }
            const double a = c.alphaF();
            out.setPixel(x, y,
                         qRgb(int(c.red() * a + under.red() * (1 - a)),
                              int(c.green() * a + under.green() * (1 - a)),
                              int(c.blue() * a + under.blue() * (1 - a))));
        }
    }
    return out;
}

QLinearGradient ThumbGradient(qreal w) {
    QLinearGradient g(0, 0, w, 0);
    g.setColorAt(0, QColor(120, 196, 255));
    g.setColorAt(0.5, colour::kAccentBright);
    g.setColorAt(1, QColor(6, 98, 168));
    return g;
}

void ScrollCell(QPainter& p, int col, int row) {
    const int u = kScrollUnit;
    const QRectF cell(col * u, row * u, u, u);
    const QColor base = row == 0   ? QColor(18, 21, 25)
                        : row == 1 ? QColor(30, 38, 47)
                                   : colour::kAccent;
    const QColor ink = row == 0 ? colour::kGlyph : Qt::white;
    const int kind = col < 8 ? col % 4 : 4;
    const bool horizontal = col >= 4 && col < 8;
    if (kind == 3 || kind == 4) {
        // Track and corner: a recessed channel.
        p.fillRect(cell, QColor(8, 10, 12));
        p.fillRect(horizontal ? QRectF(cell.left(), cell.top(), u, 1)
                              : QRectF(cell.left(), cell.top(), 1, u),
                   QColor(30, 35, 41));
        return;
    }
    p.fillRect(cell, QColor(8, 10, 12));
    if (kind == 2) {
        p.setPen(Qt::NoPen);
        p.setBrush(row == 0   ? QColor(62, 72, 84)
                   : row == 1 ? colour::kAccentBright
                              : colour::kAccentSoft);
        p.drawRoundedRect(horizontal ? cell.adjusted(0, 3, 0, -3) : cell.adjusted(3, 0, -3, 0), 2,
                          2);
        return;
    }
    p.setPen(Qt::NoPen);
    p.setBrush(base);
    p.drawRoundedRect(cell.adjusted(1, 1, -1, -1), 3, 3);
    const bool first = kind == 0;
    DrawChevron(p, cell.center(), 3, ink, horizontal ? false : !first);
    if (horizontal) {
        // Chevrons drawn for up and down; turned for left and right.
        p.fillRect(cell.adjusted(1, 1, -1, -1), base);
        p.save();
        p.translate(cell.center());
        p.rotate(first ? -90 : 90);
        DrawChevron(p, QPointF(0, 0), 3, ink, false);
        p.restore();
    }
}

QSize ThumbSize(ThumbShape shape) {
    return QSize(shape == ThumbShape::Rect ? 13 : 17, 22);
}

void PaintThumb(QPainter& p, ThumbShape shape) {
    const int w = ThumbSize(shape).width();
    const int h = ThumbSize(shape).height();
    QPainterPath path;
    if (shape == ThumbShape::Rect) {
        path.addRoundedRect(QRectF(1, 1, w - 2, h - 2), 3, 3);
    } else {
        // A pointer whose tip touches the groove from its side of the track.
        const bool down = shape == ThumbShape::Down;
        const qreal tip = down ? h - 1 : 1, back = down ? 1 : h - 1, shoulder = down ? 13 : h - 13;
        path.moveTo(2, back);
        path.lineTo(w - 2, back);
        path.lineTo(w - 2, shoulder);
        path.lineTo(w / 2.0, tip);
        path.lineTo(2, shoulder);
        path.closeSubpath();
    }
    p.fillPath(path, ThumbGradient(w));
    p.setPen(QPen(QColor(190, 228, 255), 1));
    p.drawPath(path);
    p.setPen(QPen(QColor(4, 40, 70), 1));
    for (int i = -1; i <= 1; ++i) {
        const qreal y = (shape == ThumbShape::Down ? 8 : shape == ThumbShape::Up ? 14 : 11) + i * 3;
        p.drawLine(QPointF(4.5, y + 0.5), QPointF(w - 4.5, y + 0.5));
    }
}

// Drawn in the 15 x 15 cell of the 1x icon.
void PaintRowIcon(QPainter& p, int kind) {
    const QPointF c(7.5, 7.5);
    QPen pen(QColor(120, 200, 255), 1.6, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
    switch (kind) {
        case 2:    // press: an arrow going down onto a key
        case 3: {  // release: the arrow leaving it
            const bool press = kind == 2;
            pen.setColor(press ? QColor(90, 220, 130) : QColor(255, 170, 70));
            p.setPen(pen);
            const qreal s = press ? 1 : -1;
            p.drawLine(QPointF(7.5, 7.5 - 5 * s), QPointF(7.5, 7.5 + 4 * s));
            p.drawPolyline(QPolygonF({QPointF(3.5, 7.5 + 0.5 * s), QPointF(7.5, 7.5 + 4.5 * s),
                                      QPointF(11.5, 7.5 + 0.5 * s)}));
            break;
        }
        case 4:
            p.setPen(pen);
            p.drawEllipse(c, 5.8, 5.8);
            p.drawPolyline(QPolygonF({QPointF(7.5, 4), QPointF(7.5, 7.5), QPointF(10, 9)}));
            break;
        default: {
            pen.setColor(QColor(220, 226, 232));
            p.setPen(pen);
            p.drawRoundedRect(QRectF(3.5, 1.5, 8, 12), 4, 4);
            p.drawLine(QPointF(7.5, 2), QPointF(7.5, 6));
            break;
        }
    }
}

}  // namespace

QImage DrawThumb(ThumbShape shape) {
    const QSize size = ThumbSize(shape);
    return OnKeyColour(size.width(), size.height(), QColor::fromRgb(kThumbKey), QColor(20, 24, 29),
                       [&](QPainter& p) { PaintThumb(p, shape); });
}

QImage DrawThumbTwin(ThumbShape shape) {
    const QSize size = ThumbSize(shape);
    QImage img(size * 2, QImage::Format_ARGB32_Premultiplied);
    img.setDevicePixelRatio(2);
    img.fill(Qt::transparent);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing, true);
    PaintThumb(p, shape);
    p.end();
    return img.convertToFormat(QImage::Format_ARGB32);
}

QImage DrawListMask() {
    QImage img(190, 250, QImage::Format_RGB32);
    img.fill(Qt::black);
    QPainter p(&img);
    QLinearGradient g(0, 0, 0, 250);
    g.setColorAt(0, QColor(16, 20, 25));
    g.setColorAt(1, QColor(4, 5, 6));
    p.fillRect(img.rect(), g);
    p.setPen(colour::kAccent);
    p.drawRect(0, 0, 189, 249);
    return img;
}

QImage DrawLightDisabled() {
    const Rect r = kLightDisabled;
    QImage img(r.w, r.h, QImage::Format_RGB32);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing, true);
    QLinearGradient g(0, 0, 0, r.h);
    g.setColorAt(0, QColor(20, 24, 29));
    g.setColorAt(1, QColor(12, 14, 17));
    p.fillRect(img.rect(), g);
    p.setPen(QPen(QColor(255, 255, 255, 10), 8));
    for (int x = -r.h; x < r.w; x += 22) {
        p.drawLine(QPointF(x, r.h), QPointF(x + r.h, 0));
    }
    // A colour wheel: the effect picks its colours by itself.
    const QPointF c(r.w / 2.0, r.h / 2.0);
    QConicalGradient wheel(c, 90);
    for (int i = 0; i <= 6; ++i) {
        wheel.setColorAt(i / 6.0, QColor::fromHsv((i * 60) % 360, 200, 235));
    }
    QPainterPath ring;
    ring.addEllipse(c, 46, 46);
    ring.addEllipse(c, 32, 32);
    DrawGlow(p, ring, colour::kAccentBright, 6);
    p.fillPath(ring, wheel);
    p.setPen(QPen(QColor(0, 0, 0, 120), 1));
    p.drawPath(ring);
    p.setPen(QPen(colour::kEdge, 1));
    p.setBrush(Qt::NoBrush);
    p.drawRoundedRect(QRectF(0.5, 0.5, r.w - 1, r.h - 1), 6, 6);
    return img;
}

QImage DrawScrollBarSkin(int scale) {
    // Drawn in cell units whatever the scale: the picture's ratio scales the painter.
    QImage img(9 * kScrollUnit * scale, 3 * kScrollUnit * scale, QImage::Format_RGB32);
    img.setDevicePixelRatio(scale);
    img.fill(Qt::black);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing, true);
    for (int row = 0; row < 3; ++row) {
        for (int col = 0; col < 9; ++col) {
            ScrollCell(p, col, row);
        }
    }
    return img;
}

QImage DrawRowIcon(int kind) {
    return OnKeyColour(15, 15, QColor(255, 0, 0), Qt::black,
                       [&](QPainter& p) { PaintRowIcon(p, kind); });
}

QImage DrawRowIconTwin(int kind) {
    QImage img(30, 30, QImage::Format_ARGB32_Premultiplied);
    img.setDevicePixelRatio(2);
    img.fill(Qt::transparent);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing, true);
    PaintRowIcon(p, kind);
    p.end();
    return img.convertToFormat(QImage::Format_ARGB32);
}

QImage DrawSubmenuArrow(int scale) {
    QImage img(32 * scale, 32 * scale, QImage::Format_ARGB32);
    img.setDevicePixelRatio(scale);
    img.fill(Qt::transparent);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing, true);
    // The menu puts the icon 19 left of the item's right edge and 9 above its top, so in a
    // 20-high item the arrow belongs at about (8, 19) of the icon.
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(220, 228, 236));
    p.drawPolygon(QPolygonF({QPointF(6, 15), QPointF(11, 19), QPointF(6, 23)}));
    return img;
}

QImage DrawAppIcon(int size) {
    QImage img(size, size, QImage::Format_ARGB32);
    img.fill(Qt::transparent);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing, true);
    const qreal s = size / 64.0;
    QLinearGradient g(0, 0, 0, size);
    g.setColorAt(0, QColor(32, 38, 46));
    g.setColorAt(1, QColor(10, 12, 15));
    p.setPen(QPen(colour::kAccentBright, 1.5 * s));
    p.setBrush(g);
    p.drawRoundedRect(QRectF(2 * s, 2 * s, 60 * s, 60 * s), 14 * s, 14 * s);
    QPainterPath wing;
    wing.moveTo(14 * s, 18 * s);
    wing.lineTo(32 * s, 48 * s);
    wing.lineTo(50 * s, 18 * s);
    wing.lineTo(40 * s, 18 * s);
    wing.lineTo(32 * s, 32 * s);
    wing.lineTo(24 * s, 18 * s);
    wing.closeSubpath();
    DrawGlow(p, wing, colour::kAccentBright, int(4 * s));
    QLinearGradient wg(0, 18 * s, 0, 48 * s);
    wg.setColorAt(0, QColor(140, 210, 255));
    wg.setColorAt(1, colour::kAccentBright);
    p.fillPath(wing, wg);
    return img;
}

}  // namespace art
