// A scroll bar drawn from one bitmap of 9 x 3 cells: it shows the scroll information it is
// given and reports the user's scroll codes; the owner does the scrolling.
#pragma once

#include <QImage>
#include <QWidget>
#include <memory>

#include "skin/ScrollBarGeometry.h"
#include "skin/ScrollTimer.h"

class CSkinScrollBar : public QWidget {
    Q_OBJECT
public:
    // Timer ids: the first delay of a held part, then its repeat.
    static constexpr int kFirstRepeatTimer = 200;
    static constexpr int kRepeatTimer = 100;
    static constexpr int kFirstRepeatMs = 500;
    static constexpr int kRepeatMs = 100;

    // Without a timer the bar uses the event loop's.
    CSkinScrollBar(Qt::Orientation orientation, QWidget* parent = nullptr,
                   std::unique_ptr<ScrollTimer> timer = nullptr);
    ~CSkinScrollBar() override;

    void SetBitmap(const QImage& bitmap);
    int Unit() const { return unit_; }
    Qt::Orientation Orientation() const { return orientation_; }

    void SetScrollInfo(const ScrollInfo& info);
    const ScrollInfo& Info() const { return info_; }
    ScrollBarLayout Layout() const;
    int DragPos() const { return dragPos_; }
    bool Dragging() const { return dragging_; }
    int PressedPart() const { return pressedPart_; }
    int HoverPart() const { return hoverPart_; }

signals:
    // The position is meaningful for sb::kThumbTrack and sb::kThumbPosition only.
    void scrolled(int code, int position);

protected:
    void paintEvent(QPaintEvent* e) override;
    void mousePressEvent(QMouseEvent* e) override;
    void mouseMoveEvent(QMouseEvent* e) override;
    void mouseReleaseEvent(QMouseEvent* e) override;
    void leaveEvent(QEvent* e) override;

private:
    int BarLength() const;
    int Thickness() const;
    int Along(const QPointF& p) const;
    void OnTimer(int id);
    void RepeatTick();
    void EndPress();
    QRect PartRect(int begin, int end) const;
    QRect Cell(int column, int row) const;
    // A logical cell as a source rectangle in the picture's own pixels.
    QRectF Source(const QRect& logical) const;
    int RowFor(int part) const;
    void DrawStretched(QPainter& p, const QRect& target, int column, int row) const;
    void DrawTiled(QPainter& p, const QRect& target, int column, int row) const;
    void DrawThumb(QPainter& p, const QRect& target, int row) const;

    Qt::Orientation orientation_;
    std::unique_ptr<ScrollTimer> timer_;
    QImage bitmap_;
    qreal ratio_ = 1.0;
    int unit_ = 0;
    int rowHeight_ = 0;
    ScrollInfo info_;
    int dragPos_ = -1;
    int dragStartPos_ = 0;
    int dragStartAlong_ = 0;
    int pressedPart_ = sb::kNone;
    int hoverPart_ = sb::kNone;
    int pointerAlong_ = 0;
    bool dragging_ = false;
    bool repeating_ = false;  // past the first delay
    bool outside_ = false;    // the pointer left the pressed part
};
