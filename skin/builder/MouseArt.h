// The mouse as the windows show it: the top view on the button page, and the lighting
// preview's picture with its five light zones.
#pragma once

#include <QImage>
#include <QPainterPath>

#include "SkinLayout.h"

class QPainter;

namespace art {

// The mouse's outline in a box, nose up (u across, v along, both 0..1).
QPainterPath MouseOutline(const QRectF& box);

// The button page: the mouse with its side buttons and leader lines to the markers.
void DrawButtonPageMouse(QPainter& p, const Window& buttonPage);

// Mouse.png: the preview mouse, nose left, the size of the preview rectangle; the light
// zones are windows in its shell through which the zone pictures show. `scale` 2 draws the
// same at twice the pixels, for screens of ratio 2 (here and for the zones).
QImage DrawPreviewMouse(const Rect& preview, int scale = 1);
// Zone z (0..4) as its picture, the size of its fixed rectangle: white light whose alpha the
// lighting page keeps when it recolours it.
QImage DrawZone(int z, int scale = 1);
// The zone's lit shape in page coordinates.
QPainterPath ZoneShape(int z);

}  // namespace art
