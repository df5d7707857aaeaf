// Pictures the windows read without a layout entry, and the program's own bitmaps.
#pragma once

#include <QImage>

namespace art {

enum class ThumbShape { Rect, Up, Down };
// A slider thumb on the key colour, which its window leaves out of the thumb's shape.
QImage DrawThumb(ThumbShape shape);
// The same thumb at twice the pixels with anti-aliased, transparent edges, for screens of
// ratio 2.
QImage DrawThumbTwin(ThumbShape shape);

QImage DrawListMask();
// Shown over the colour controls when the effect chooses its own colours.
QImage DrawLightDisabled();
// Nine cells by three rows: up, down, thumb, track; left, right, thumb, track; corner.
// `scale` 2 draws the same at twice the pixels, for screens of ratio 2.
QImage DrawScrollBarSkin(int scale = 1);
// Event list icons on pure red, the colour the list leaves out: 2 press, 3 release,
// 4 delay, 5 mouse button.
QImage DrawRowIcon(int kind);
// The same icon at twice the pixels with anti-aliased, transparent edges instead of the red.
QImage DrawRowIconTwin(int kind);
// The submenu arrow, 32 x 32 with alpha, its arrow where the menu draws it into the item.
QImage DrawSubmenuArrow(int scale = 1);
QImage DrawAppIcon(int size);

}  // namespace art
