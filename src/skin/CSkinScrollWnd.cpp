#include "skin/CSkinScrollWnd.h"

#include <QAbstractScrollArea>
#include <QEvent>
#include <QPainter>
#include <QScrollBar>
#include <QTimer>

#include "skin/CSkinScrollBar.h"
#include "skin/QtRect.h"

namespace {
const QColor kBorderColour(1, 81, 142);
const char* const kFrameProperty = "skinScrollFrame";
}  // namespace

CSkinScrollWnd* CSkinScrollWnd::Attach(QAbstractScrollArea* control, const QImage& bitmap,
                                       TimerFactory timers) {
    if (control == nullptr || bitmap.width() < 9 || bitmap.height() < 3) {
        return nullptr;
    }
    if (control->property(kFrameProperty).isValid()) {
        return nullptr;  // wrapped already
    }
    return new CSkinScrollWnd(control, bitmap, timers);
}

CSkinScrollWnd::CSkinScrollWnd(QAbstractScrollArea* control, const QImage& bitmap,
                               const TimerFactory& timers)
    : QWidget(control->parentWidget()),
      control_(control),
      previousParent_(control->parentWidget()),
      bitmap_(bitmap.convertToFormat(QImage::Format_ARGB32_Premultiplied)),
      unit_(bitmap.width() / 9) {
    setObjectName(QStringLiteral("SkinScrollBarFrame"));
    setGeometry(control->geometry());
    // The border moves from the control to the frame.
    border_ = control->frameWidth();
    previousFrameShape_ = control->frameShape();
    if (border_ > 0) {
        control->setFrameShape(QFrame::NoFrame);
    }

    limit_ = new QWidget(this);
    limit_->setObjectName(QStringLiteral("LIMIT"));
    limit_->setProperty("controlId", kLimitId);
    limit_->show();
    auto makeBar = [&](Qt::Orientation o, int id) {
        auto* bar = new CSkinScrollBar(o, this, timers ? timers() : nullptr);
        bar->setProperty("controlId", id);
        bar->SetBitmap(bitmap);
        connect(bar, &CSkinScrollBar::scrolled, this,
                [this, bar](int code, int pos) { OnScrolled(bar, code, pos); });
        return bar;
    };
    hbar_ = makeBar(Qt::Horizontal, kHorizontalBarId);
    vbar_ = makeBar(Qt::Vertical, kVerticalBarId);

    // The control keeps its own bars; they stay hidden and the skinned ones stand in for
    // the ones it would show.
    previousVPolicy_ = control->verticalScrollBarPolicy();
    previousHPolicy_ = control->horizontalScrollBarPolicy();
    hasV_ = previousVPolicy_ != Qt::ScrollBarAlwaysOff;
    hasH_ = previousHPolicy_ != Qt::ScrollBarAlwaysOff;
    leftBar_ = control->layoutDirection() == Qt::RightToLeft;
    control->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    control->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);

    const bool visible = !control->isHidden();
    control->setParent(limit_);
    control->setProperty(kFrameProperty, QVariant::fromValue(static_cast<QObject*>(this)));
    control->installEventFilter(this);
    control->setVisible(visible);
    setVisible(visible);

    for (QScrollBar* own : {control->verticalScrollBar(), control->horizontalScrollBar()}) {
        connect(own, &QScrollBar::rangeChanged, this, [this] { SyncFromControl(); });
        connect(own, &QScrollBar::valueChanged, this, [this] { SyncFromControl(); });
    }
    // A change the control makes without telling its bars still reaches the skinned ones.
    poll_ = new QTimer(this);
    poll_->setInterval(kPollMs);
    connect(poll_, &QTimer::timeout, this, &CSkinScrollWnd::SyncFromControl);
    poll_->start();
    connect(control, &QObject::destroyed, this, [this] {
        if (poll_) {
            poll_->stop();
        }
    });
    Relayout();
    SyncFromControl();
}

void CSkinScrollWnd::Detach() {
    if (poll_) {
        poll_->stop();
    }
    if (QAbstractScrollArea* c = control_) {
        c->removeEventFilter(this);
        c->setProperty(kFrameProperty, QVariant());
        // The frame stands where the control stood, border included.
        const QPoint onScreen = mapToGlobal(QPoint(0, 0));
        const bool visible = !c->isHidden();
        c->setVerticalScrollBarPolicy(previousVPolicy_);
        c->setHorizontalScrollBarPolicy(previousHPolicy_);
        if (border_ > 0) {
            c->setFrameShape(static_cast<QFrame::Shape>(previousFrameShape_));
        }
        QWidget* parent = previousParent_;
        c->setParent(parent);
        c->resize(width(), height());
        c->move(parent != nullptr ? parent->mapFromGlobal(onScreen) : onScreen);
        c->setVisible(visible);
        control_ = nullptr;
    }
    hide();
    deleteLater();
}

