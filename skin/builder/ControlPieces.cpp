#include "ControlPieces.h"

#include <QLinearGradient>
#include <QPainter>
#include <QRadialGradient>
#include <algorithm>

namespace art {

void DrawSwatch(QPainter& p, const Control& c, State s) {
    const QRectF r = ToQ(c.rect);
    p.save();
    p.setRenderHint(QPainter::Antialiasing, true);
    QColor k = QColor::fromRgb(c.colour);
    if (s == State::Disable) {
        // Presets that cannot be chosen fade towards the panel.
        const int grey = qGray(k.rgb());
        k = QColor((k.red() + grey) / 5 + 14, (k.green() + grey) / 5 + 16,
                   (k.blue() + grey) / 5 + 19);
    }
    const QRectF inner = r.adjusted(3, 3, -3, -3);
    QLinearGradient g(inner.topLeft(), inner.bottomLeft());
    g.setColorAt(0, k.lighter(118));
    g.setColorAt(1, k.darker(118));
    p.fillPath(Rounded(inner, 3), g);
    if (s == State::Over || s == State::Down) {
        p.setPen(QPen(s == State::Down ? colour::kAccentBright : Qt::white, 2));
        p.drawPath(Rounded(r.adjusted(1, 1, -1, -1), 5));
    } else {
        p.setPen(QPen(QColor(0, 0, 0, 160), 1));
        p.drawPath(Rounded(inner, 3));
    }
    p.restore();
}

void DrawMarker(QPainter& p, const Control& c, State s) {
    const QRectF r = ToQ(c.rect).adjusted(1.5, 1.5, -1.5, -1.5);
    p.save();
    p.setRenderHint(QPainter::Antialiasing, true);
    QPainterPath ring;
    ring.addEllipse(r);
    QColor fill(20, 26, 33), edge(86, 98, 112), text(214, 222, 230);
    if (s == State::Over) {
        DrawGlow(p, ring, colour::kAccentBright, 4);
        edge = colour::kAccentBright;
        text = Qt::white;
        fill = QColor(18, 44, 70);
    } else if (s == State::Down) {
        DrawGlow(p, ring, colour::kAccentBright, 4);
        fill = colour::kAccentBright;
        edge = QColor(160, 215, 255);
        text = Qt::white;
    } else if (s == State::Disable) {
        edge = QColor(50, 56, 63);
        text = colour::kGlyphDim;
    }
    p.setBrush(fill);
    p.setPen(QPen(edge, 1.5));
    p.drawPath(ring);
    p.setPen(text);
    p.setFont(ArtFont(11, true));
    p.drawText(r, Qt::AlignCenter, QString::number(c.colour));
    p.restore();
}

// The level chip: value lines at the left (drawn by the page), the level's number and a
// row of pips at the right.
void DrawLevel(QPainter& p, const Control& c, State s) {
    const QRectF r = ToQ(c.rect);
    DrawChip(p, r, s, 6);
    p.save();
    p.setRenderHint(QPainter::Antialiasing, true);
    const bool light = s == State::Down;
    const QColor k = light                 ? colour::kAccent
                     : s == State::Disable ? colour::kGlyphDim
                                           : colour::kAccentSoft;
    p.setPen(k);
    p.setFont(ArtFont(13, true));
    p.drawText(QRectF(r.left() + 48, r.top() + 6, r.width() - 52, 18), Qt::AlignCenter,
               QString::number(c.colour));
    for (int i = 0; i < 5; ++i) {
        const QRectF pip(r.left() + 50, r.bottom() - 10 - i * 4, r.width() - 56, 2.5);
        const bool lit = i < static_cast<int>(c.colour);
        p.fillRect(pip, lit ? k : QColor(k.red(), k.green(), k.blue(), 50));
    }
    // A faint rule between the X and Y lines.
    p.fillRect(QRectF(r.left() + 8, r.top() + 23.5, 39, 1),
               QColor(light ? 0 : 255, light ? 0 : 255, light ? 0 : 255, 40));
    p.restore();
}

void DrawAssign(QPainter& p, const Control& c, State s) {
    const QRectF r = ToQ(c.rect);
    DrawChip(p, r, s, 6);
    p.save();
    p.setRenderHint(QPainter::Antialiasing, true);
    const QColor stripe = s == State::Disable  ? QColor(44, 50, 57)
                          : s == State::Normal ? colour::kAccent
                                               : colour::kAccentBright;
    p.fillPath(Rounded(QRectF(r.left() + 4, r.top() + 7, 3, r.height() - 14), 1.5), stripe);
    // The button's number, matching the marker on the mouse; small, so a centred caption
    // keeps its room.
    if (c.colour != 0) {
        p.setFont(ArtFont(10, true));
        p.setPen(s == State::Disable ? colour::kGlyphDim : colour::kGlyph);
        p.drawText(QRectF(r.left() + 9, r.top(), 16, r.height()), Qt::AlignCenter,
                   QString::number(c.colour));
    }
    p.restore();
}

void DrawLed(QPainter& p, const Control& c, State s) {
    const QRectF r = ToQ(c.rect).adjusted(2, 2, -2, -2);
    p.save();
    p.setRenderHint(QPainter::Antialiasing, true);
    const bool on = s == State::Down;
    const QPainterPath bezel = Rounded(r, 6);
    p.fillPath(bezel, QColor(10, 12, 15));
    p.setPen(QPen(s == State::Over ? colour::kAccentBright : colour::kEdgeLight, 1));
    p.drawPath(bezel);
    // Five lamps in a row, as the mouse shows its level: lit together when on.
    const qreal d = std::min<qreal>(8, r.height() - 12);
    const qreal pitch = (r.width() - 12) / 5;
    for (int i = 0; i < 5; ++i) {
        const QPointF centre(r.left() + 6 + pitch * (i + 0.5), r.center().y());
        QPainterPath lamp;
        lamp.addEllipse(centre, d / 2, d / 2);
        if (on) {
            DrawGlow(p, lamp, colour::kAccentBright, 3);
        }
        QRadialGradient g(centre - QPointF(d / 6, d / 6), d / 2);
        g.setColorAt(0, on ? QColor(210, 238, 255) : QColor(58, 64, 72));
        g.setColorAt(1, on ? colour::kAccentBright : QColor(26, 30, 35));
        p.setPen(Qt::NoPen);
        p.setBrush(s == State::Disable ? QBrush(QColor(30, 33, 38)) : QBrush(g));
        p.drawEllipse(centre, d / 2, d / 2);
    }
    p.restore();
}

void DrawSpin(QPainter& p, const Control& c, State s) {
    const QRectF r = ToQ(c.rect);
    DrawField(p, r, s == State::Disable ? State::Disable : State::Normal, 4);
    // The arrow column: the right 14 pixels, up arrow in the upper half.
    const QRectF up(r.right() - 14, r.top() + 1, 13, r.height() / 2 - 1);
    const QRectF down(r.right() - 14, r.center().y(), 13, r.height() / 2 - 1);
    p.save();
    if (s == State::Over || s == State::Down) {
        p.fillRect(up, s == State::Down ? colour::kAccent : QColor(30, 40, 52));
        p.fillRect(down, s == State::Down ? colour::kAccent : QColor(30, 40, 52));
    }
    const QColor k = s == State::Disable  ? colour::kGlyphDim
                     : s == State::Normal ? colour::kGlyph
                                          : Qt::white;
    DrawChevron(p, up.center() + QPointF(0, 0.5), 3, k, false);
    DrawChevron(p, down.center() + QPointF(0, -0.5), 3, k, true);
    p.restore();
}

// Controls that paint themselves get a recessed frame just outside their rectangle.
void DrawFrame(QPainter& p, const Control& c, State s, bool black) {
    const QRectF r = ToQ(c.rect);
    p.save();
    p.setRenderHint(QPainter::Antialiasing, true);
    const QPainterPath outer = Rounded(r.adjusted(-3, -3, 3, 3), 5);
    p.fillPath(outer, QColor(5, 6, 8));
    p.setPen(QPen(s == State::Disable ? QColor(36, 41, 47) : QColor(52, 60, 70), 1));
    p.drawPath(outer);
    if (black) {
        p.fillRect(r, Qt::black);
    }
    p.restore();
}

void DrawSliderGroove(QPainter& p, const Control& c) {
    const QRectF r = ToQ(c.rect);
    p.save();
    p.setRenderHint(QPainter::Antialiasing, true);
    const QRectF groove(r.left() + 4, r.center().y() - 3, r.width() - 8, 6);
    p.fillPath(Rounded(groove, 3), QColor(4, 5, 7));
    QLinearGradient g(groove.left(), 0, groove.right(), 0);
    g.setColorAt(0, QColor(1, 81, 142, 150));
    g.setColorAt(1, QColor(31, 143, 230, 40));
    p.fillPath(Rounded(groove.adjusted(1, 1, -1, -1), 2), g);
    p.setPen(QPen(QColor(52, 60, 70), 1));
    p.drawPath(Rounded(groove, 3));
    p.restore();
}

void DrawLogo(QPainter& p, const Control& c, State s) {
    const QRectF r = ToQ(c.rect);
    p.save();
    p.setRenderHint(QPainter::Antialiasing, true);
    const QPointF m = r.center();
    const qreal u = std::min(r.width(), r.height()) / 36.0;
    QPainterPath wing;
    wing.moveTo(m + QPointF(-14 * u, -12 * u));
    wing.lineTo(m + QPointF(0, 14 * u));
    wing.lineTo(m + QPointF(14 * u, -12 * u));
    wing.lineTo(m + QPointF(6 * u, -12 * u));
    wing.lineTo(m + QPointF(0, 0));
    wing.lineTo(m + QPointF(-6 * u, -12 * u));
    wing.closeSubpath();
    if (s == State::Over || s == State::Down) {
        DrawGlow(p, wing, colour::kAccentBright, 5);
    }
    if (c.rect.w > 60) {
        // The sensor emblem: rings around a lens, the wing at its heart.
        for (int i = 0; i < 3; ++i) {
            p.setPen(QPen(QColor(31, 143, 230, 170 - i * 50), 1.5));
            p.drawEllipse(m, r.width() / 2 - 4 - i * 14, r.height() / 2 - 4 - i * 14);
        }
        QRadialGradient lens(m, r.width() / 3);
        lens.setColorAt(0, QColor(16, 60, 100));
        lens.setColorAt(1, QColor(6, 10, 16));
        p.setPen(QPen(colour::kEdgeLight, 1));
        p.setBrush(lens);
        p.drawEllipse(m, r.width() / 2 - 34, r.height() / 2 - 34);
    }
    QLinearGradient g(r.topLeft(), r.bottomLeft());
    g.setColorAt(0, s == State::Disable ? QColor(60, 66, 74) : QColor(120, 200, 255));
    g.setColorAt(1, s == State::Disable ? QColor(40, 44, 50) : colour::kAccent);
    p.setPen(Qt::NoPen);
    p.fillPath(wing, g);
    p.restore();
}

}  // namespace art
