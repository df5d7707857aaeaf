// The only place the exclusive edges of SkinRect meet QRect, whose right() and bottom() are
// the last pixel inside.
#pragma once

#include <QRect>

#include "skin/SkinRect.h"

inline QRect ToQRect(const SkinRect& r) { return QRect(r.left, r.top, r.Width(), r.Height()); }

inline SkinRect ToSkinRect(const QRect& r) {
    return {r.x(), r.y(), r.x() + r.width(), r.y() + r.height()};
}
