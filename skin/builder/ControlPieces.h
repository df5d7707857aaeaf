// The looks of the controls that only a few windows have.
#pragma once

#include "ArtStyle.h"
#include "SkinLayout.h"

class QPainter;

namespace art {

void DrawSwatch(QPainter& p, const Control& c, State s);
void DrawMarker(QPainter& p, const Control& c, State s);
void DrawLevel(QPainter& p, const Control& c, State s);
void DrawAssign(QPainter& p, const Control& c, State s);
void DrawLed(QPainter& p, const Control& c, State s);
void DrawSpin(QPainter& p, const Control& c, State s);
void DrawFrame(QPainter& p, const Control& c, State s, bool black);
void DrawSliderGroove(QPainter& p, const Control& c);
void DrawLogo(QPainter& p, const Control& c, State s);

}  // namespace art
