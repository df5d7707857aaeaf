// A window's five screens: the mask, and the whole window with every control in its normal,
// mouse-over, pressed and disabled look.
#pragma once

#include <QImage>

#include "ArtStyle.h"
#include "SkinLayout.h"

namespace art {

QImage DrawMask(const Window& w);
// `scale` 2 draws the same screen at twice the pixels, for screens of ratio 2.
QImage DrawScreen(const Window& w, State s, int scale = 1);

}  // namespace art
