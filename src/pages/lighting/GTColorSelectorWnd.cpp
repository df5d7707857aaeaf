#include "pages/lighting/GTColorSelectorWnd.h"

#include <QCoreApplication>
#include <QMouseEvent>
#include <QPainter>

#include "common/Messages.h"
#include "pages/lighting/ColourField.h"
#include "pages/lighting/GTColorSliderWnd.h"
#include "pages/lighting/GTColorWellWnd.h"
#include "pages/lighting/GTDrawHelper.h"
#include "pages/lighting/PickerKeys.h"
#include "platform/MessageEvent.h"

int PickerKeyOf(int qtKey) {
    switch (qtKey) {
        case Qt::Key_PageUp:
            return pickerkey::kPageUp;
        case Qt::Key_PageDown:
            return pickerkey::kPageDown;
        case Qt::Key_End:
            return pickerkey::kEnd;
        case Qt::Key_Home:
            return pickerkey::kHome;
        case Qt::Key_Left:
            return pickerkey::kLeft;
        case Qt::Key_Up:
            return pickerkey::kUp;
        case Qt::Key_Right:
            return pickerkey::kRight;
        case Qt::Key_Down:
            return pickerkey::kDown;
        default:
            return 0;
    }
}

GTColorSelectorWnd::GTColorSelectorWnd(QWidget* parent, int id) : QWidget(parent), core_(id) {
    setAttribute(Qt::WA_OpaquePaintEvent);
    setFocusPolicy(Qt::StrongFocus);
    setMouseTracking(true);
    core_.invalidate = [this] { update(); };
    core_.postDragEnded = [this] { PostMessageTo(this, msg::kColourDragEnded); };
    core_.notifyParent = [this](int sender, std::uint32_t colour) {
        if (QWidget* p = parentWidget()) {
            MessageEvent notice(msg::kColourInternal, static_cast<std::uintptr_t>(sender), colour);
            QCoreApplication::sendEvent(p, &notice);
        }
    };
}

void GTColorSelectorWnd::Link(GTColorSliderWnd* bar, GTColorWellWnd* well) {
    core_.Link(bar != nullptr ? &bar->Core() : nullptr, well != nullptr ? &well->Core() : nullptr);
}

bool GTColorSelectorWnd::event(QEvent* e) {
    if (e->type() == static_cast<QEvent::Type>(msg::kColourDragEnded)) {
        core_.OnDragEnded();
        return true;
    }
    // The field keeps Tab like the arrows, as a picker that wants every key.
    if (e->type() == QEvent::KeyPress && static_cast<QKeyEvent*>(e)->key() == Qt::Key_Tab) {
        return true;
    }
    return QWidget::event(e);
}

void GTColorSelectorWnd::resizeEvent(QResizeEvent* e) {
    QWidget::resizeEvent(e);
    core_.Resize(width(), height());
    field_ = QImage();
}

void GTColorSelectorWnd::paintEvent(QPaintEvent*) {
    const SkinRect& f = core_.Field();
    const bool redraw = core_.TakeFieldRedraw();
    if (field_.size() != size() || redraw) {
        field_ = QImage(size(), QImage::Format_RGB32);
        field_.fill(Qt::black);
        if (f.Width() > 0 && f.Height() > 0) {
            auto* bits = reinterpret_cast<std::uint32_t*>(field_.bits());
            const int stride = static_cast<int>(field_.bytesPerLine() / 4);
            RenderColourField(core_.Model(), core_.Point().z, bits + f.top * stride + f.left,
                              f.Width(), f.Height(), stride);
        }
        QPainter p(&field_);
        GTDrawHelper::Frame(p, rect(), 6);
    }
    QImage frame = field_.copy();
    {
        QPainter p(&frame);
        p.setRenderHint(QPainter::Antialiasing);
        // The marker may touch the right and bottom edges.
        p.setClipRect(QRect(f.left, f.top, f.Width() + 1, f.Height() + 1));
        double x = 0, y = 0;
        core_.MarkerCentre(x, y);
        p.setPen(QPen(core_.MarkerBlack() ? Qt::black : Qt::white, 1));
        p.setBrush(Qt::NoBrush);
        p.drawEllipse(QPointF(x, y), 5.5, 5.5);
    }
    QPainter(this).drawImage(0, 0, frame);
}

void GTColorSelectorWnd::mousePressEvent(QMouseEvent* e) {
    const QPoint pt = e->position().toPoint();
    setFocus(Qt::MouseFocusReason);
    if (e->button() == Qt::LeftButton) {
        core_.LeftDown(pt.x(), pt.y());
    } else if (e->button() == Qt::MiddleButton) {
        core_.MiddleDown(pt.x(), pt.y());
    }
}

void GTColorSelectorWnd::mouseMoveEvent(QMouseEvent* e) {
    const QPoint pt = e->position().toPoint();
    core_.Move(pt.x(), pt.y());
}

void GTColorSelectorWnd::mouseReleaseEvent(QMouseEvent* e) {
    if (e->button() == Qt::LeftButton) {
        core_.LeftUp();
    }
}

void GTColorSelectorWnd::mouseDoubleClickEvent(QMouseEvent*) {
    setFocus(Qt::MouseFocusReason);
}

void GTColorSelectorWnd::keyPressEvent(QKeyEvent* e) {
    if (const int key = PickerKeyOf(e->key())) {
        core_.Key(key);
        return;
    }
    QWidget::keyPressEvent(e);
}
