#include "pages/lighting/GTColorWellWnd.h"

#include <QPainter>

#include "pages/lighting/ColourConversion.h"
#include "pages/lighting/GTDrawHelper.h"
#include "platform/MessageEvent.h"

GTColorWellWnd::GTColorWellWnd(QWidget* parent, std::uint32_t initial)
    : QWidget(parent), core_(initial) {
    setAttribute(Qt::WA_OpaquePaintEvent);
    core_.invalidate = [this] { update(); };
    core_.postToParent = [this](std::uint32_t message) {
        if (QWidget* p = parentWidget()) {
            PostMessageTo(p, message);
        }
    };
}

void GTColorWellWnd::paintEvent(QPaintEvent*) {
    QPainter p(this);
    const std::uint32_t c = core_.Colour();
    p.fillRect(rect(), QColor(17, 17, 17));
    p.fillRect(QRect(QPoint(2, 2), rect().bottomRight()),
               QColor(colour::Red(c), colour::Green(c), colour::Blue(c)));
    GTDrawHelper::Frame(p, rect(), 6);
}
