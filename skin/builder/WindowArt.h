// A window's five screens: the mask, and the whole window with every control in its normal,
// mouse-over, pressed and disabled look.
#pragma once

#include <QImage>

#include "ArtStyle.h"
#include "SkinLayout.h"

namespace art {

QImage DrawMask(const Window& w);
QImage DrawScreen(const Window& w, State s);

}  // namespace art
