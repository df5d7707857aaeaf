#include <QSignalSpy>
#include <QTest>
#include <memory>
#include <vector>

#include "ListsTestSupport.h"
#include "ManualScrollTimer.h"
#include "SkinTestSupport.h"
#include "skin/CListBoxEx.h"
#include "skin/CSkinScrollBar.h"
#include "skin/CSkinScrollWnd.h"

// A list of 30 rows of 24 pixels in a window, wrapped, its bars on hand-driven timers.
struct WrappedList {
    QWidget window;
    CListBoxEx* list = nullptr;
    CSkinScrollWnd* wrap = nullptr;
    std::vector<ManualScrollTimer*> timers;  // horizontal bar's, vertical bar's

    explicit WrappedList(int rows) {
        window.resize(300, 300);
        list = new CListBoxEx(&window);
        list->setFrameShape(QFrame::NoFrame);
        list->setGeometry(10, 10, 150 + 14, 240);
        FillList(*list, rows);
        wrap = CSkinScrollWnd::Attach(list, CellBitmap(), [this] {
            auto t = std::make_unique<ManualScrollTimer>();
            timers.push_back(t.get());
            return t;
        });
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        // The list lays its rows out later; 240 pixels show 10 of them.
        QTRY_COMPARE(list->verticalScrollBar()->maximum(), std::max(0, rows - 10));
        QTRY_COMPARE(Bar()->Info().maximum, std::max(0, rows - 10) + 10 - 1);
    }
    CSkinScrollBar* Bar() const { return wrap->VerticalBar(); }
    ManualScrollTimer& Timer() const { return *timers.at(1); }
    int Value() const { return list->verticalScrollBar()->value(); }
};

class ScrollBarTest : public QObject {
    Q_OBJECT
private slots:
    void wrapperReplacesTheControlsBars() {
        WrappedList w(30);
        QCOMPARE(w.list->parentWidget(), w.wrap->Limit());
        QCOMPARE(w.wrap->parentWidget(), &w.window);
        QCOMPARE(w.wrap->geometry(), QRect(10, 10, 164, 240));
        QVERIFY(w.Bar()->isVisible());
        QVERIFY(!w.wrap->HorizontalBar()->isVisible());
        QCOMPARE(w.Bar()->geometry(), QRect(150, 0, 14, 240));
        QCOMPARE(w.list->width(), 150);
        // 10 rows showing of 30: the classic form of the list's own bar.
        QCOMPARE(w.Bar()->Info(), (ScrollInfo{0, 29, 10, 0}));
        QVERIFY(w.Bar()->isEnabled());
        // Scrolling the list by itself shows on the skinned bar.
        w.list->verticalScrollBar()->setValue(7);
        QCOMPARE(w.Bar()->Info().position, 7);
    }

    void aListThatFitsHasADisabledBar() {
        WrappedList w(3);
        QVERIFY(w.Bar()->Info().maximum < w.Bar()->Info().page);
        QVERIFY(!w.Bar()->isEnabled());
    }

    void holdingTheDownArrowRepeatsAndStopsAtTheEnd() {
        WrappedList w(30);
        QSignalSpy codes(w.Bar(), &CSkinScrollBar::scrolled);
        const QPoint downArrow(7, 240 - 7);
        Press(w.Bar(), downArrow);
        QCOMPARE(w.Value(), 1);  // at once
        w.Timer().Advance(499);
        QCOMPARE(w.Value(), 1);
        w.Timer().Advance(1);
        QCOMPARE(w.Value(), 2);  // after 500 ms
        w.Timer().Advance(99);
        QCOMPARE(w.Value(), 2);
        w.Timer().Advance(1);
        QCOMPARE(w.Value(), 3);  // then every 100 ms
        w.Timer().Advance(100);
        QCOMPARE(w.Value(), 4);
        w.Timer().Advance(60000);
        const ScrollInfo info = w.Bar()->Info();
        QCOMPARE(info.position, info.maximum - info.page + 1);
        QCOMPARE(w.Value(), w.list->verticalScrollBar()->maximum());
        // One code per row moved: none once the end is reached.
        QCOMPARE(codes.count(), info.position);
        Release(w.Bar(), downArrow);
        QVERIFY(!w.Timer().Running(CSkinScrollBar::kRepeatTimer));
        QCOMPARE(w.Bar()->PressedPart(), sb::kNone);
    }

    void pointerLeavingTheHeldArrowPausesTheRepeat() {
        WrappedList w(30);
        Press(w.Bar(), QPoint(7, 233));
        Drag(w.Bar(), QPoint(7, 120));
        w.Timer().Advance(2000);
        QCOMPARE(w.Value(), 1);
        Drag(w.Bar(), QPoint(7, 233));
        w.Timer().Advance(100);
        QCOMPARE(w.Value(), 2);
        Release(w.Bar(), QPoint(7, 233));
    }

