#include "WindowArt.h"

#include <QLinearGradient>
#include <QPainter>
#include <QRadialGradient>

#include "ControlArt.h"
#include "MouseArt.h"
#include "PageArt.h"

namespace art {
namespace {

constexpr int kCorner = 14;

void DrawBase(QPainter& p, const Window& w) {
    QLinearGradient g(0, 0, 0, w.height);
    g.setColorAt(0, colour::kBaseTop);
    g.setColorAt(1, colour::kBase);
    p.fillRect(0, 0, w.width, w.height, g);
    // A faint light from the upper left keeps large areas from looking flat.
    QRadialGradient light(QPointF(w.width * 0.2, 0), w.width * 0.8);
    light.setColorAt(0, QColor(31, 143, 230, 18));
    light.setColorAt(1, QColor(31, 143, 230, 0));
    p.fillRect(0, 0, w.width, w.height, light);
}

void DrawAccentRule(QPainter& p, qreal x1, qreal x2, qreal y) {
    QLinearGradient g(x1, 0, x2, 0);
    g.setColorAt(0, QColor(31, 143, 230, 0));
    g.setColorAt(0.5, colour::kAccentBright);
    g.setColorAt(1, QColor(31, 143, 230, 0));
    p.setPen(QPen(QBrush(g), 1));
    p.drawLine(QPointF(x1, y + 0.5), QPointF(x2, y + 0.5));
    QLinearGradient halo(0, y - 6, 0, y + 1);
    halo.setColorAt(0, QColor(31, 143, 230, 0));
    halo.setColorAt(1, QColor(31, 143, 230, 36));
    p.fillRect(QRectF(x1 + (x2 - x1) * 0.2, y - 6, (x2 - x1) * 0.6, 6), halo);
}

void DrawOuterFrame(QPainter& p, const Window& w) {
    p.save();
    p.setRenderHint(QPainter::Antialiasing, true);
    p.setPen(QPen(colour::kEdgeLight, 1));
    p.setBrush(Qt::NoBrush);
    p.drawPath(Rounded(QRectF(0.5, 0.5, w.width - 1, w.height - 1), kCorner));
    p.restore();
}

void DrawTitleBar(QPainter& p, const Window& w, int height) {
    QLinearGradient g(0, 0, 0, height);
    g.setColorAt(0, QColor(30, 36, 43));
    g.setColorAt(1, QColor(18, 22, 26));
    p.fillRect(0, 0, w.width, height, g);
    DrawAccentRule(p, 0, w.width, height - 1);
}

void DrawWordmark(QPainter& p) {
    p.save();
    QFont f = ArtFont(19, true);
    f.setLetterSpacing(QFont::AbsoluteSpacing, 4);
    p.setFont(f);
    p.setPen(QColor(232, 238, 244));
    p.drawText(QRectF(64, 7, 200, 26), Qt::AlignVCenter | Qt::AlignLeft, "CORVANE");
    QFont sub = ArtFont(10, false);
    sub.setLetterSpacing(QFont::AbsoluteSpacing, 1.5);
    p.setFont(sub);
    p.setPen(colour::kAccentText);
    p.drawText(QRectF(65, 33, 200, 14), Qt::AlignLeft | Qt::AlignTop, "GAMING  MOUSE");
    p.restore();
}

void DrawMainChrome(QPainter& p, const Window& w) {
    DrawTitleBar(p, w, 54);
    DrawWordmark(p);
    p.fillRect(QRectF(30, 106, 900, 1), colour::kEdge);
    DrawGlyph(p, Glyph::Profile, QRectF(612, 74, 20, 20), colour::kGlyph);
    // The page area: each page covers it, the frame shows around it.
    const Rect page = w.Find(10)->rect;
    p.save();
    p.setRenderHint(QPainter::Antialiasing, true);
    p.setPen(QPen(colour::kEdge, 1));
    p.setBrush(QColor(12, 14, 17));
    p.drawRoundedRect(ToQ(page).adjusted(-2.5, -2.5, 2.5, 2.5), 6, 6);
    p.restore();
    QLinearGradient bar(0, 646, 0, w.height);
    bar.setColorAt(0, QColor(20, 24, 29));
    bar.setColorAt(1, QColor(12, 14, 17));
    p.fillRect(QRectF(0, 646, w.width, w.height - 646), bar);
    DrawAccentRule(p, 0, w.width, 646);
}

void DrawDialogChrome(QPainter& p, const Window& w) {
    DrawTitleBar(p, w, 58);
    // The title text starts at 34; the mark sits in front of it.
    p.save();
    p.setRenderHint(QPainter::Antialiasing, true);
    QPainterPath mark;
    mark.moveTo(12, 21);
    mark.lineTo(20, 37);
    mark.lineTo(28, 21);
    mark.lineTo(24, 21);
    mark.lineTo(20, 29);
    mark.lineTo(16, 21);
    mark.closeSubpath();
    DrawGlow(p, mark, colour::kAccentBright, 3);
    p.fillPath(mark, colour::kAccentSoft);
    p.restore();
    p.fillRect(QRectF(20, w.height - 64, w.width - 40, 1), colour::kEdge);
}

void DrawOverlayChrome(QPainter& p, const Window& w) {
    Panel panel{w.opaque};
    p.fillRect(ToQ(w.opaque), QColor(14, 17, 21));
    DrawPanel(p, panel);
    p.save();
    p.setRenderHint(QPainter::Antialiasing, true);
    p.setPen(QPen(QColor(31, 143, 230, 150), 1));
    p.drawPath(Rounded(ToQ(w.opaque).adjusted(0.5, 0.5, -0.5, -0.5), 10));
    p.restore();
}

// Pictures that belong to one window only.
void DrawExtras(QPainter& p, const Window& w) {
    if (w.layout == "skin_button") {
        DrawButtonPageMouse(p, w);
    } else if (w.layout == "skin_light") {
        DrawPreviewStage(p, ToQ(w.Find(29)->rect));
        DrawSpectrumBanner(p, QRectF(430, 20, 436, 70));
    } else if (w.layout == "skin_sensitivity") {
        DrawSensitivityHero(p, w);
    } else if (w.layout == "skin_macro_manager") {
        // Where the insert panel opens: a quiet recess, nothing to click until then.
        p.save();
        p.setRenderHint(QPainter::Antialiasing, true);
        const QPainterPath well = Rounded(QRectF(534.5, 196.5, 331, 239), 10);
        QLinearGradient g(0, 196, 0, 436);
        g.setColorAt(0, QColor(13, 16, 20));
        g.setColorAt(1, QColor(17, 20, 24));
        p.fillPath(well, g);
        p.setPen(QPen(QColor(30, 35, 41), 1));
        p.drawPath(well);
        p.restore();
    }
}

}  // namespace

QImage DrawMask(const Window& w) {
    QImage mask(w.width, w.height, QImage::Format_RGB32);
    mask.fill(Qt::white);
    QPainter p(&mask);
    // A window shape has no partial pixels: no anti-aliasing.
    p.setRenderHint(QPainter::Antialiasing, false);
    p.setPen(Qt::NoPen);
    p.setBrush(Qt::black);
    switch (w.chrome) {
        case Chrome::Page:
            p.drawRect(0, 0, w.width, w.height);
            break;
        case Chrome::Overlay:
            p.drawRoundedRect(ToQ(w.opaque), 10, 10);
            break;
        default:
            p.drawRoundedRect(QRectF(0, 0, w.width, w.height), kCorner, kCorner);
            break;
    }
    return mask;
}

QImage DrawScreen(const Window& w, State s, int scale) {
    // Drawn in window coordinates whatever the scale: the picture's ratio scales the painter.
    QImage img(w.width * scale, w.height * scale, QImage::Format_RGB32);
    img.setDevicePixelRatio(scale);
    img.fill(colour::kBase);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing, true);
    p.setRenderHint(QPainter::TextAntialiasing, true);
    if (w.chrome == Chrome::Overlay) {
        // Only the panel is kept; the rest repeats the page's base so nothing odd shows.
        DrawBase(p, w);
        DrawOverlayChrome(p, w);
    } else {
        DrawBase(p, w);
        if (w.chrome == Chrome::Main) {
            DrawMainChrome(p, w);
        } else if (w.chrome == Chrome::Dialog) {
            DrawDialogChrome(p, w);
        }
        for (const Panel& panel : w.panels) {
            DrawPanel(p, panel);
        }
        DrawExtras(p, w);
        if (w.chrome != Chrome::Page) {
            DrawOuterFrame(p, w);
        }
    }
    std::vector<Rect> drawn;
    for (const Control& c : w.controls) {
        // A control that stands in for another at the same place (the name editor for the
        // name label) must not paint over the pictures of the one it replaces.
        bool shared = false;
        for (const Rect& r : drawn) {
            shared = shared ||
                     (r.x == c.rect.x && r.y == c.rect.y && r.w == c.rect.w && r.h == c.rect.h);
        }
        if (!shared) {
            DrawControl(p, c, s);
            drawn.push_back(c.rect);
        }
    }
    return img;
}

}  // namespace art
