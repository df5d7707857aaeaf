// The theme's colours and the drawing pieces every window shares: panels, chips, glows and
// glyphs.
#pragma once

#include <QColor>
#include <QFont>
#include <QPainterPath>
#include <QRectF>

#include "SkinLayout.h"

class QPainter;

namespace art {

enum class State { Normal = 0, Over = 1, Down = 2, Disable = 3 };

namespace colour {
inline const QColor kAccent(1, 81, 142);
inline const QColor kAccentBright(31, 143, 230);
inline const QColor kAccentSoft(74, 170, 245);
// The accent's hue made light enough to read as text on the dark ground.
inline const QColor kAccentText(104, 176, 232);
inline const QColor kBase(11, 13, 16);
inline const QColor kBaseTop(22, 26, 31);
inline const QColor kPanelTop(25, 30, 36);
inline const QColor kPanelBottom(17, 20, 24);
inline const QColor kEdge(44, 51, 60);
inline const QColor kEdgeLight(58, 67, 78);
inline const QColor kField(9, 11, 14);
inline const QColor kGlyph(170, 180, 191);
inline const QColor kGlyphDim(74, 82, 91);
inline const QColor kText(235, 240, 245);
inline const QColor kDanger(196, 43, 28);
}  // namespace colour

QRectF ToQ(const Rect& r);
QPainterPath Rounded(const QRectF& r, qreal radius);

// A raised panel with a light top edge; `flat` fills with one colour and no decoration.
void DrawPanel(QPainter& p, const Panel& panel);
// A soft halo around a shape.
void DrawGlow(QPainter& p, const QPainterPath& shape, const QColor& c, int spread);

// The body of a button in a state; `radius` rounds its corners.
void DrawChip(QPainter& p, const QRectF& r, State s, qreal radius);
// A field that holds a value (drop-downs, edit frames, number boxes).
void DrawField(QPainter& p, const QRectF& r, State s, qreal radius);

void DrawGlyph(QPainter& p, Glyph g, const QRectF& box, const QColor& c);
void DrawChevron(QPainter& p, const QPointF& centre, qreal size, const QColor& c, bool down);

QFont ArtFont(int pixelSize, bool bold);

}  // namespace art
