#include "ArtStyle.h"

#include <QLinearGradient>
#include <QPainter>

#include <algorithm>

namespace art {

QRectF ToQ(const Rect& r) {
    return QRectF(r.x, r.y, r.w, r.h);
}

QPainterPath Rounded(const QRectF& r, qreal radius) {
    QPainterPath path;
    path.addRoundedRect(r, radius, radius);
    return path;
}

void DrawPanel(QPainter& p, const Panel& panel) {
    const QRectF r = ToQ(panel.rect);
    p.save();
    if (panel.flat) {
        // The window paints this colour over parts of the panel; any shading would show, so
        // the inside is one colour and only the rim looks like the other panels.
        p.setRenderHint(QPainter::Antialiasing, true);
        const QPainterPath body = Rounded(r.adjusted(0.5, 0.5, -0.5, -0.5), 10);
        p.fillPath(body, QColor::fromRgb(panel.flatColour));
        p.setPen(QPen(colour::kEdge, 1));
        p.drawPath(body);
        p.restore();
        return;
    }
    p.setRenderHint(QPainter::Antialiasing, true);
    QLinearGradient g(r.topLeft(), r.bottomLeft());
    g.setColorAt(0, colour::kPanelTop);
    g.setColorAt(1, colour::kPanelBottom);
    const QPainterPath body = Rounded(r.adjusted(0.5, 0.5, -0.5, -0.5), 10);
    p.fillPath(body, g);
    p.setPen(QPen(colour::kEdge, 1));
    p.drawPath(body);
    // A hairline of light along the top edge lifts the panel off the base.
    QLinearGradient top(r.left(), 0, r.right(), 0);
    top.setColorAt(0, QColor(255, 255, 255, 0));
    top.setColorAt(0.5, QColor(255, 255, 255, 38));
    top.setColorAt(1, QColor(255, 255, 255, 0));
    p.setPen(QPen(QBrush(top), 1));
    p.drawLine(QPointF(r.left() + 12, r.top() + 1.5), QPointF(r.right() - 12, r.top() + 1.5));
    p.restore();
}

void DrawGlow(QPainter& p, const QPainterPath& shape, const QColor& c, int spread) {
    p.save();
    p.setRenderHint(QPainter::Antialiasing, true);
    p.setBrush(Qt::NoBrush);
    for (int i = spread; i >= 1; --i) {
        QColor k = c;
        k.setAlphaF(0.20 * (1.0 - double(i) / (spread + 1)));
        p.setPen(QPen(k, i * 2.0, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        p.drawPath(shape);
    }
    p.restore();
}

void DrawChip(QPainter& p, const QRectF& box, State s, qreal radius) {
    p.save();
    p.setRenderHint(QPainter::Antialiasing, true);
    const QRectF r = box.adjusted(1.5, 1.5, -1.5, -1.5);
    const QPainterPath body = Rounded(r, radius);
    QLinearGradient g(r.topLeft(), r.bottomLeft());
    QColor edge = colour::kEdgeLight;
    switch (s) {
        case State::Normal:
            g.setColorAt(0, QColor(44, 51, 60));
            g.setColorAt(1, QColor(27, 32, 38));
            break;
        case State::Over:
            DrawGlow(p, body, colour::kAccentBright, 3);
            g.setColorAt(0, QColor(42, 53, 66));
            g.setColorAt(1, QColor(24, 31, 40));
            edge = colour::kAccentBright;
            break;
        case State::Down:
            // Pressed and selected chips are light, so the accent-coloured caption reads.
            DrawGlow(p, body, colour::kAccentBright, 3);
            g.setColorAt(0, QColor(236, 244, 251));
            g.setColorAt(1, QColor(182, 206, 227));
            edge = colour::kAccentBright;
            break;
        case State::Disable:
            g.setColorAt(0, QColor(28, 32, 37));
            g.setColorAt(1, QColor(22, 25, 29));
            edge = QColor(40, 45, 51);
            break;
    }
    p.fillPath(body, g);
    if (s != State::Disable) {
        // Light catches the upper edge.
        QLinearGradient sheen(r.topLeft(), QPointF(r.left(), r.top() + r.height() * 0.5));
        sheen.setColorAt(0, QColor(255, 255, 255, s == State::Down ? 90 : 22));
        sheen.setColorAt(1, QColor(255, 255, 255, 0));
        p.fillPath(Rounded(r.adjusted(1, 1, -1, -r.height() * 0.5), radius - 1), sheen);
    }
    p.setPen(QPen(edge, 1));
    p.setBrush(Qt::NoBrush);
    p.drawPath(body);
    p.restore();
}

void DrawField(QPainter& p, const QRectF& box, State s, qreal radius) {
    p.save();
    p.setRenderHint(QPainter::Antialiasing, true);
    const QRectF r = box.adjusted(0.5, 0.5, -0.5, -0.5);
    const QPainterPath body = Rounded(r, radius);
    if (s == State::Over || s == State::Down) {
        DrawGlow(p, body, colour::kAccentBright, 2);
    }
    QLinearGradient g(r.topLeft(), r.bottomLeft());
    g.setColorAt(0, s == State::Down ? QColor(6, 24, 40) : QColor(6, 8, 10));
    g.setColorAt(1, s == State::Down ? QColor(10, 32, 52) : QColor(14, 17, 21));
    p.fillPath(body, g);
    QColor edge = QColor(52, 60, 70);
    if (s == State::Over || s == State::Down) {
        edge = colour::kAccentBright;
    } else if (s == State::Disable) {
        edge = QColor(36, 41, 47);
    }
    p.setPen(QPen(edge, 1));
    p.drawPath(body);
    p.restore();
}

void DrawChevron(QPainter& p, const QPointF& c, qreal size, const QColor& k, bool down) {
    p.save();
    p.setRenderHint(QPainter::Antialiasing, true);
    p.setPen(QPen(k, 2, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    const qreal d = down ? size * 0.5 : -size * 0.5;
    p.drawPolyline(QPolygonF({QPointF(c.x() - size, c.y() - d), QPointF(c.x(), c.y() + d),
                              QPointF(c.x() + size, c.y() - d)}));
    p.restore();
}

void DrawGlyph(QPainter& p, Glyph g, const QRectF& box, const QColor& k) {
    p.save();
    p.setRenderHint(QPainter::Antialiasing, true);
    const QPointF c = box.center();
    const qreal u = std::min(box.width(), box.height()) / 16.0;  // glyphs drawn on a 16 grid
    QPen pen(k, 1.8 * u, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
    p.setPen(pen);
    p.setBrush(Qt::NoBrush);
    auto at = [&](qreal x, qreal y) { return QPointF(c.x() + x * u, c.y() + y * u); };
    switch (g) {
        case Glyph::Plus:
            p.drawLine(at(-5, 0), at(5, 0));
            p.drawLine(at(0, -5), at(0, 5));
            break;
        case Glyph::Trash:
            p.drawLine(at(-5.5, -4), at(5.5, -4));
            p.drawLine(at(-2, -6), at(2, -6));
            p.drawPolyline(QPolygonF({at(-4, -4), at(-3.2, 6), at(3.2, 6), at(4, -4)}));
            p.drawLine(at(-1.2, -1.5), at(-1.2, 3.5));
            p.drawLine(at(1.2, -1.5), at(1.2, 3.5));
            break;
        case Glyph::Dots:
            p.setPen(Qt::NoPen);
            p.setBrush(k);
            for (int i = -1; i <= 1; ++i) {
                p.drawEllipse(at(i * 4.5, 0), 1.5 * u, 1.5 * u);
            }
            break;
        case Glyph::Pencil:
            p.drawPolygon(QPolygonF(
                {at(-5, 5), at(-4.5, 2.5), at(3, -5), at(5.5, -2.5), at(-2, 5), at(-5, 5)}));
            p.drawLine(at(1.2, -3.2), at(3.7, -0.7));
            break;
        case Glyph::Up:
        case Glyph::Down: {
            const qreal s = g == Glyph::Up ? 1 : -1;
            p.drawLine(at(0, 5 * s), at(0, -5 * s));
            p.drawPolyline(QPolygonF({at(-4.5, -0.5 * s), at(0, -5 * s), at(4.5, -0.5 * s)}));
            break;
        }
        case Glyph::Record:
            p.setPen(Qt::NoPen);
            p.setBrush(QColor(226, 52, 52));
            p.drawEllipse(c, 4.5 * u, 4.5 * u);
            break;
        case Glyph::Profile:
            p.drawEllipse(at(0, -2.5), 3 * u, 3 * u);
            p.drawArc(QRectF(at(-6, 2.5), at(6, 12)), 0, 180 * 16);
            break;
        case Glyph::None:
            break;
    }
    p.restore();
}

QFont ArtFont(int pixelSize, bool bold) {
    QFont f("Liberation Sans");
    f.setPixelSize(pixelSize);
    f.setBold(bold);
    f.setHintingPreference(QFont::PreferNoHinting);
    return f;
}

}  // namespace art
