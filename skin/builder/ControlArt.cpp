#include "ControlArt.h"

#include "ControlPieces.h"

#include <QLinearGradient>
#include <QPainter>
#include <QRadialGradient>

namespace art {
namespace {

QColor GlyphColour(State s) {
    switch (s) {
        case State::Over:
            return Qt::white;
        case State::Down:
            return Qt::white;
        case State::Disable:
            return colour::kGlyphDim;
        default:
            return colour::kGlyph;
    }
}

void DrawTab(QPainter& p, const QRectF& r, State s) {
    p.save();
    p.setRenderHint(QPainter::Antialiasing, true);
    QPainterPath body;
    body.addRoundedRect(r.adjusted(1, 2, -1, 8), 9, 9);
    body = body.intersected(Rounded(QRectF(r.x(), r.y(), r.width(), r.height()), 0));
    QLinearGradient g(r.topLeft(), r.bottomLeft());
    switch (s) {
        case State::Normal:
            g.setColorAt(0, QColor(24, 28, 33));
            g.setColorAt(1, QColor(17, 20, 24));
            break;
        case State::Over:
            g.setColorAt(0, QColor(34, 41, 49));
            g.setColorAt(1, QColor(22, 27, 33));
            break;
        case State::Down:
            // The selected tab: white caption on the accent.
            g.setColorAt(0, QColor(12, 104, 178));
            g.setColorAt(1, colour::kAccent);
            break;
        case State::Disable:
            g.setColorAt(0, QColor(20, 22, 26));
            g.setColorAt(1, QColor(16, 18, 21));
            break;
    }
    p.fillPath(body, g);
    p.setPen(QPen(s == State::Down ? colour::kAccentBright : colour::kEdge, 1));
    p.drawPath(body);
    if (s == State::Over || s == State::Down) {
        const qreal y = r.bottom() - 1.5;
        QLinearGradient line(r.left(), 0, r.right(), 0);
        line.setColorAt(0, QColor(74, 170, 245, 0));
        line.setColorAt(0.5, s == State::Down ? QColor(150, 210, 255) : colour::kAccentBright);
        line.setColorAt(1, QColor(74, 170, 245, 0));
        p.setPen(QPen(QBrush(line), s == State::Down ? 3 : 2));
        p.drawLine(QPointF(r.left() + 6, y), QPointF(r.right() - 6, y));
    }
    p.restore();
}

void DrawIndicator(QPainter& p, const QRectF& box, State s, bool round) {
    p.save();
    p.setRenderHint(QPainter::Antialiasing, true);
    const QPainterPath shape =
        round ? [&] { QPainterPath e; e.addEllipse(box); return e; }() : Rounded(box, 3);
    if (s == State::Over || s == State::Down) {
        DrawGlow(p, shape, colour::kAccentBright, 2);
    }
    QColor edge(96, 107, 120);
    QColor fill(8, 10, 13);
    if (s == State::Over) {
        edge = colour::kAccentBright;
    } else if (s == State::Down) {
        edge = colour::kAccentBright;
        fill = colour::kAccentBright;
    } else if (s == State::Disable) {
        edge = QColor(50, 56, 63);
    }
    p.setPen(QPen(edge, 1.2));
    p.setBrush(fill);
    p.drawPath(shape);
    if (s == State::Down) {
        if (round) {
            p.setPen(Qt::NoPen);
            p.setBrush(Qt::white);
            p.drawEllipse(box.center(), box.width() * 0.2, box.height() * 0.2);
        } else {
            const QPointF c = box.center();
            const qreal u = box.width() / 14.0;
            p.setPen(QPen(Qt::white, 1.8 * u, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
            p.drawPolyline(
                QPolygonF({QPointF(c.x() - 4 * u, c.y()), QPointF(c.x() - 1.2 * u, c.y() + 3 * u),
                           QPointF(c.x() + 4.2 * u, c.y() - 3.2 * u)}));
        }
    }
    p.restore();
}

void DrawOption(QPainter& p, const Control& c, State s) {
    const QRectF r = ToQ(c.rect);
    if (c.rect.w <= 32) {
        // Options without a caption of their own: a radio button centred in the box.
        const qreal d = std::min(r.width(), r.height()) - 8;
        DrawIndicator(p, QRectF(r.center().x() - d / 2, r.center().y() - d / 2, d, d), s, true);
        return;
    }
    // The caption starts 20 to the right; the box sits in front of it.
    DrawIndicator(p, QRectF(r.left(), r.center().y() - 6.5, 13, 13), s, false);
    if (s == State::Over || s == State::Down) {
        p.save();
        p.setRenderHint(QPainter::Antialiasing, true);
        QLinearGradient under(r.left() + 20, 0, r.right(), 0);
        under.setColorAt(0, QColor(31, 143, 230, s == State::Down ? 60 : 36));
        under.setColorAt(1, QColor(31, 143, 230, 0));
        p.fillPath(Rounded(r.adjusted(16, 1, 0, -1), 4), under);
        p.restore();
    }
}

void DrawDropDown(QPainter& p, const Control& c, State s) {
    const QRectF r = ToQ(c.rect);
    DrawField(p, r, s, 5);
    const QRectF cell(r.right() - r.height(), r.top(), r.height(), r.height());
    p.save();
    p.setPen(QPen(s == State::Disable ? QColor(36, 41, 47) : QColor(40, 47, 56), 1));
    p.drawLine(QPointF(cell.left() + 0.5, r.top() + 6), QPointF(cell.left() + 0.5, r.bottom() - 6));
    p.restore();
    const QColor k = s == State::Disable  ? colour::kGlyphDim
                     : s == State::Normal ? colour::kGlyph
                                          : colour::kAccentSoft;
    if (c.glyph == Glyph::Pencil) {
        DrawGlyph(p, Glyph::Pencil, cell.adjusted(8, 8, -8, -8), k);
    } else {
        DrawChevron(p, cell.center(), 4.5, k, true);
    }
}

void DrawIconButton(QPainter& p, const Control& c, State s) {
    const QRectF r = ToQ(c.rect).adjusted(1, 1, -1, -1);
    p.save();
    p.setRenderHint(QPainter::Antialiasing, true);
    const QPainterPath body = Rounded(r, 6);
    QColor fill(26, 31, 37), edge(47, 55, 64);
    if (s == State::Over) {
        DrawGlow(p, body, colour::kAccentBright, 3);
        fill = QColor(33, 42, 52);
        edge = colour::kAccentBright;
    } else if (s == State::Down) {
        DrawGlow(p, body, colour::kAccentBright, 3);
        fill = colour::kAccent;
        edge = colour::kAccentBright;
    } else if (s == State::Disable) {
        fill = QColor(20, 23, 27);
        edge = QColor(33, 37, 42);
    }
    p.fillPath(body, fill);
    p.setPen(QPen(edge, 1));
    p.drawPath(body);
    p.restore();
    const qreal side = std::min(r.width(), r.height()) - 12;
    DrawGlyph(p, c.glyph, QRectF(r.center().x() - side / 2, r.center().y() - side / 2, side, side),
              GlyphColour(s));
}

void DrawWindowButton(QPainter& p, const Control& c, State s) {
    const QRectF r = ToQ(c.rect).adjusted(2, 2, -2, -2);
    p.save();
    p.setRenderHint(QPainter::Antialiasing, true);
    if (s == State::Over || s == State::Down) {
        const QColor fill = c.kind == Kind::Close
                                ? (s == State::Over ? colour::kDanger : QColor(140, 30, 20))
                                : (s == State::Over ? QColor(44, 53, 64) : colour::kAccent);
        p.fillPath(Rounded(r, 6), fill);
    }
    const QColor k = s == State::Disable  ? colour::kGlyphDim
                     : s == State::Normal ? colour::kGlyph
                                          : Qt::white;
    p.setPen(QPen(k, 1.8, Qt::SolidLine, Qt::RoundCap));
    const QPointF m = r.center();
    if (c.kind == Kind::Close) {
        p.drawLine(m + QPointF(-5, -5), m + QPointF(5, 5));
        p.drawLine(m + QPointF(-5, 5), m + QPointF(5, -5));
    } else {
        p.drawLine(m + QPointF(-6, 4), m + QPointF(6, 4));
    }
    p.restore();
}

}  // namespace

void DrawControl(QPainter& p, const Control& c, State s) {
    const QRectF r = ToQ(c.rect);
    switch (c.kind) {
        case Kind::Area:
            break;
        case Kind::Button:
            DrawChip(p, r, s, 6);
            if (c.glyph != Glyph::None) {
                DrawGlyph(p, c.glyph, QRectF(r.left() + 10, r.center().y() - 8, 16, 16),
                          GlyphColour(s));
            }
            break;
        case Kind::Tab:
            DrawTab(p, r, s);
            break;
        case Kind::Slot:
            DrawChip(p, r, s, r.height() / 2);
            break;
        case Kind::Option:
            DrawOption(p, c, s);
            break;
        case Kind::DropDown:
            DrawDropDown(p, c, s);
            break;
        case Kind::IconButton:
            DrawIconButton(p, c, s);
            break;
        case Kind::Close:
        case Kind::Minimise:
            DrawWindowButton(p, c, s);
            break;
        case Kind::Logo:
            DrawLogo(p, c, s);
            break;
        case Kind::Led:
            DrawLed(p, c, s);
            break;
        case Kind::Level:
            DrawLevel(p, c, s);
            break;
        case Kind::Assign:
            DrawAssign(p, c, s);
            break;
        case Kind::Marker:
            DrawMarker(p, c, s);
            break;
        case Kind::Swatch:
            DrawSwatch(p, c, s);
            break;
        case Kind::Edit:
            DrawFrame(p, c, s, false);
            break;
        case Kind::Slider:
            DrawSliderGroove(p, c);
            break;
        case Kind::List:
            DrawFrame(p, c, s, true);
            break;
        case Kind::Spin:
            DrawSpin(p, c, s);
            break;
        case Kind::ColourField:
        case Kind::ColourBar:
        case Kind::ColourWell:
            DrawFrame(p, c, s, true);
            break;
    }
}

}  // namespace art
