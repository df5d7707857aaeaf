// Frames and marker arrows of the picker windows.
#pragma once

#include <QColor>
#include <QPoint>
#include <QRect>

class QPainter;

class GTDrawHelper {
public:
    // A one-pixel frame in 40, 40, 40; style bit 4 adds a black rectangle just inside it.
    static void Frame(QPainter& p, const QRect& r, int style);
    // Kind 1 left, 2 up, 3 right, 4 down; 5..8 right-angled with the apex at a corner.
    static void Triangle(QPainter& p, QPoint apex, int size, int kind, QColor pen, QColor fill);
};
