#include "pages/lighting/GTColorSliderWnd.h"

#include <QCoreApplication>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QStyleOptionFocusRect>

#include "common/Messages.h"
#include "pages/lighting/GTColorSelectorWnd.h"
#include "pages/lighting/GTDrawHelper.h"
#include "platform/MessageEvent.h"
#include "skin/QtRect.h"

GTColorSliderWnd::GTColorSliderWnd(QWidget* parent, int id) : QWidget(parent), core_(id) {
    setAttribute(Qt::WA_OpaquePaintEvent);
    setFocusPolicy(Qt::StrongFocus);
    core_.invalidate = [this] { update(); };
    core_.notifyParent = [this](int sender, int position) {
        if (QWidget* p = parentWidget()) {
            MessageEvent notice(msg::kColourInternal, static_cast<std::uintptr_t>(sender),
                                position);
            QCoreApplication::sendEvent(p, &notice);
        }
    };
}

bool GTColorSliderWnd::event(QEvent* e) {
    if (e->type() == QEvent::KeyPress && static_cast<QKeyEvent*>(e)->key() == Qt::Key_Tab) {
        return true;
    }
    return QWidget::event(e);
}

void GTColorSliderWnd::resizeEvent(QResizeEvent* e) {
    QWidget::resizeEvent(e);
    core_.Resize(width(), height());
}

void GTColorSliderWnd::paintEvent(QPaintEvent*) {
    QImage frame(size(), QImage::Format_RGB32);
    frame.fill(QColor(17, 17, 17));
    const SkinRect& b = core_.BarRect();
    const SkinRect& t = core_.Track();
    const std::vector<std::uint32_t> g = core_.Gradient();
    const int stride = static_cast<int>(frame.bytesPerLine() / 4);
    auto* bits = reinterpret_cast<std::uint32_t*>(frame.bits());
    const auto inside = [&](int x, int y) {
        return x >= 0 && y >= 0 && x < frame.width() && y < frame.height();
    };
    // Entry 0 at the bottom row of a vertical bar, the left column of a horizontal one; the
    // array has one entry more than the track is long, so the far edge row is included.
    for (std::size_t i = 0; i < g.size(); ++i) {
        const int n = static_cast<int>(i);
        if (core_.Horizontal()) {
            for (int y = t.top; y < t.bottom; ++y) {
                if (inside(t.left + n, y)) {
                    bits[y * stride + t.left + n] = g[i];
                }
            }
        } else {
            for (int x = t.left; x < t.right; ++x) {
                if (inside(x, t.bottom - n)) {
                    bits[(t.bottom - n) * stride + x] = g[i];
                }
            }
        }
    }
    QPainter p(&frame);
    GTDrawHelper::Frame(p, ToQRect(b), 6);
    const int at = core_.MarkerAt();
    constexpr int m = ColourBar::kMarkerSize;
    const std::uint32_t style = core_.Style();
    // With room reserved the arrows sit outside the bar, pointing at it; a side without
    // room gets its arrow just inside the bar's edge.
    const bool first = (style & ColourBar::kMarkerFirstSide) != 0;
    const bool second = (style & ColourBar::kMarkerSecondSide) != 0;
    if (core_.Horizontal()) {
        const int above = first ? b.top - 1 : b.top + m - 1;
        const int below = second ? b.bottom : b.bottom - m;
        GTDrawHelper::Triangle(p, QPoint(at, above), m, 4, Qt::yellow, Qt::yellow);
        GTDrawHelper::Triangle(p, QPoint(at, below), m, 2, Qt::white, Qt::white);
    } else {
        const int left = first ? b.left - 1 : b.left + m - 1;
        const int right = second ? b.right : b.right - m;
        GTDrawHelper::Triangle(p, QPoint(left, at), m, 3, Qt::white, Qt::white);
        GTDrawHelper::Triangle(p, QPoint(right, at), m, 1, Qt::white, Qt::white);
    }
    if (hasFocus()) {
        p.setPen(QPen(QColor(128, 128, 128), 1, Qt::DotLine));
        p.drawRect(rect().adjusted(0, 0, -1, -1));
    }
    p.end();
    QPainter(this).drawImage(0, 0, frame);
}

void GTColorSliderWnd::mousePressEvent(QMouseEvent* e) {
    if (e->button() == Qt::LeftButton) {
        setFocus(Qt::MouseFocusReason);
        const QPoint pt = e->position().toPoint();
        core_.LeftDown(pt.x(), pt.y());
    }
}

void GTColorSliderWnd::mouseMoveEvent(QMouseEvent* e) {
    const QPoint pt = e->position().toPoint();
    core_.Move(pt.x(), pt.y());
}

void GTColorSliderWnd::mouseReleaseEvent(QMouseEvent* e) {
    if (e->button() == Qt::LeftButton) {
        core_.LeftUp();
    }
}

void GTColorSliderWnd::keyPressEvent(QKeyEvent* e) {
    if (const int key = PickerKeyOf(e->key())) {
        core_.Key(key);
        return;
    }
    QWidget::keyPressEvent(e);
}
