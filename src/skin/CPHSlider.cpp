#include "skin/CPHSlider.h"

#include <QMouseEvent>
#include <QPainter>

#include "common/Messages.h"
#include "platform/MessageEvent.h"
#include "skin/SkinImage.h"

namespace {
// The last notice of a snapping release is tagged so; the track replaces it with its own id
// like every other.
constexpr std::intptr_t kSnapNoticeTag = 8000;
}  // namespace

CPHSlider::CPHSlider(QWidget* track) : QWidget(track) {
    // Nothing shows until Create has a picture.
    hide();
    setFocusPolicy(Qt::TabFocus);
    setAttribute(Qt::WA_OpaquePaintEvent);
}

bool CPHSlider::Create(const std::filesystem::path& image, QWidget* track, std::int32_t id,
                       const QRect& movement) {
    QImage picture;
    if (LoadSkinImage(image, picture).isEmpty()) {
        return false;
    }
    if (track != parentWidget()) {
        setParent(track);
    }
    bitmap_ = picture;
    id_ = id;
    scale_.left = movement.left();
    scale_.right = movement.left() + movement.width();
    scale_.thumbWidth = bitmap_.width();
    // Division toward zero, as the track heights are fixed by the skin.
    y_ = movement.top() + (movement.height() - bitmap_.height()) / 2;
    setGeometry(scale_.left, y_, bitmap_.width(), bitmap_.height());
    RegionFromKeyColour(*this, bitmap_);
    // Above 1x the thumb paints its 2x twin, whose edges are anti-aliased with alpha: the
    // track then shows through them, so the thumb is no longer opaque. Geometry and shape
    // stay those of the 1x picture.
    LoadSkinImage(image, painted_, devicePixelRatioF());
    if (painted_.isNull() || painted_.devicePixelRatio() == 1.0) {
        painted_ = bitmap_;
    }
    setAttribute(Qt::WA_OpaquePaintEvent, !painted_.hasAlphaChannel());
    enabled_ = true;
    show();
    return true;
}

bool CPHSlider::SetRange(std::int32_t minimum, std::int32_t maximum, bool snap) {
    if (!IsUsableRange(minimum, maximum)) {
        return false;
    }
    scale_.minimum = minimum;
    scale_.maximum = maximum;
    snap_ = snap;
    return true;
}

void CPHSlider::SetPosition(std::int32_t value) {
    current_ = DisplayValue(value, scale_.minimum, scale_.maximum);
    if (bitmap_.isNull()) {
        return;
    }
    const int x = scale_.PositionOf(current_);
    movedSincePlaced_ = false;
    MoveTo(x);
    Post(msg::kSliderThumbMoved, x, id_);
}

void CPHSlider::MoveTo(int x) {
    move(x, y_);
    update();
}

void CPHSlider::Post(std::uint32_t number, std::int32_t value, std::intptr_t lParam) {
    if (QWidget* track = parentWidget()) {
        PostMessageTo(track, number, SliderWParam(value), lParam);
    }
}

void CPHSlider::paintEvent(QPaintEvent*) {
    QImage frame = OffscreenFrame(*this);
    frame.fill(Qt::transparent);
    {
        QPainter p(&frame);
        p.setRenderHint(QPainter::SmoothPixmapTransform);
        p.drawImage(QRectF(rect()), painted_);
    }
    QPainter(this).drawImage(0, 0, frame);
}

void CPHSlider::mousePressEvent(QMouseEvent* e) {
    if (e->button() != Qt::LeftButton) {
        QWidget::mousePressEvent(e);
        return;
    }
    // The press grabs the mouse until the release, wherever the pointer goes meanwhile.
    if (enabled_) {
        dragStart_ = e->position().toPoint();
        dragging_ = true;
    }
    e->accept();
}

void CPHSlider::mouseMoveEvent(QMouseEvent* e) {
    if (!dragging_) {
        QWidget::mouseMoveEvent(e);
        return;
    }
    const int dx = e->position().toPoint().x() - dragStart_.x();
    const int before = x();
    const int after = scale_.DragTo(before, dx);
    if (after != before) {
        movedSincePlaced_ = true;
    }
    move(after, y_);
    // The value comes from the place before this move, so it trails the thumb by one move;
    // the release reports where the thumb ended.
    current_ = ClampToRange(scale_.ValueAt(before), scale_.minimum, scale_.maximum);
    Post(msg::kSliderChanging, current_, id_);
    Post(msg::kSliderThumbMoved, after, id_);
    e->accept();
}

void CPHSlider::mouseReleaseEvent(QMouseEvent* e) {
    if (e->button() != Qt::LeftButton) {
        QWidget::mouseReleaseEvent(e);
        return;
    }
    dragging_ = false;
    // Where a range has more steps than the track has pixels, neighbouring values share a
    // place; a thumb that was not moved keeps the value it was placed for instead of
    // falling to the lowest value of its place.
    if (movedSincePlaced_) {
        const float v = scale_.ValueAtPrecise(x());
        current_ = ClampToRange(SettleValue(v, snap_, step_), scale_.minimum, scale_.maximum);
    } else {
        current_ = ClampToRange(current_, scale_.minimum, scale_.maximum);
    }
    Post(msg::kSliderChanging, current_, id_);
    Post(msg::kSliderSettled, current_, id_);
    if (snap_) {
        const std::int32_t q = SnapDown(current_, step_);
        const int xq = scale_.PositionOf(q);
        current_ = q;
        movedSincePlaced_ = false;
        MoveTo(xq);
        Post(msg::kSliderThumbMoved, xq, id_);
        Post(msg::kSliderChanging, q, kSnapNoticeTag);
    }
    e->accept();
}
