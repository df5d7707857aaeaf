#include "skin/CSkinScrollBar.h"

#include <QMouseEvent>
#include <QPainter>
#include <algorithm>

#include "skin/QtRect.h"
#include "skin/QtScrollTimer.h"
#include "skin/SkinImage.h"

namespace {
// Columns of the bitmap for a vertical bar; a horizontal one adds 4.
constexpr int kFirstArrowColumn = 0;
constexpr int kSecondArrowColumn = 1;
constexpr int kThumbColumn = 2;
constexpr int kTrackColumn = 3;
constexpr int kThumbEnd = 6;  // fixed end pieces of the thumb
}  // namespace

CSkinScrollBar::CSkinScrollBar(Qt::Orientation orientation, QWidget* parent,
                               std::unique_ptr<ScrollTimer> timer)
    : QWidget(parent), orientation_(orientation), timer_(std::move(timer)) {
    if (!timer_) {
        timer_ = std::make_unique<QtScrollTimer>();
    }
    timer_->SetHandler([this](int id) { OnTimer(id); });
    setMouseTracking(true);
    setAttribute(Qt::WA_OpaquePaintEvent);
}

CSkinScrollBar::~CSkinScrollBar() {
    timer_->SetHandler(nullptr);
}

void CSkinScrollBar::SetBitmap(const QImage& bitmap) {
    bitmap_ = bitmap.convertToFormat(QImage::Format_ARGB32_Premultiplied);
    // Cells are laid out in logical pixels; a 2x picture holds each cell at twice the pixels.
    ratio_ = bitmap.isNull() ? 1.0 : bitmap.devicePixelRatio();
    bitmap_.setDevicePixelRatio(ratio_);
    const QSize logical = LogicalSize(bitmap_);
    unit_ = logical.width() / 9;
    rowHeight_ = logical.height() / 3;
    update();
}

void CSkinScrollBar::SetScrollInfo(const ScrollInfo& info) {
    info_ = info;
    update();
}

int CSkinScrollBar::BarLength() const {
    return orientation_ == Qt::Vertical ? height() : width();
}

int CSkinScrollBar::Thickness() const {
    return orientation_ == Qt::Vertical ? width() : height();
}

int CSkinScrollBar::Along(const QPointF& p) const {
    return static_cast<int>(orientation_ == Qt::Vertical ? p.y() : p.x());
}

ScrollBarLayout CSkinScrollBar::Layout() const {
    return LayoutScrollBar(BarLength(), unit_, info_, dragging_ ? dragPos_ : info_.position);
}

void CSkinScrollBar::mousePressEvent(QMouseEvent* e) {
    if (e->button() != Qt::LeftButton || pressedPart_ != sb::kNone) {
        QWidget::mousePressEvent(e);
        return;
    }
    const int along = Along(e->position());
    const int part = HitTestScrollBar(Layout(), along);
    pointerAlong_ = along;
    if (part == sb::kNone) {
        return;
    }
    pressedPart_ = part;
    if (part == sb::kThumbTrack) {
        dragging_ = true;
        dragStartPos_ = info_.position;
        dragStartAlong_ = along;
        dragPos_ = info_.position;
        update();
        return;
    }
    // The mouse stays with the bar while the button is down, as a capture would keep it.
    outside_ = false;
    repeating_ = false;
    emit scrolled(part, 0);
    timer_->Start(kFirstRepeatTimer, kFirstRepeatMs);
    update();
}

void CSkinScrollBar::mouseMoveEvent(QMouseEvent* e) {
    const int along = Along(e->position());
    pointerAlong_ = along;
    if (dragging_) {
        const int pos = DragPosition(info_, Layout(), dragStartPos_, along - dragStartAlong_);
        if (pos != dragPos_) {
            dragPos_ = pos;
            update();
            emit scrolled(sb::kThumbTrack, pos);
        }
        return;
    }
    const int part = HitTestScrollBar(Layout(), along);
    if (pressedPart_ != sb::kNone) {
        outside_ = part != pressedPart_ || !rect().contains(e->position().toPoint());
        return;
    }
    const int hover = part == sb::kPageUp || part == sb::kPageDown ? sb::kNone : part;
    if (hover != hoverPart_) {
        hoverPart_ = hover;
        update();
    }
}

void CSkinScrollBar::mouseReleaseEvent(QMouseEvent* e) {
    if (e->button() != Qt::LeftButton || pressedPart_ == sb::kNone) {
        QWidget::mouseReleaseEvent(e);
        return;
    }
    if (dragging_) {
        const int pos = dragPos_;
        dragging_ = false;
        dragPos_ = -1;
        pressedPart_ = sb::kNone;
        const int under = HitTestScrollBar(Layout(), Along(e->position()));
        hoverPart_ = under == sb::kThumbTrack ? under : sb::kNone;
        update();
        emit scrolled(sb::kThumbPosition, pos);
        return;
    }
    EndPress();
}

void CSkinScrollBar::EndPress() {
    timer_->Stop(repeating_ ? kRepeatTimer : kFirstRepeatTimer);
    repeating_ = false;
    outside_ = false;
    pressedPart_ = sb::kNone;
    update();
}

void CSkinScrollBar::leaveEvent(QEvent* e) {
    if (hoverPart_ != sb::kNone) {
        hoverPart_ = sb::kNone;
        update();
    }
    QWidget::leaveEvent(e);
}

