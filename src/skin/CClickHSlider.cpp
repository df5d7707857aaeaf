#include "skin/CClickHSlider.h"

#include <QCursor>
#include <QMouseEvent>
#include <QPainter>
#include <QWheelEvent>

#include "common/Messages.h"
#include "platform/MessageEvent.h"
#include "skin/CPHSlider.h"
#include "skin/QtRect.h"
#include "skin/SkinImage.h"
#include "skin/SliderScale.h"

CClickHSlider::CClickHSlider(QWidget* parent) : QWidget(parent) {
    // Nothing shows until Create has a thumb; moves are followed without a button held, so
    // the wheel can be switched on when the pointer arrives.
    hide();
    setMouseTracking(true);
}

bool CClickHSlider::Create(const std::filesystem::path& thumbImage, QWidget* parent,
                           std::int32_t id, const QRect& rect) {
    if (thumb_ != nullptr) {
        return false;
    }
    // Loaded here only to learn that it exists; the thumb keeps its own copy.
    QImage probe;
    if (LoadSkinImage(thumbImage, probe).isEmpty()) {
        return false;
    }
    if (parent != parentWidget()) {
        setParent(parent);
    }
    owner_ = parent;
    id_ = id;
    rect_ = rect;
    setGeometry(rect);
    auto* thumb = new CPHSlider(this);
    if (!thumb->Create(thumbImage, this, id, QRect(0, 0, rect.width(), rect.height()))) {
        delete thumb;
        return false;
    }
    thumb_ = thumb;
    // A range or value set before creation is not lost (both are 0..10 and 0 by default).
    thumb_->SetRange(minimum_, maximum_, snap_);
    thumb_->SetPosition(value_);
    show();
    return true;
}

void CClickHSlider::SetBackgroundFrom(const QImage& parentNormal) {
    CutSkinImage(background_, parentNormal, ToSkinRect(rect_));
    update();
}

bool CClickHSlider::SetRange(std::int32_t minimum, std::int32_t maximum, bool snap) {
    if (!IsUsableRange(minimum, maximum)) {
        return false;
    }
    minimum_ = minimum;
    maximum_ = maximum;
    snap_ = snap;
    if (thumb_ != nullptr) {
        thumb_->SetRange(minimum, maximum, snap);
    }
    return true;
}

void CClickHSlider::SetValue(std::int32_t value) {
    value_ = value;
    if (thumb_ != nullptr) {
        thumb_->SetPosition(value);
    }
    update();
}

void CClickHSlider::Report(std::int32_t value) {
    if (owner_ != nullptr) {
        PostMessageTo(owner_, msg::kSliderChanging, SliderWParam(value), id_);
        PostMessageTo(owner_, msg::kSliderSettled, SliderWParam(value), id_);
    }
    emit changing(value);
    emit settled(value);
}

bool CClickHSlider::event(QEvent* e) {
    const auto number = static_cast<std::uint32_t>(e->type());
    if (number == msg::kSliderChanging || number == msg::kSliderSettled ||
        number == msg::kSliderThumbMoved) {
        if (auto* m = dynamic_cast<MessageEvent*>(e)) {
            // The page sees the thumb's notices as the track's own.
            if (number != msg::kSliderThumbMoved) {
                value_ = SliderValueOf(m->WParam());
            }
            if (owner_ != nullptr) {
                PostMessageTo(owner_, number, m->WParam(), id_);
            }
            const int v = SliderValueOf(m->WParam());
            if (number == msg::kSliderChanging) {
                emit changing(v);
            } else if (number == msg::kSliderSettled) {
                emit settled(v);
            } else {
                emit thumbMoved(v);
            }
            return true;
        }
    }
    return QWidget::event(e);
}

void CClickHSlider::paintEvent(QPaintEvent*) {
    if (!background_.isNull()) {
        QPainter(this).drawImage(0, 0, background_);
    }
}

bool CClickHSlider::OnThumb(const QPoint& p) const {
    if (thumb_ == nullptr || thumb_->isHidden() || !thumb_->geometry().contains(p)) {
        return false;
    }
    // The thumb's key-coloured pixels belong to the track.
    const QRegion shape = thumb_->mask();
    return shape.isEmpty() || shape.contains(p - thumb_->pos());
}

void CClickHSlider::mousePressEvent(QMouseEvent* e) {
    // Taken, so that the release comes here; the click happens on the release.
    e->setAccepted(e->button() == Qt::LeftButton);
}

void CClickHSlider::mouseReleaseEvent(QMouseEvent* e) {
    const QPoint p = e->position().toPoint();
    if (e->button() != Qt::LeftButton || !rect().contains(p) || OnThumb(p)) {
        e->ignore();
        return;
    }
    const int px = mapToParent(p).x() - rect_.left();
    const TrackClick click = ClickOnTrack(px, rect_.width(), minimum_, maximum_, snap_, snapStep_);
    value_ = click.value;
    if (thumb_ != nullptr) {
        thumb_->SetPosition(click.position);
    }
    Report(click.position);
    e->accept();
}

void CClickHSlider::mouseMoveEvent(QMouseEvent* e) {
    if (!tracking_) {
        tracking_ = true;
        wheelEnabled_ = true;
        // Wheel notches go to the focus window on some systems; it has to be this one.
        if (!hasFocus()) {
            setFocus(Qt::MouseFocusReason);
        }
    }
    QWidget::mouseMoveEvent(e);
}

void CClickHSlider::leaveEvent(QEvent* e) {
    tracking_ = false;
    // A leave into the thumb keeps the pointer over the track.
    if (!rect().contains(mapFromGlobal(QCursor::pos()))) {
        wheelEnabled_ = false;
    }
    QWidget::leaveEvent(e);
}

void CClickHSlider::wheelEvent(QWheelEvent* e) {
    const int delta = e->angleDelta().y();
    // Sideways scrolling and the empty begin/end events of touchpads are no notch.
    if (!wheelEnabled_ || delta == 0) {
        e->ignore();
        return;
    }
    // A touchpad's small deltas add up to a notch before the value moves.
    const int notches = wheel_.Take(delta);
    bool moved = false;
    for (int i = 0; i < (notches < 0 ? -notches : notches); ++i) {
        const std::optional<std::int32_t> next =
            WheelStep(value_, notches, wheelStep_, minimum_, maximum_);
        if (!next) {
            break;
        }
        value_ = *next;
        moved = true;
    }
    if (moved) {
        if (thumb_ != nullptr) {
            thumb_->SetPosition(value_);
        }
        Report(value_);
    }
    e->accept();
}
