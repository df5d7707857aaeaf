// One control's picture in one of its four looks, drawn at its layout rectangle. The window
// cuts the control's state pictures from the screens these are drawn into.
#pragma once

#include "ArtStyle.h"
#include "SkinLayout.h"

class QPainter;

namespace art {

void DrawControl(QPainter& p, const Control& c, State s);

}  // namespace art
