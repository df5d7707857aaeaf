#include <QGuiApplication>
#include <QtTest>

#include "pages/sensitivity/PointerSettings.h"
#include "platform/PointerControl.h"

#include <X11/Xlib.h>

class PointerControlX11Test : public QObject {
    Q_OBJECT
private slots:
    void serverHoldsWhatWasSet_data() {
        QTest::addColumn<int>("speed");
        QTest::addColumn<int>("accel");
        QTest::addColumn<double>("factor");
        QTest::addColumn<int>("threshold");
        QTest::newRow("default") << 10 << 0 << 1.0 << 0;
        QTest::newRow("one threshold") << 10 << 5 << 2.0 << 2;
        QTest::newRow("fast, level 2") << 20 << 10 << 14.0 << 4;
        QTest::newRow("slow") << 2 << 0 << 0.0625 << 0;
    }
    void serverHoldsWhatWasSet() {
        QFETCH(int, speed);
        QFETCH(int, accel);
        QFETCH(double, factor);
        QFETCH(int, threshold);
        auto* x11 = qGuiApp->nativeInterface<QNativeInterface::QX11Application>();
        QVERIFY2(x11 != nullptr, "needs the xcb platform on an X server");
        platform::ApplyPointerSettings({speed, AccelerationRow(accel)});
        int num = 0, den = 0, thr = -1;
        XGetPointerControl(x11->display(), &num, &den, &thr);
        QVERIFY(den > 0);
        // The server may reduce the fraction; the multiplier and threshold must hold.
        QCOMPARE(double(num) / den, factor);
        QCOMPARE(thr, threshold);
    }
};

QTEST_MAIN(PointerControlX11Test)
#include "PointerControlX11Test.moc"
