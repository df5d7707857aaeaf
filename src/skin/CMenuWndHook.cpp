#include "skin/CMenuWndHook.h"

#include <QCoreApplication>
#include <QEvent>
#include <QPainter>
#include <QWidget>

#include "skin/MenuLook.h"

namespace {
QColor FromColorRef(std::uint32_t c) {
    return QColor(static_cast<int>(c & 0xFF), static_cast<int>((c >> 8) & 0xFF),
                  static_cast<int>((c >> 16) & 0xFF));
}
}  // namespace

void DrawMenuFrame(QPainter& painter, int width, int height) {
    int count = 0;
    const auto outlines = MenuFrame(width, height, &count);
    painter.save();
    painter.setClipping(false);
    for (int i = 0; i < count; ++i) {
        const SkinRect& r = outlines[static_cast<std::size_t>(i)].rect;
        const QColor c = FromColorRef(outlines[static_cast<std::size_t>(i)].colour);
        painter.fillRect(r.left, r.top, r.Width(), 1, c);
        painter.fillRect(r.left, r.bottom - 1, r.Width(), 1, c);
        painter.fillRect(r.left, r.top, 1, r.Height(), c);
        painter.fillRect(r.right - 1, r.top, 1, r.Height(), c);
    }
    painter.restore();
}

CMenuWndHook::CMenuWndHook(QWidget* menuWindow) : window_(menuWindow) {
    window_->installEventFilter(this);
}

CMenuWndHook::~CMenuWndHook() {
    QObject::disconnect(link_);
    window_->removeEventFilter(this);
}

bool CMenuWndHook::eventFilter(QObject* watched, QEvent* event) {
    if (watched != window_ || event->type() != QEvent::Paint || forwarding_) {
        return false;
    }
    // The window paints first (this filter passes the repeated event on), then the frame
    // goes over its border, so nothing the window draws covers the frame.
    forwarding_ = true;
    QCoreApplication::sendEvent(window_, event);
    forwarding_ = false;
    QPainter painter(window_);
    DrawMenuFrame(painter, window_->width(), window_->height());
    return true;
}
