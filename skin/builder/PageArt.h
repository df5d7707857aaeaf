// Backgrounds that belong to one page only.
#pragma once

#include <QRectF>

#include "SkinLayout.h"

class QPainter;

namespace art {

// Behind the lighting preview: a lit floor the mouse stands on.
void DrawPreviewStage(QPainter& p, const QRectF& preview);
// The lighting page's banner: a ribbon running through the colour wheel.
void DrawSpectrumBanner(QPainter& p, const QRectF& r);
// The sensitivity page's banner: a rising scale of counts per inch.
void DrawSensitivityHero(QPainter& p, const Window& page);

}  // namespace art
