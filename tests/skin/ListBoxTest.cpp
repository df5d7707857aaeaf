#include <QLineEdit>
#include <QTest>

#include "ListsTestSupport.h"
#include "SkinTestSupport.h"
#include "common/Messages.h"
#include "skin/CListBoxEx.h"

namespace {
std::uint32_t Row(int code, int kind) {
    return std::uint32_t(code) << 8 | std::uint32_t(kind);
}
const QColor kPartner(0, 40, 70);
}  // namespace

// An event list as the macro page fills it: press A, delay, release A, press B, release B.
struct EventList {
    MessageLog owner;
    CListBoxEx* list = nullptr;

    EventList() {
        owner.resize(240, 200);
        list = new CListBoxEx(&owner);
        list->setFrameShape(QFrame::NoFrame);
        list->setGeometry(0, 0, 200, 200);
        list->SetHighlightColour(0x8E5101);
        list->SetBackColour(0);
        list->SetTextColour(0xFFFFFF);
        list->SetControlId(4097);
        list->AddRow("A", Row(4, 0x12));
        list->AddRow("50", Row(0xFF, 0x04));
        list->AddRow("A", Row(4, 0x23));
        list->AddRow("B", Row(5, 0x12));
        list->AddRow("B", Row(5, 0x23));
    }
    // The colour at the left edge of a row, where only the row's fill shows.
    QColor RowFill(int row) const {
        const QImage shot = list->viewport()->grab().toImage();
        const QRect r = list->visualRect(list->model()->index(row, 0));
        return shot.pixelColor(r.left() + 1, r.center().y());
    }
    void ShowActive() {
        owner.show();
        QApplication::setActiveWindow(&owner);
        QVERIFY(QTest::qWaitForWindowActive(&owner));
    }
};

