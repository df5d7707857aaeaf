// Puts skinned scroll bars in place of a scrolling control's own: the control moves into a
// frame of the same rectangle, keeps its own scroll bars (hidden) and scrolls exactly as
// before; the skinned bars show its scroll state and drive it.
#pragma once

#include <QImage>
#include <QPointer>
#include <QTimer>
#include <QWidget>
#include <functional>
#include <memory>

#include "skin/ScrollBarGeometry.h"
#include "skin/ScrollTimer.h"

class CSkinScrollBar;
class QAbstractScrollArea;
class QScrollBar;

class CSkinScrollWnd : public QWidget {
    Q_OBJECT
public:
    static constexpr int kHorizontalBarId = 100;
    static constexpr int kVerticalBarId = 101;
    static constexpr int kLimitId = 200;
    static constexpr int kPollMs = 500;

    using TimerFactory = std::function<std::unique_ptr<ScrollTimer>()>;

    // Wraps the control; the frame becomes a child of the control's parent and is owned by
    // it. Tests hand in their own timers for the bars. No wrapper without a control or with a
    // bitmap too small for its nine cells.
    static CSkinScrollWnd* Attach(QAbstractScrollArea* control, const QImage& bitmap,
                                  TimerFactory timers = {});
    // Gives the control back to the parent it had, at the same place on screen, with its own
    // bars and border, and deletes the frame (later, so a caller inside an event is safe).
    void Detach();

    QAbstractScrollArea* Control() const { return control_; }
    CSkinScrollBar* VerticalBar() const { return vbar_; }
    CSkinScrollBar* HorizontalBar() const { return hbar_; }
    QWidget* Limit() const { return limit_; }
    int Unit() const { return unit_; }

    // Copies the control's scroll state into the bars that are shown and not being dragged.
    void SyncFromControl();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void resizeEvent(QResizeEvent* e) override;
    void paintEvent(QPaintEvent* e) override;

private:
    CSkinScrollWnd(QAbstractScrollArea* control, const QImage& bitmap, const TimerFactory& timers);
    void Relayout();
    void OnScrolled(CSkinScrollBar* bar, int code, int position);
    void SyncBar(CSkinScrollBar* bar, QScrollBar* own);
    QRect Inner() const;

    QPointer<QAbstractScrollArea> control_;
    // Each wrapper keeps its own record of where the control came from, so detaching one of
    // several wrapped controls never sends another back to the wrong parent.
    QPointer<QWidget> previousParent_;
    QImage bitmap_;
    int unit_ = 0;
    int border_ = 0;
    int previousFrameShape_ = 0;
    Qt::ScrollBarPolicy previousVPolicy_ = Qt::ScrollBarAsNeeded;
    Qt::ScrollBarPolicy previousHPolicy_ = Qt::ScrollBarAsNeeded;
    bool hasV_ = false;
    bool hasH_ = false;
    bool leftBar_ = false;
    bool updating_ = false;
    QWidget* limit_ = nullptr;
    CSkinScrollBar* hbar_ = nullptr;
    CSkinScrollBar* vbar_ = nullptr;
    QPointer<QTimer> poll_;
};
