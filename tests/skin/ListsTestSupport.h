// Shared pieces of the list, scroll-bar and spin tests.
#pragma once

#include <QApplication>
#include <QImage>
#include <QMouseEvent>
#include <QPainter>
#include <QScrollBar>
#include <QWidget>

#include "skin/CListBoxEx.h"

// A scroll-bar bitmap of 9 x 3 cells of 14 pixels, each cell its own colour.
inline QImage CellBitmap() {
    QImage img(9 * 14, 3 * 14, QImage::Format_RGB32);
    QPainter p(&img);
    for (int row = 0; row < 3; ++row) {
        for (int col = 0; col < 9; ++col) {
            p.fillRect(col * 14, row * 14, 14, 14, QColor(20 + col * 25, 60 + row * 60, 90));
        }
    }
    return img;
}

// Mouse events straight to a widget, so no window manager or grab takes part.
inline void SendMouse(QWidget* w, QEvent::Type type, QPoint at, Qt::MouseButton button,
                      Qt::MouseButtons held) {
    QMouseEvent e(type, QPointF(at), w->mapToGlobal(QPointF(at)), button, held, Qt::NoModifier);
    QApplication::sendEvent(w, &e);
}
inline void Press(QWidget* w, QPoint at) {
    SendMouse(w, QEvent::MouseButtonPress, at, Qt::LeftButton, Qt::LeftButton);
}
inline void Drag(QWidget* w, QPoint at) {
    SendMouse(w, QEvent::MouseMove, at, Qt::NoButton, Qt::LeftButton);
}
inline void Release(QWidget* w, QPoint at) {
    SendMouse(w, QEvent::MouseButtonRelease, at, Qt::LeftButton, Qt::NoButton);
}

inline void FillList(CListBoxEx& list, int rows) {
    for (int i = 0; i < rows; ++i) {
        list.AddRow(QString::number(i), 0);
    }
}