class ListBoxTest : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { UseTestFont(); }

    void selectingAPressHighlightsItsRelease() {
        EventList e;
        e.list->setCurrentRow(0);
        QCOMPARE(e.list->PartnerOfSelection(), 2);
        QCOMPARE(e.RowFill(2), kPartner);
        QCOMPARE(e.RowFill(4), QColor(Qt::black));
        // Another row: the release goes back to black, and the new pair lights up.
        e.list->setCurrentRow(4);
        QCOMPARE(e.RowFill(2), QColor(Qt::black));
        QCOMPARE(e.RowFill(3), kPartner);
        e.list->setCurrentRow(1);
        QCOMPARE(e.list->PartnerOfSelection(), -1);
        QCOMPARE(e.RowFill(3), QColor(Qt::black));
    }

    void ownerClosingTheEditorCommitsOrRemovesTheRow() {
        EventList e;
        e.list->setCurrentRow(1);
        e.list->OpenEditor();
        QVERIFY(e.list->Editor() != nullptr);
        QCOMPARE(e.list->Editor()->text(), QStringLiteral("50"));
        QCOMPARE(e.list->Editor()->selectedText(), QStringLiteral("50"));
        e.list->Editor()->setText(QStringLiteral("75"));
        e.list->CloseEditor();
        QCOMPARE(e.list->RowText(1), QStringLiteral("75"));
        QCOMPARE(e.list->RowValue(1), Row(0xFF, 0x04));  // the row keeps its value
        QCOMPARE(e.list->Editor(), nullptr);
        QCoreApplication::processEvents();
        QCOMPARE(e.owner.Only(msg::kListEditCommitted2),
                 (std::vector<MessageLog::Entry>{{msg::kListEditCommitted2, 1, 0}}));

        // An empty text removes the row, and there is nothing to report.
        e.owner.messages.clear();
        e.list->setCurrentRow(1);
        e.list->OpenEditor();
        e.list->Editor()->clear();
        e.list->CloseEditor();
        QCOMPARE(e.list->count(), 4);
        QCOMPARE(e.list->RowText(1), QStringLiteral("A"));
        QCoreApplication::processEvents();
        QVERIFY(e.owner.messages.empty());
        // Closing again finds no editor and leaves the rows alone.
        e.list->CloseEditor();
        QCOMPARE(e.list->count(), 4);
    }

    void focusReturningToTheListCommitsButKeepsAnEmptiedRow() {
        EventList e;
        e.ShowActive();
        e.list->setCurrentRow(1);
        e.list->OpenEditor();
        QTRY_VERIFY(e.list->Editor()->hasFocus());
        e.list->Editor()->clear();
        e.list->setFocus();
        QTRY_COMPARE(e.list->Editor(), nullptr);
        QCOMPARE(e.list->count(), 5);
        QCOMPARE(e.list->RowText(1), QStringLiteral("50"));
        QCoreApplication::processEvents();
        QVERIFY(e.owner.messages.empty());

        // With a text the row takes it and the notice carries the list's id.
        e.list->setCurrentRow(1);
        e.list->OpenEditor();
        QTRY_VERIFY(e.list->Editor()->hasFocus());
        QTest::keyClicks(e.list->Editor(), QStringLiteral("x12"));  // digits only
        QTest::keyClick(e.list->Editor(), Qt::Key_Return);          // back to the list
        QTRY_COMPARE(e.list->Editor(), nullptr);
        QCOMPARE(e.list->RowText(1), QStringLiteral("12"));
        QCoreApplication::processEvents();
        QCOMPARE(e.owner.Only(msg::kListEditCommitted2),
                 (std::vector<MessageLog::Entry>{{msg::kListEditCommitted2, 1, 4097}}));
    }

    void anyTextEditorTakesLettersAndOpensOnlyOnce() {
        EventList e;
        e.ShowActive();
        e.list->setCurrentRow(0);
        e.list->SetAnyText(true);
        e.list->OpenEditor();
        QLineEdit* first = e.list->Editor();
        e.list->OpenEditor();
        QCOMPARE(e.list->Editor(), first);
        QTRY_VERIFY(first->hasFocus());
        QTest::keyClicks(first, QStringLiteral("Shift"));
        QCOMPARE(first->text(), QStringLiteral("Shift"));
        // The editor sits right of the icon.
        QCOMPARE(first->x(), 5 + 16);
        e.list->CloseEditor();
        QVERIFY(!e.list->AnyText());
    }

    void rightClickTellsTheNotifyWindow() {
        EventList e;
        const QPoint at = e.list->visualRect(e.list->model()->index(3, 0)).center();
        SendMouse(e.list->viewport(), QEvent::MouseButtonPress, at, Qt::RightButton,
                  Qt::RightButton);
        QCoreApplication::processEvents();
        QCOMPARE(e.owner.Only(msg::kListRightClick),
                 (std::vector<MessageLog::Entry>{{msg::kListRightClick, 0, 4097}}));
        QCOMPARE(e.list->currentRow(), -1);  // a right click selects nothing
    }

    void hoverMarksTheRowAndWheelScrollsOneRowPerNotch() {
        EventList e;
        for (int i = 0; i < 20; ++i) {
            e.list->AddRow(QString::number(i), 0);
        }
        e.ShowActive();
        QTRY_VERIFY(e.list->verticalScrollBar()->maximum() > 0);
        const QRect r = e.list->visualRect(e.list->model()->index(1, 0));
        SendMouse(e.list->viewport(), QEvent::MouseMove, r.center(), Qt::NoButton, Qt::NoButton);
        QCOMPARE(e.list->HoverRow(), 1);
        const QImage shot = e.list->viewport()->grab().toImage();
        const int right = e.list->viewport()->width();
        QCOMPARE(shot.pixelColor(right - 8, r.center().y()), QColor(1, 81, 142));
        QCOMPARE(shot.pixelColor(right - 30, r.center().y()), QColor(Qt::black));

        QWheelEvent down(QPointF(r.center()), e.list->viewport()->mapToGlobal(QPointF(r.center())),
                         QPoint(), QPoint(0, -240), Qt::NoButton, Qt::NoModifier, Qt::NoScrollPhase,
                         false);
        QApplication::sendEvent(e.list->viewport(), &down);
        QCOMPARE(e.list->verticalScrollBar()->value(), 2);
        // The pointer stayed put: the mark is on the row now under it.
        QCOMPARE(e.list->HoverRow(), e.list->indexAt(r.center()).row());
        QCOMPARE(e.list->HoverRow(), 3);
    }

    void noHoverMarkBeforeThePointerComes() {
        EventList e;
        e.ShowActive();
        QCOMPARE(e.list->HoverRow(), -1);
        const QRect r = e.list->visualRect(e.list->model()->index(0, 0));
        const QImage shot = e.list->viewport()->grab().toImage();
        QVERIFY(shot.pixelColor(e.list->viewport()->width() - 8, r.center().y()) !=
                QColor(1, 81, 142));
    }

    void touchpadDeltasScrollOnceANotchIsFull() {
        EventList e;
        for (int i = 0; i < 20; ++i) {
            e.list->AddRow(QString::number(i), 0);
        }
        e.ShowActive();
        QTRY_VERIFY(e.list->verticalScrollBar()->maximum() > 0);
        const QPointF at = e.list->viewport()->rect().center();
        auto swipe = [&](int delta) {
            QWheelEvent ev(at, e.list->viewport()->mapToGlobal(at), QPoint(), QPoint(0, delta),
                           Qt::NoButton, Qt::NoModifier, Qt::ScrollUpdate, false);
            QApplication::sendEvent(e.list->viewport(), &ev);
        };
        for (int i = 0; i < 7; ++i) {
            swipe(-15);
        }
        QCOMPARE(e.list->verticalScrollBar()->value(), 0);
        swipe(-15);
        QCOMPARE(e.list->verticalScrollBar()->value(), 1);
    }
};

QTEST_MAIN(ListBoxTest)
#include "ListBoxTest.moc"