    void holdingTheTrackPagesUntilTheThumbReachesThePointer() {
        WrappedList w(60);
        const int pointer = 150;  // below the thumb, short of the end
        QCOMPARE(HitTestScrollBar(w.Bar()->Layout(), pointer), sb::kPageDown);
        Press(w.Bar(), QPoint(7, pointer));
        QCOMPARE(w.Value(), 10);  // one page at once
        w.Timer().Advance(60000);
        const ScrollBarLayout l = w.Bar()->Layout();
        QVERIFY(l.ThumbBegin() <= pointer && pointer < l.ThumbEnd());
        QVERIFY(w.Bar()->Info().position < w.Bar()->Info().TopPosition());
        Release(w.Bar(), QPoint(7, pointer));
    }

    void draggingTheThumbToTheEndGivesMaximumMinusPagePlusOne() {
        WrappedList w(30);
        QSignalSpy codes(w.Bar(), &CSkinScrollBar::scrolled);
        const int thumbMiddle = (w.Bar()->Layout().ThumbBegin() + w.Bar()->Layout().ThumbEnd()) / 2;
        Press(w.Bar(), QPoint(7, thumbMiddle));
        Drag(w.Bar(), QPoint(7, thumbMiddle + 1000));
        QCOMPARE(w.Bar()->DragPos(), 20);
        QCOMPARE(w.Value(), 20);  // the list follows while dragging
        Release(w.Bar(), QPoint(7, thumbMiddle + 1000));
        QCOMPARE(codes.count(), 2);
        QCOMPARE(codes.at(0).at(0).toInt(), sb::kThumbTrack);
        QCOMPARE(codes.at(1).at(0).toInt(), sb::kThumbPosition);
        QCOMPARE(codes.at(1).at(1).toInt(), 29 - 10 + 1);
        QCOMPARE(w.Bar()->DragPos(), -1);
        QCOMPARE(w.Bar()->Info().position, 20);
        QCOMPARE(w.Bar()->Layout().ThumbEnd(), 240 - 14);
    }

    void borderMovesToTheFrameAndComesBack() {
        QWidget window;
        window.resize(300, 300);
        auto* list = new CListBoxEx(&window);
        list->setFrameShape(QFrame::Box);
        list->setFrameShadow(QFrame::Plain);
        list->setLineWidth(1);
        list->setGeometry(20, 30, 100, 120);
        CSkinScrollWnd* wrap = CSkinScrollWnd::Attach(list, CellBitmap());
        QVERIFY(wrap != nullptr);
        QCOMPARE(list->frameShape(), QFrame::NoFrame);
        QCOMPARE(wrap->VerticalBar()->geometry(), QRect(100 - 1 - 14, 1, 14, 118));
        QCOMPARE(CSkinScrollWnd::Attach(list, CellBitmap()), nullptr);  // no second wrapper
        wrap->Detach();
        QCOMPARE(list->parentWidget(), &window);
        QCOMPARE(list->geometry(), QRect(20, 30, 100, 120));
        QCOMPARE(list->frameShape(), QFrame::Box);
        QCOMPARE(list->verticalScrollBarPolicy(), Qt::ScrollBarAlwaysOn);
    }

    void eachWrapperGivesItsControlBackToItsOwnParent() {
        QWidget page, popup;
        auto* events = new CListBoxEx(&page);
        auto* choices = new CListBoxEx(&popup);
        CSkinScrollWnd* a = CSkinScrollWnd::Attach(events, CellBitmap());
        CSkinScrollWnd* b = CSkinScrollWnd::Attach(choices, CellBitmap());
        QVERIFY(a && b);
        a->Detach();
        b->Detach();
        QCOMPARE(events->parentWidget(), &page);
        QCOMPARE(choices->parentWidget(), &popup);
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QCOMPARE(page.findChildren<CSkinScrollWnd*>().size(), 0);
    }

    void barPaintsItsCells() {
        CSkinScrollBar bar(Qt::Vertical);
        bar.SetBitmap(CellBitmap());
        bar.resize(14, 200);
        bar.SetScrollInfo({0, 29, 10, 0});
        const QImage shot = bar.grab().toImage();
        const QImage cells = CellBitmap();
        QCOMPARE(shot.pixelColor(7, 7), cells.pixelColor(0 * 14 + 7, 7));    // up arrow
        QCOMPARE(shot.pixelColor(7, 192), cells.pixelColor(1 * 14 + 7, 7));  // down arrow
        QCOMPARE(shot.pixelColor(7, 30), cells.pixelColor(2 * 14 + 7, 7));   // thumb
        QCOMPARE(shot.pixelColor(7, 150), cells.pixelColor(3 * 14 + 7, 7));  // track
        bar.setEnabled(false);
        QCOMPARE(bar.grab().toImage().pixelColor(7, 30), cells.pixelColor(3 * 14 + 7, 7));
    }
};

QTEST_MAIN(ScrollBarTest)
#include "ScrollBarTest.moc"
