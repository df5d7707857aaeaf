#include "MouseArt.h"

#include <QLinearGradient>
#include <QPainter>
#include <QRadialGradient>
#include <QTransform>

#include "ArtStyle.h"

namespace art {
namespace {

QPointF At(const QRectF& b, qreal u, qreal v) {
    return QPointF(b.left() + u * b.width(), b.top() + v * b.height());
}

// The shell with its lighting, seams and the wheel; `box` nose up.
void DrawShell(QPainter& p, const QRectF& box) {
    const QPainterPath body = MouseOutline(box);
    DrawGlow(p, body, colour::kAccentBright, 6);
    QRadialGradient g(At(box, 0.35, 0.3), box.height() * 0.8);
    g.setColorAt(0, QColor(62, 70, 80));
    g.setColorAt(0.5, QColor(34, 39, 46));
    g.setColorAt(1, QColor(14, 16, 19));
    p.fillPath(body, g);
    p.setPen(QPen(QColor(92, 104, 118), 1.2));
    p.drawPath(body);

    // The two main buttons end where the palm begins.
    p.setPen(QPen(QColor(8, 9, 11), 2));
    QPainterPath seam;
    seam.moveTo(At(box, 0.04, 0.36));
    seam.cubicTo(At(box, 0.3, 0.42), At(box, 0.7, 0.42), At(box, 0.95, 0.36));
    p.drawPath(seam);
    p.drawLine(At(box, 0.5, 0.0), At(box, 0.5, 0.40));

    // Wheel, with its rubber ridges.
    const QRectF wheel(At(box, 0.44, 0.07), At(box, 0.56, 0.20));
    p.setPen(QPen(QColor(6, 7, 9), 1));
    p.setBrush(QColor(10, 12, 14));
    p.drawRoundedRect(wheel.adjusted(-3, -3, 3, 3), 6, 6);
    QLinearGradient wg(wheel.topLeft(), wheel.topRight());
    wg.setColorAt(0, QColor(30, 34, 38));
    wg.setColorAt(0.5, QColor(84, 92, 102));
    wg.setColorAt(1, QColor(30, 34, 38));
    p.setBrush(wg);
    p.drawRoundedRect(wheel, 5, 5);
    p.setPen(QPen(QColor(20, 22, 26), 1));
    for (qreal y = wheel.top() + 4; y < wheel.bottom() - 2; y += 4) {
        p.drawLine(QPointF(wheel.left() + 2, y), QPointF(wheel.right() - 2, y));
    }

    // A light strip round the palm, the accent of the shell.
    QPainterPath strip;
    strip.moveTo(At(box, 0.16, 0.90));
    strip.cubicTo(At(box, 0.32, 0.965), At(box, 0.68, 0.965), At(box, 0.84, 0.90));
    DrawGlow(p, strip, colour::kAccentBright, 5);
    p.setPen(QPen(colour::kAccentSoft, 2.5, Qt::SolidLine, Qt::RoundCap));
    p.drawPath(strip);

    // Sheen along the left flank.
    QPainterPath sheen;
    sheen.moveTo(At(box, 0.20, 0.08));
    sheen.cubicTo(At(box, 0.10, 0.25), At(box, 0.12, 0.6), At(box, 0.22, 0.85));
    p.setPen(QPen(QColor(255, 255, 255, 30), 6, Qt::SolidLine, Qt::RoundCap));
    p.drawPath(sheen);
}

void DrawSideButton(QPainter& p, const QRectF& r) {
    QLinearGradient g(r.topLeft(), r.bottomRight());
    g.setColorAt(0, QColor(58, 66, 76));
    g.setColorAt(1, QColor(22, 25, 30));
    p.setPen(QPen(QColor(6, 7, 9), 1.2));
    p.setBrush(g);
    p.drawRoundedRect(r, 5, 5);
}

}  // namespace

QPainterPath MouseOutline(const QRectF& b) {
    QPainterPath path;
    path.moveTo(At(b, 0.5, 0));
    path.cubicTo(At(b, 0.80, 0), At(b, 0.94, 0.10), At(b, 0.95, 0.30));
    path.cubicTo(At(b, 0.96, 0.45), At(b, 0.90, 0.52), At(b, 0.93, 0.66));
    path.cubicTo(At(b, 0.97, 0.86), At(b, 0.80, 1.0), At(b, 0.5, 1.0));
    path.cubicTo(At(b, 0.20, 1.0), At(b, 0.02, 0.88), At(b, 0.04, 0.68));
    path.cubicTo(At(b, 0.05, 0.56), At(b, 0.0, 0.50), At(b, 0.03, 0.38));
    path.cubicTo(At(b, 0.06, 0.12), At(b, 0.20, 0), At(b, 0.5, 0));
    return path;
}

void DrawButtonPageMouse(QPainter& p, const Window& page) {
    p.save();
    p.setRenderHint(QPainter::Antialiasing, true);
    const QRectF box(325, 40, 250, 400);
    QRadialGradient floor(QPointF(450, 250), 260);
    floor.setColorAt(0, QColor(31, 143, 230, 34));
    floor.setColorAt(1, QColor(31, 143, 230, 0));
    p.fillRect(QRectF(190, 0, 520, 520), floor);
    DrawShell(p, box);

    // Buttons under the markers: behind the wheel, and on both flanks.
    for (int key : {36, 37}) {
        const Rect r = page.Find(key)->rect;
        DrawSideButton(p, ToQ(r).adjusted(-6, -4, 6, 4));
    }
    for (int key : {34, 35, 38, 39, 40, 41, 42}) {
        const Rect r = page.Find(key)->rect;
        DrawSideButton(p, ToQ(r).adjusted(-4, -7, 4, 7));
    }

    // Leader lines from each assignment to its marker.
    for (int b = 1; b <= 12; ++b) {
        const QRectF a = ToQ(page.Find(b)->rect);
        const QRectF m = ToQ(page.Find(30 + b)->rect);
        const bool left = a.center().x() < m.center().x();
        const QPointF start(left ? a.right() + 4 : a.left() - 4, a.center().y());
        const QPointF elbow(left ? 292 : 608, a.center().y());
        const QPointF end = m.center() + QPointF(left ? -m.width() / 2 - 2 : m.width() / 2 + 2, 0);
        QPainterPath line;
        line.moveTo(start);
        line.lineTo(elbow);
        if (b == 3) {
            // Marker 3 lies above and right of marker 1 while its row lies below row 1: the
            // line runs under marker 1 and rises beside it, so the two never cross.
            const QRectF m1 = ToQ(page.Find(31)->rect);
            const qreal under = m1.bottom() + 8;
            const qreal beside = (m1.right() + m.left()) / 2;
            line.lineTo(elbow.x() + (under - elbow.y()), under);
            line.lineTo(beside, under);
            line.lineTo(beside, m.center().y());
        }
        line.lineTo(end);
        p.setPen(QPen(QColor(31, 143, 230, 110), 1.2));
        p.setBrush(Qt::NoBrush);
        p.drawPath(line);
        p.setPen(Qt::NoPen);
        p.setBrush(colour::kAccentBright);
        p.drawEllipse(start, 2.5, 2.5);
    }
    p.restore();
}

QPainterPath ZoneShape(int z) {
    QPainterPath s;
    if (z == 0) {
        // The palm crest: a chevron pointing at the nose.
        s.moveTo(258, 284);
        s.lineTo(296, 227);
        s.lineTo(319, 227);
        s.lineTo(283, 284);
        s.lineTo(319, 341);
        s.lineTo(296, 341);
        s.closeSubpath();
        return s;
    }
    // Zones 2 to 5: slanted segments of one stripe, 5 at the nose end, 2 tapering off.
    static const qreal kBottom[4][2] = {{191, 214}, {157, 187}, {123, 153}, {87, 119}};
    const qreal slant = 14;
    const qreal x0 = kBottom[z - 1][0], x1 = kBottom[z - 1][1];
    const qreal top = z == 1 ? x1 + 4 : x1 + slant;
    s.moveTo(x0, 266);
    s.lineTo(x1, 266);
    s.lineTo(top, 234);
    s.lineTo(x0 + slant, 234);
    s.closeSubpath();
    return s;
}

QImage DrawZone(int z, int scale) {
    const Rect r = kZones[z];
    QImage img(r.w * scale, r.h * scale, QImage::Format_ARGB32);
    img.setDevicePixelRatio(scale);
    img.fill(Qt::transparent);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing, true);
    p.translate(-r.x, -r.y);
    const QPainterPath shape = ZoneShape(z);
    // Brighter in the middle, as light behind a diffuser.
    const QRectF b = shape.boundingRect();
    QRadialGradient g(b.center(), std::max(b.width(), b.height()) * 0.6);
    g.setColorAt(0, QColor(255, 255, 255, 255));
    g.setColorAt(1, QColor(255, 255, 255, 170));
    p.fillPath(shape, g);
    return img;
}

