#include "PageArt.h"

#include <QLinearGradient>
#include <QPainter>
#include <QRadialGradient>
#include <cmath>

#include "ArtStyle.h"

namespace art {

void DrawPreviewStage(QPainter& p, const QRectF& r) {
    p.save();
    p.setRenderHint(QPainter::Antialiasing, true);
    // Perspective floor lines under the mouse.
    const QPointF vanish(r.center().x(), r.top() - 40);
    p.setClipRect(r.adjusted(-20, 20, 20, 40));
    for (int i = -8; i <= 8; ++i) {
        const QPointF foot(r.center().x() + i * 48, r.bottom() + 30);
        QLinearGradient g(vanish, foot);
        g.setColorAt(0, QColor(31, 143, 230, 0));
        g.setColorAt(1, QColor(31, 143, 230, 40));
        p.setPen(QPen(QBrush(g), 1));
        p.drawLine(vanish, foot);
    }
    p.setClipping(false);
    QRadialGradient floor(QPointF(r.center().x(), r.center().y() + 30), r.width() * 0.55);
    floor.setColorAt(0, QColor(31, 143, 230, 60));
    floor.setColorAt(0.6, QColor(31, 143, 230, 16));
    floor.setColorAt(1, QColor(31, 143, 230, 0));
    p.setPen(Qt::NoPen);
    p.setBrush(floor);
    p.drawEllipse(QPointF(r.center().x(), r.center().y() + 30), r.width() * 0.55,
                  r.height() * 0.42);
    // The shadow the mouse casts.
    QRadialGradient shadow(QPointF(r.center().x(), r.center().y() + 14), r.width() * 0.5);
    shadow.setColorAt(0, QColor(0, 0, 0, 150));
    shadow.setColorAt(1, QColor(0, 0, 0, 0));
    p.setBrush(shadow);
    p.drawEllipse(QPointF(r.center().x(), r.center().y() + 14), r.width() * 0.5, r.height() * 0.4);
    p.restore();
}

void DrawSpectrumBanner(QPainter& p, const QRectF& r) {
    p.save();
    p.setRenderHint(QPainter::Antialiasing, true);
    QLinearGradient hue(r.left() + 20, 0, r.right() - 20, 0);
    for (int i = 0; i <= 6; ++i) {
        hue.setColorAt(i / 6.0, QColor::fromHsv((i * 60) % 360, 210, 240));
    }
    for (int band = 0; band < 3; ++band) {
        QPainterPath wave;
        const qreal mid = r.center().y() + (band - 1) * 9;
        wave.moveTo(r.left() + 20, mid);
        for (int i = 1; i <= 60; ++i) {
            const qreal x = r.left() + 20 + (r.width() - 40) * i / 60.0;
            wave.lineTo(x, mid + 10 * std::sin(i / 60.0 * 2 * M_PI + band * 0.8));
        }
        QPen pen(QBrush(hue), band == 1 ? 3 : 1.2);
        p.setOpacity(band == 1 ? 0.9 : 0.45);
        p.setPen(pen);
        p.drawPath(wave);
    }
    p.restore();
}

void DrawSensitivityHero(QPainter& p, const Window& page) {
    (void)page;
    p.save();
    p.setRenderHint(QPainter::Antialiasing, true);
    // Bars rising from left to right, five brighter steps for the five levels.
    const qreal left = 214, right = 740, base = 168;
    const int bars = 48;
    const qreal pitch = (right - left) / bars;
    for (int i = 0; i < bars; ++i) {
        const qreal t = double(i) / (bars - 1);
        const qreal h = 14 + 96 * std::pow(t, 1.35);
        const bool step = (i + 1) % 10 == 0 || i == bars - 1;
        QLinearGradient g(0, base - h, 0, base);
        g.setColorAt(0, step ? colour::kAccentSoft : QColor(31, 143, 230, 170));
        g.setColorAt(1, QColor(1, 81, 142, step ? 200 : 60));
        p.fillRect(QRectF(left + i * pitch + 1, base - h, pitch - 3, h), g);
    }
    // The scale under them.
    p.setPen(QPen(colour::kEdgeLight, 1));
    p.drawLine(QPointF(left, base + 6.5), QPointF(right, base + 6.5));
    for (int i = 0; i <= 16; ++i) {
        const qreal x = left + (right - left) * i / 16.0;
        p.drawLine(QPointF(x, base + 6.5), QPointF(x, base + (i % 4 == 0 ? 14 : 10)));
    }
    // A sweep of light over the tallest bars.
    QLinearGradient sweep(left, 0, right, 0);
    sweep.setColorAt(0, QColor(255, 255, 255, 0));
    sweep.setColorAt(1, QColor(255, 255, 255, 26));
    QPainterPath curve;
    curve.moveTo(left, base - 14);
    for (int i = 1; i <= 40; ++i) {
        const qreal t = i / 40.0;
        curve.lineTo(left + (right - left) * t, base - 14 - 96 * std::pow(t, 1.35));
    }
    p.setPen(QPen(QBrush(sweep), 2));
    p.drawPath(curve);
    p.restore();
}

}  // namespace art
