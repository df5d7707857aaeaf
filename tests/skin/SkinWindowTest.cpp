#include <QMouseEvent>
#include <QPainter>
#include <QTest>

#include "SkinTestSupport.h"
#include "skin/CBitmapBtn.h"
#include "skin/CBmpEdit.h"
#include "skin/SkinWindow.h"
#include "support/TempDir.h"

class SkinWindowTest : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { UseTestFont(); }

    void buildsSizeShapeAndControlsFromTheSkin() {
        TempDir dir;
        WriteSkin(dir.Path(), "skin_test.ini", 120, 80,
                  "1=ok, 10, 20, 40, 16, Press me\r\n2=edit,60,20,50,18,\r\n");
        QWidget window;
        SkinWindow skin(window);
        QVERIFY(skin.Load(dir.Path(), "skin_test.ini"));
        CBitmapBtn* button = skin.CreateButton(1);
        CBmpEdit* edit = skin.CreateControl<CBmpEdit>(2);
        CBitmapBtn* absent = skin.CreateButton(9);
        skin.Finish();

        QCOMPARE(window.size(), QSize(120, 80));
        QCOMPARE(button->geometry(), QRect(10, 20, 40, 16));
        QCOMPARE(edit->geometry(), QRect(60, 20, 50, 18));
        // An absent entry gives a control without size.
        QVERIFY(absent->geometry().isEmpty());
        QCOMPARE(skin.Entry(1).text, std::u16string(u"Press me"));
        // The corners that are white in the mask are cut away.
        QVERIFY(!window.mask().contains(QPoint(0, 0)));
        QVERIFY(!window.mask().contains(QPoint(119, 79)));
        QVERIFY(window.mask().contains(QPoint(60, 40)));
        // The screens are let go once the controls have their pictures.
        QVERIFY(skin.Screen(1).isNull());
        QVERIFY(!skin.Background().isNull());
    }

    void paintsTheBackgroundAndTheWindowsTexts() {
        TempDir dir;
        WriteSkin(dir.Path(), "skin_test.ini", 60, 40, "");
        QWidget window;
        SkinWindow skin(window);
        skin.Load(dir.Path(), "skin_test.ini");
        skin.Finish();
        skin.SetTextPainter([](QPainter& p) { p.fillRect(0, 0, 5, 5, Qt::yellow); });
        const QImage shot = window.grab().toImage();
        QCOMPARE(shot.pixelColor(2, 2), QColor(Qt::yellow));
        QCOMPARE(shot.pixelColor(30, 20), QColor(10, 10, 10));
    }

    void missingPicturesStillOpenAWindow() {
        TempDir dir;
        WriteText(dir.Path() / "skin_bare.ini",
                  "[SCREEN]\nMask=none.bmp\nNormal=none.bmp\n[BUTTONPOS]\n1=b,5,5,30,20,Tip\n");
        QWidget window;
        SkinWindow skin(window);
        QVERIFY(!skin.Load(dir.Path(), "skin_bare.ini", QSize(200, 100)));
        CBitmapBtn* button = skin.CreateButton(1);
        skin.Finish();
        QCOMPARE(window.size(), QSize(200, 100));
        QVERIFY(window.mask().isEmpty());  // keeps its rectangle
        QCOMPARE(button->geometry(), QRect(5, 5, 30, 20));
        const QImage shot = window.grab().toImage();
        QCOMPARE(shot.pixelColor(150, 80), QColor(18, 20, 24));
    }

    void otherScreenGivesTheSizeWithoutNormal() {
        TempDir dir;
        WriteSkin(dir.Path(), "skin_test.ini", 70, 30, "");
        std::filesystem::remove(dir.Path() / "win" / "normal.bmp");
        QWidget window;
        SkinWindow skin(window);
        QVERIFY(skin.Load(dir.Path(), "skin_test.ini"));
        QCOMPARE(window.size(), QSize(70, 30));
    }

    void allWhiteMaskKeepsTheRectangle() {
        TempDir dir;
        WriteSkin(dir.Path(), "skin_test.ini", 40, 30, "");
        SaveImage(SolidImage(40, 30, Qt::white), dir.Path() / "win" / "mask.bmp", "BMP");
        QWidget window;
        SkinWindow skin(window);
        skin.Load(dir.Path(), "skin_test.ini");
        skin.Finish();
        QVERIFY(window.mask().isEmpty());
    }

    void backgroundPressDragsTheTopLevelWindow() {
        TempDir dir;
        WriteSkin(dir.Path(), "skin_test.ini", 100, 60, "");
        QWidget window;
        SkinWindow skin(window);
        skin.Load(dir.Path(), "skin_test.ini");
        skin.Finish();
        window.move(50, 50);
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        const QPoint start = window.pos();
        QTest::mousePress(&window, Qt::LeftButton, {}, QPoint(50, 30));
        QMouseEvent move(QEvent::MouseMove, QPointF(70, 45), window.mapToGlobal(QPointF(70, 45)),
                         Qt::NoButton, Qt::LeftButton, {});
        QApplication::sendEvent(&window, &move);
        QTest::mouseRelease(&window, Qt::LeftButton, {}, QPoint(70, 45));
        QCOMPARE(window.pos(), start + QPoint(20, 15));
    }
};

QTEST_MAIN(SkinWindowTest)
#include "SkinWindowTest.moc"