QRect CSkinScrollWnd::Inner() const {
    return rect().adjusted(border_, border_, -border_, -border_);
}

void CSkinScrollWnd::Relayout() {
    const SkinRect inner = ToSkinRect(Inner());
    const int vw = hasV_ ? unit_ : 0;
    const int hh = hasH_ ? unit_ : 0;
    const int limitLeft = inner.left + (leftBar_ ? vw : 0);
    limit_->setGeometry(limitLeft, inner.top, std::max(0, inner.Width() - vw),
                        std::max(0, inner.Height() - hh));
    if (control_) {
        control_->setGeometry(0, 0, limit_->width(), limit_->height());
    }
    vbar_->setVisible(hasV_);
    hbar_->setVisible(hasH_);
    if (hasV_) {
        const int x = leftBar_ ? inner.left : inner.right - unit_;
        vbar_->setGeometry(x, inner.top, unit_, std::max(0, inner.Height() - hh));
    }
    if (hasH_) {
        hbar_->setGeometry(limitLeft, inner.bottom - unit_, limit_->width(), unit_);
    }
    update();
}

void CSkinScrollWnd::SyncBar(CSkinScrollBar* bar, QScrollBar* own) {
    if (bar->isHidden() || bar->Dragging()) {
        return;
    }
    const ScrollInfo info =
        ScrollInfoFromRange(own->minimum(), own->maximum(), own->pageStep(), own->value());
    if (!(info == bar->Info())) {
        bar->SetScrollInfo(info);
    }
    bar->setEnabled(info.Scrollable());
}

void CSkinScrollWnd::SyncFromControl() {
    if (updating_ || !control_) {
        return;
    }
    SyncBar(vbar_, control_->verticalScrollBar());
    SyncBar(hbar_, control_->horizontalScrollBar());
}

void CSkinScrollWnd::OnScrolled(CSkinScrollBar* bar, int code, int position) {
    if (!control_) {
        return;
    }
    QScrollBar* own =
        bar == vbar_ ? control_->verticalScrollBar() : control_->horizontalScrollBar();
    updating_ = true;
    switch (code) {
        case sb::kLineUp:
            own->triggerAction(QAbstractSlider::SliderSingleStepSub);
            break;
        case sb::kLineDown:
            own->triggerAction(QAbstractSlider::SliderSingleStepAdd);
            break;
        case sb::kPageUp:
            own->triggerAction(QAbstractSlider::SliderPageStepSub);
            break;
        case sb::kPageDown:
            own->triggerAction(QAbstractSlider::SliderPageStepAdd);
            break;
        case sb::kThumbTrack:
        case sb::kThumbPosition:
            own->setValue(position);
            break;
        default:
            break;
    }
    updating_ = false;
    if (code != sb::kThumbTrack) {
        SyncBar(bar, own);
    }
}

bool CSkinScrollWnd::eventFilter(QObject* watched, QEvent* event) {
    if (watched == control_ && !updating_) {
        switch (event->type()) {
            // Only the control's own showing and hiding, not that of the window around it.
            case QEvent::ShowToParent:
                show();
                break;
            case QEvent::HideToParent:
                hide();
                break;
            case QEvent::LayoutDirectionChange:
                leftBar_ = control_->layoutDirection() == Qt::RightToLeft;
                Relayout();
                break;
            default:
                break;
        }
    }
    return QWidget::eventFilter(watched, event);
}

void CSkinScrollWnd::resizeEvent(QResizeEvent* e) {
    QWidget::resizeEvent(e);
    Relayout();
}

void CSkinScrollWnd::paintEvent(QPaintEvent*) {
    QPainter p(this);
    if (hasV_ && hasH_) {
        // The square where the two bars meet.
        const SkinRect inner = ToSkinRect(Inner());
        const QRect corner(leftBar_ ? inner.left : inner.right - unit_, inner.bottom - unit_,
                           unit_, unit_);
        const int rowHeight = bitmap_.height() / 3;
        p.drawImage(corner, bitmap_, QRect(8 * unit_, 0, unit_, rowHeight));
    }
    if (border_ > 0) {
        p.setPen(QPen(kBorderColour, border_));
        const qreal half = border_ / 2.0;
        p.drawRect(QRectF(half, half, width() - border_, height() - border_));
    }
}
