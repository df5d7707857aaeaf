#include "pages/lighting/GTDrawHelper.h"

#include <QPainter>
#include <QPolygon>

#include "pages/lighting/ColourField.h"

void GTDrawHelper::Frame(QPainter& p, const QRect& r, int style) {
    p.save();
    p.setRenderHint(QPainter::Antialiasing, false);
    const QColor edge(40, 40, 40);
    p.fillRect(QRect(r.left(), r.top(), r.width(), 1), edge);
    p.fillRect(QRect(r.left(), r.top(), 1, r.height()), edge);
    p.fillRect(QRect(r.left(), r.bottom(), r.width(), 1), edge);
    p.fillRect(QRect(r.right(), r.top(), 1, r.height()), edge);
    if (style & 4) {
        p.setPen(Qt::black);
        p.setBrush(Qt::NoBrush);
        p.drawRect(r.adjusted(1, 1, -2, -2));
    }
    p.restore();
}

void GTDrawHelper::Triangle(QPainter& p, QPoint apex, int size, int kind, QColor pen, QColor fill) {
    const ::Triangle t = TriangleAt({apex.x(), apex.y()}, size, kind);
    QPolygon poly;
    poly << QPoint(t.a.x, t.a.y) << QPoint(t.b.x, t.b.y) << QPoint(t.c.x, t.c.y);
    p.save();
    p.setPen(pen);
    p.setBrush(fill);
    p.drawPolygon(poly);
    p.restore();
}
