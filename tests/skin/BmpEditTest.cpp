#include <QSignalSpy>
#include <QTest>

#include "SkinTestSupport.h"
#include "common/Messages.h"
#include "skin/CBmpEdit.h"
#include "skin/SkinMessages.h"

class BmpEditTest : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { UseTestFont(); }

    void filtersKeepWhatTheyAllow_data() {
        QTest::addColumn<bool>("decimal");
        QTest::addColumn<bool>("hex");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("left");
        QTest::newRow("decimal") << true << false << "12A"
                                 << "12";
        QTest::newRow("hex") << false << true << "1.5"
                             << "15";
        QTest::newRow("both") << true << true << "1.A,F2"
                              << "12";
        QTest::newRow("none") << false << false << "a.1"
                              << "a.1";
    }
    void filtersKeepWhatTheyAllow() {
        QFETCH(bool, decimal);
        QFETCH(bool, hex);
        QFETCH(QString, typed);
        QFETCH(QString, left);
        MessageLog parent;
        CBmpEdit edit(&parent);
        edit.SetDecimalFilter(decimal);
        edit.SetHexFilter(hex);
        QTest::keyClicks(&edit, typed);
        QCOMPARE(edit.text(), left);
        QCoreApplication::processEvents();
        // One notice per keystroke, the filtered ones included.
        QCOMPARE(parent.Only(msg::kBitmapEditChanged).size(), std::size_t(typed.size()));
    }

    void caretStaysBehindTheKeptCharacters() {
        QWidget parent;
        CBmpEdit edit(&parent);
        edit.SetDecimalFilter(true);
        edit.setText(QStringLiteral("12"));
        edit.setCursorPosition(1);
        QTest::keyClick(&edit, Qt::Key_X);
        QCOMPARE(edit.text(), QStringLiteral("12"));
        QCOMPARE(edit.cursorPosition(), 1);
    }

    void escapeAndEnterAreSwallowedUnlessKept() {
        QWidget parent;
        CBmpEdit edit(&parent);
        QSignalSpy returns(&edit, &QLineEdit::returnPressed);
        QKeyEvent esc(QEvent::KeyPress, Qt::Key_Escape, Qt::NoModifier);
        QApplication::sendEvent(&edit, &esc);
        QVERIFY(esc.isAccepted());
        QTest::keyClick(&edit, Qt::Key_Return);
        QCOMPARE(returns.count(), 0);
        edit.SetKeepEscAndEnter(true);
        QTest::keyClick(&edit, Qt::Key_Return);
        QCOMPARE(returns.count(), 1);
    }

    void losingTheFocusPostsItsNotice() {
        MessageLog parent;
        CBmpEdit edit(&parent);
        CBmpEdit other(&parent);
        other.move(0, 40);
        parent.show();
        QApplication::setActiveWindow(&parent);
        QVERIFY(QTest::qWaitForWindowActive(&parent));
        edit.setFocus();
        QTRY_VERIFY(edit.hasFocus());
        other.setFocus();
        QTRY_VERIFY(other.hasFocus());
        QCoreApplication::processEvents();
        using E = MessageLog::Entry;
        const std::vector<E> want = {E{msg::kEditFocusLost, 0, 0}};
        QCOMPARE(parent.Only(msg::kEditFocusLost), want);
    }

    void drawsItsColoursAndBorder_data() {
        QTest::addColumn<int>("style");
        QTest::addColumn<bool>("cornerCut");
        QTest::newRow("full frame") << 0 << false;
        QTest::newRow("cut corner") << 1 << true;
        QTest::newRow("top left text") << 2 << false;
    }
    void drawsItsColoursAndBorder() {
        QFETCH(int, style);
        QFETCH(bool, cornerCut);
        QWidget parent;
        CBmpEdit edit(&parent);
        edit.setGeometry(0, 0, 80, 24);
        edit.SetBorderStyle(style);
        const QImage shot = edit.grab().toImage();
        const QColor theme(1, 81, 142);
        // Top and left lines; the bottom and right ones lie on the edge outside the client
        // area, as the frame has always been drawn.
        QCOMPARE(shot.pixelColor(40, 0), theme);
        QCOMPARE(shot.pixelColor(0, 10), theme);
        QCOMPARE(shot.pixelColor(40, 23), QColor(0x4D, 0x4D, 0x4D));
        QCOMPARE(shot.pixelColor(40, 12), QColor(0x4D, 0x4D, 0x4D));
        // Style 1 cuts the lower left corner with a diagonal.
        QCOMPARE(shot.pixelColor(0, 23) == theme, !cornerCut);
        QCOMPARE(shot.pixelColor(1, 22) == theme, cornerCut);
    }
};

QTEST_MAIN(BmpEditTest)
#include "BmpEditTest.moc"