void CSkinScrollBar::OnTimer(int id) {
    if (id == kFirstRepeatTimer && !repeating_) {
        // The first delay is over: this tick scrolls, and the repeat takes over.
        timer_->Stop(kFirstRepeatTimer);
        repeating_ = true;
        timer_->Start(kRepeatTimer, kRepeatMs);
        RepeatTick();
    } else if (id == kRepeatTimer && repeating_) {
        RepeatTick();
    }
}

void CSkinScrollBar::RepeatTick() {
    if (pressedPart_ == sb::kNone || dragging_ || outside_) {
        return;
    }
    const int under = HitTestScrollBar(Layout(), pointerAlong_);
    if (RepeatStops(pressedPart_, info_, under)) {
        return;
    }
    emit scrolled(pressedPart_, 0);
}

QRect CSkinScrollBar::PartRect(int begin, int end) const {
    if (orientation_ == Qt::Vertical) {
        return QRect(0, begin, Thickness(), std::max(0, end - begin));
    }
    return QRect(begin, 0, std::max(0, end - begin), Thickness());
}

QRect CSkinScrollBar::Cell(int column, int row) const {
    const int c = column + (orientation_ == Qt::Vertical ? 0 : 4);
    return QRect(c * unit_, row * rowHeight_, unit_, rowHeight_);
}

int CSkinScrollBar::RowFor(int part) const {
    if (!isEnabled()) {
        return 0;
    }
    if (part == pressedPart_) {
        return 2;
    }
    return part == hoverPart_ ? 1 : 0;
}

QRectF CSkinScrollBar::Source(const QRect& logical) const {
    return QRectF(logical.x() * ratio_, logical.y() * ratio_, logical.width() * ratio_,
                  logical.height() * ratio_);
}

void CSkinScrollBar::DrawStretched(QPainter& p, const QRect& target, int column, int row) const {
    if (!target.isEmpty()) {
        p.drawImage(QRectF(target), bitmap_, Source(Cell(column, row)));
    }
}

void CSkinScrollBar::DrawTiled(QPainter& p, const QRect& target, int column, int row) const {
    const QRect cell = Cell(column, row);
    const bool vertical = orientation_ == Qt::Vertical;
    const int step = vertical ? cell.height() : cell.width();
    if (target.isEmpty() || step <= 0) {
        return;
    }
    p.save();
    p.setClipRect(target, Qt::IntersectClip);
    const SkinRect edges = ToSkinRect(target);
    const int end = vertical ? edges.bottom : edges.right;
    for (int at = vertical ? edges.top : edges.left; at < end; at += step) {
        const QRect piece = vertical ? QRect(target.left(), at, target.width(), step)
                                     : QRect(at, target.top(), step, target.height());
        p.drawImage(QRectF(piece), bitmap_, Source(cell));
    }
    p.restore();
}

void CSkinScrollBar::DrawThumb(QPainter& p, const QRect& target, int row) const {
    const QRect cell = Cell(kThumbColumn, row);
    const bool vertical = orientation_ == Qt::Vertical;
    const int length = vertical ? target.height() : target.width();
    const int cellLength = vertical ? cell.height() : cell.width();
    const int end = std::min({kThumbEnd, length / 2, cellLength / 2});
    auto slice = [&](const QRect& r, int from, int count) {
        return vertical ? QRect(r.left(), r.top() + from, r.width(), count)
                        : QRect(r.left() + from, r.top(), count, r.height());
    };
    p.drawImage(QRectF(slice(target, 0, end)), bitmap_, Source(slice(cell, 0, end)));
    p.drawImage(QRectF(slice(target, length - end, end)), bitmap_,
                Source(slice(cell, cellLength - end, end)));
    // The middle repeats the cell's middle so that a long thumb keeps its texture.
    const QRect middle = slice(target, end, length - 2 * end);
    const QRect source = slice(cell, end, cellLength - 2 * end);
    const int step = vertical ? source.height() : source.width();
    if (middle.isEmpty() || step <= 0) {
        return;
    }
    p.save();
    p.setClipRect(middle, Qt::IntersectClip);
    const int stop = length - end;
    for (int at = end; at < stop; at += step) {
        p.drawImage(QRectF(slice(target, at, step)), bitmap_, Source(source));
    }
    p.restore();
}

void CSkinScrollBar::paintEvent(QPaintEvent*) {
    QImage frame = OffscreenFrame(*this);
    frame.fill(Qt::black);
    if (!bitmap_.isNull() && unit_ > 0) {
        QPainter p(&frame);
        const ScrollBarLayout l = Layout();
        DrawStretched(p, PartRect(0, l.arrow), kFirstArrowColumn, RowFor(sb::kLineUp));
        DrawStretched(p, PartRect(l.SecondArrowBegin(), l.length), kSecondArrowColumn,
                      RowFor(sb::kLineDown));
        // Nothing to scroll: a bare track, as a disabled bar shows no thumb.
        const bool thumb = l.thumbLength > 0 && isEnabled();
        const int thumbBegin = thumb ? l.ThumbBegin() : l.SecondArrowBegin();
        const int thumbEnd = thumb ? l.ThumbEnd() : l.SecondArrowBegin();
        DrawTiled(p, PartRect(l.arrow, thumbBegin), kTrackColumn, RowFor(sb::kPageUp));
        DrawTiled(p, PartRect(thumbEnd, l.SecondArrowBegin()), kTrackColumn, RowFor(sb::kPageDown));
        if (thumb) {
            DrawThumb(p, PartRect(thumbBegin, thumbEnd), RowFor(sb::kThumbTrack));
        }
    }
    QPainter(this).drawImage(0, 0, frame);
}