QImage DrawPreviewMouse(const Rect& preview, int scale) {
    QImage img(preview.w * scale, preview.h * scale, QImage::Format_ARGB32_Premultiplied);
    img.setDevicePixelRatio(scale);
    img.fill(Qt::transparent);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing, true);
    // Page coordinates, so the zone windows line up with the zones' fixed rectangles.
    p.translate(-preview.x, -preview.y);
    p.save();
    // Nose left: the shell is drawn nose up in a box 170 wide and 332 long, then turned.
    const QRectF box(0, 0, 170, 332);
    QTransform turn;
    turn.translate(preview.x + 14, preview.y + 225);
    turn.rotate(-90);
    p.setTransform(turn, true);
    DrawShell(p, box);
    p.restore();
    for (int z = 0; z < 5; ++z) {
        const QPainterPath shape = ZoneShape(z);
        p.setPen(QPen(QColor(4, 5, 6), 3, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        p.setBrush(Qt::NoBrush);
        p.drawPath(shape);
        p.setCompositionMode(QPainter::CompositionMode_Clear);
        p.fillPath(shape, Qt::black);
        // A smoked diffuser: an unlit zone looks dark, a lit one shows its colour.
        p.setCompositionMode(QPainter::CompositionMode_SourceOver);
        p.fillPath(shape, QColor(8, 10, 12, 70));
    }
    p.end();
    return img.convertToFormat(QImage::Format_ARGB32);
}

}  // namespace art
