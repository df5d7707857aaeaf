// The capture's holder rules, run without a display: the system-wide grab is then never
// had, and what is tested is who holds the capture and where this program's keys go.
#include <QLoggingCategory>
#include <QShortcut>
#include <QtTest>
#include <memory>

#include "KeyProbe.h"
#include "platform/linux/X11KeyboardCapture.h"

namespace {

void SendKey(QWidget* to, QEvent::Type type, int key, quint32 keycode, quint32 keysym,
             bool autoRepeat = false) {
    QKeyEvent e(type, key, Qt::NoModifier, keycode, keysym, 0, QString(), autoRepeat);
    QCoreApplication::sendEvent(to, &e);
}

}  // namespace

class KeyboardCaptureTest : public QObject {
    Q_OBJECT
private slots:
    void oneHolderAtATime();
    void releasedWhenTheHolderGoes_data();
    void releasedWhenTheHolderGoes();
    void keysGoToTheHolderAsMessages();
    void shortcutsDoNotFireWhileCaptured();
    void writesTheTraceLines();
};

void KeyboardCaptureTest::oneHolderAtATime() {
    X11KeyboardCapture capture(TestTranslate);
    KeyProbe a, b;
    a.show();
    b.show();
    int lostA = 0, lostB = 0;
    capture.Install(&a, [&] { ++lostA; });
    QCOMPARE(capture.Holder(), &a);
    capture.Install(&b, [&] { ++lostB; });
    QCOMPARE(capture.Holder(), &b);
    QCoreApplication::processEvents();
    QCOMPARE(lostA, 1);
    QCOMPARE(lostB, 0);

    capture.Remove(&a);  // a no longer holds it: b keeps it
    QCOMPARE(capture.Holder(), &b);
    capture.Remove(&b);
    QCOMPARE(capture.Holder(), nullptr);
    QCoreApplication::processEvents();
    QCOMPARE(lostB, 0);  // its own Remove is no loss
}

void KeyboardCaptureTest::releasedWhenTheHolderGoes_data() {
    QTest::addColumn<QString>("how");
    QTest::addColumn<int>("lostNotices");
    QTest::newRow("hidden") << "hide" << 1;
    QTest::newRow("closed") << "close" << 1;
    QTest::newRow("closed before it was shown") << "closeUnshown" << 1;
    QTest::newRow("child hidden with its window") << "hideParent" << 1;
    QTest::newRow("destroyed") << "destroy" << 0;
}

void KeyboardCaptureTest::releasedWhenTheHolderGoes() {
    QFETCH(QString, how);
    QFETCH(int, lostNotices);
    X11KeyboardCapture capture(TestTranslate);
    auto window = std::make_unique<KeyProbe>();
    auto* child = new KeyProbe;
    child->setParent(window.get());
    KeyProbe other;
    other.show();
    QWidget* target = how == "hideParent" ? child : window.get();
    if (how != "closeUnshown") {
        window->show();
    }
    int lost = 0;
    capture.Install(target, [&] { ++lost; });
    QCOMPARE(capture.Holder(), target);

    if (how == "hide") {
        window->hide();
    } else if (how == "close" || how == "closeUnshown") {
        window->close();
    } else if (how == "hideParent") {
        window->hide();
    } else {
        window.reset();
    }
    QCoreApplication::processEvents();
    QTRY_COMPARE(capture.Holder(), nullptr);
    QTRY_COMPARE(lost, lostNotices);
    // Keys reach other windows again.
    SendKey(&other, QEvent::KeyPress, Qt::Key_A, 38, 0x61);
    QCOMPARE(other.keys.size(), size_t(1));
}

void KeyboardCaptureTest::keysGoToTheHolderAsMessages() {
    X11KeyboardCapture capture(TestTranslate);
    KeyProbe holder, other;
    holder.show();
    other.show();
    capture.Install(&holder);

    SendKey(&other, QEvent::KeyPress, Qt::Key_A, 38, 0x61);
    SendKey(&other, QEvent::KeyRelease, Qt::Key_A, 38, 0x61, true);  // auto-repeat pair
    SendKey(&other, QEvent::KeyPress, Qt::Key_A, 38, 0x61, true);
    SendKey(&other, QEvent::KeyRelease, Qt::Key_A, 38, 0x61);
    SendKey(&holder, QEvent::KeyPress, Qt::Key_Up, 111, 0xff52);
    SendKey(&holder, QEvent::KeyRelease, Qt::Key_Up, 111, 0xff52);
    QCoreApplication::processEvents();

    QVERIFY(other.keys.empty());
    QVERIFY(holder.keys.empty());
    const std::vector<KeyProbe::Message> expected{
        {0x41, 0x00}, {0x41, 0x00}, {0x41, 0x80}, {0x26, 0x01}, {0x26, 0x81}};
    QCOMPARE(holder.messages, expected);

    capture.Remove(&holder);
    SendKey(&other, QEvent::KeyPress, Qt::Key_B, 56, 0x62);
    QCoreApplication::processEvents();
    QCOMPARE(other.keys, std::vector<int>{Qt::Key_B});
    QCOMPARE(holder.messages.size(), expected.size());
}

void KeyboardCaptureTest::shortcutsDoNotFireWhileCaptured() {
    X11KeyboardCapture capture(TestTranslate);
    KeyProbe holder, other;
    int fired = 0;
    QShortcut shortcut(QKeySequence(Qt::Key_F5), &other);
    connect(&shortcut, &QShortcut::activated, [&] { ++fired; });
    holder.show();
    other.show();
    other.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&other));
    QTest::keyClick(&other, Qt::Key_F5);
    QCOMPARE(fired, 1);

    capture.Install(&holder);
    QTest::keyClick(&other, Qt::Key_F5);
    QCoreApplication::processEvents();
    QCOMPARE(fired, 1);
    QCOMPARE(holder.messages.size(), size_t(2));  // its press and release
}

void KeyboardCaptureTest::writesTheTraceLines() {
    QLoggingCategory::setFilterRules(QStringLiteral("corvane.capture.debug=true"));
    X11KeyboardCapture capture(TestTranslate);
    KeyProbe holder;
    holder.show();
    // Without a display there is no grab window: the handle is 0.
    QTest::ignoreMessage(QtDebugMsg, "Hhook: 0");
    QVERIFY(!capture.Install(&holder));
    QVERIFY(!capture.SystemWide());
    QTest::ignoreMessage(QtDebugMsg, "vkcode=26,scancode=67");
    SendKey(&holder, QEvent::KeyPress, Qt::Key_Up, 111, 0xff52);
    QTest::ignoreMessage(QtDebugMsg, "Hhook: 0");
    QTest::ignoreMessage(QtDebugMsg, "UnHhook: Success ");
    capture.Remove(&holder);
    QLoggingCategory::setFilterRules(QString());
}

QTEST_MAIN(KeyboardCaptureTest)
#include "KeyboardCaptureTest.moc"
