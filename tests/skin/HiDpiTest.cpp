// Run at QT_SCALE_FACTOR=2: the skinned windows and controls paint at the screen's resolution,
// take the 2x twins of their pictures, and keep their layout and shapes in logical pixels.
#include <QPainter>
#include <QTest>

#include "SkinTestSupport.h"
#include "skin/CBitmapBtn.h"
#include "skin/CPHSlider.h"
#include "skin/CSkinScrollBar.h"
#include "skin/SkinImage.h"
#include "skin/SkinWindow.h"
#include "support/TempDir.h"

namespace {

// True when some aligned 2 x 2 block of device pixels holds more than one colour: the
// picture was drawn at 2x, not drawn at 1x and doubled.
bool AnyBlockMixed(const QImage& shot, const QRect& area) {
    const QImage img = shot.convertToFormat(QImage::Format_RGB32);
    for (int y = area.top() & ~1; y + 1 <= area.bottom(); y += 2) {
        for (int x = area.left() & ~1; x + 1 <= area.right(); x += 2) {
            const QRgb c = img.pixel(x, y);
            if (img.pixel(x + 1, y) != c || img.pixel(x, y + 1) != c ||
                img.pixel(x + 1, y + 1) != c) {
                return true;
            }
        }
    }
    return false;
}

// A 2x picture of w x h logical pixels whose device pixels alternate, as no 1x picture can.
QImage Checker(int w, int h, QColor a, QColor b) {
    QImage image(2 * w, 2 * h, QImage::Format_RGB32);
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            image.setPixelColor(x, y, (x + y) % 2 ? a : b);
        }
    }
    return image;
}

}  // namespace

class HiDpiTest : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() {
        UseTestFont();
        QCOMPARE(qApp->devicePixelRatio(), 2.0);
    }

    void loaderTakesTheTwinOnlyAboveOneAndWhenItFits() {
        TempDir dir;
        const auto one = dir.Path() / "pic.bmp";
        SaveImage(SolidImage(10, 6, Qt::red), one, "BMP");
        QImage target;
        // No twin yet: the 1x picture at every ratio.
        QCOMPARE(LoadSkinImage(one, target, 2.0), QSize(10, 6));
        QCOMPARE(target.devicePixelRatio(), 1.0);

        SaveImage(SolidImage(20, 12, Qt::blue), dir.Path() / "pic@2x.png", "PNG");
        QCOMPARE(LoadSkinImage(one, target, 2.0), QSize(10, 6));
        QCOMPARE(target.devicePixelRatio(), 2.0);
        QCOMPARE(target.pixelColor(0, 0), QColor(Qt::blue));
        QCOMPARE(LoadSkinImage(one, target, 1.5), QSize(10, 6));
        QCOMPARE(target.devicePixelRatio(), 2.0);
        QCOMPARE(LoadSkinImage(one, target, 1.0), QSize(10, 6));
        QCOMPARE(target.pixelColor(0, 0), QColor(Qt::red));
        // The two-argument form is the 1x one.
        LoadSkinImage(one, target);
        QCOMPARE(target.devicePixelRatio(), 1.0);

        // A twin that is not twice some size, or not a picture, is passed over.
        SaveImage(SolidImage(21, 12, Qt::blue), dir.Path() / "pic@2x.png", "PNG");
        LoadSkinImage(one, target, 2.0);
        QCOMPARE(target.pixelColor(0, 0), QColor(Qt::red));
        WriteText(dir.Path() / "pic@2x.png", "not a picture");
        QCOMPARE(LoadSkinImage(one, target, 2.0), QSize(10, 6));
        QCOMPARE(target.pixelColor(0, 0), QColor(Qt::red));
    }

    void cuttingATwinTakesItsDevicePixels() {
        QImage screen(40, 20, QImage::Format_RGB32);
        screen.fill(Qt::black);
        // Logical (5, 3)-(9, 7) is device (10, 6)-(18, 14).
        QPainter(&screen).fillRect(10, 6, 8, 8, Qt::green);
        screen.setDevicePixelRatio(2.0);
        QImage piece;
        CutSkinImage(piece, screen, {5, 3, 9, 7});
        QCOMPARE(piece.size(), QSize(8, 8));
        QCOMPARE(piece.devicePixelRatio(), 2.0);
        QCOMPARE(LogicalSize(piece), QSize(4, 4));
        QCOMPARE(piece.pixelColor(0, 0), QColor(Qt::green));
        QCOMPARE(piece.pixelColor(7, 7), QColor(Qt::green));
    }

    // Twins of the screens (and a useless twin of the mask) beside the 1x skin.
    void windowPaintsTwinsButKeepsItsLogicalSizeAndShape() {
        TempDir dir;
        WriteSkin(dir.Path(), "skin_test.ini", 120, 80, "1=ok,10,20,40,16,Tip\r\n");
        SaveImage(Checker(120, 80, QColor(10, 10, 10), QColor(40, 40, 40)),
                  dir.Path() / "win" / "normal@2x.png", "PNG");
        for (const char* s : {"over", "down", "disable"}) {
            SaveImage(SolidImage(240, 160, Qt::darkCyan),
                      dir.Path() / "win" / (std::string(s) + "@2x.png"), "PNG");
        }
        SaveImage(SolidImage(240, 160, Qt::white), dir.Path() / "win" / "mask@2x.png", "PNG");

        QWidget window;
        SkinWindow skin(window);
        QVERIFY(skin.Load(dir.Path(), "skin_test.ini"));
        CBitmapBtn* button = skin.CreateButton(1);
        skin.Finish();

        QCOMPARE(window.size(), QSize(120, 80));
        QCOMPARE(button->geometry(), QRect(10, 20, 40, 16));
        // Its picture is cut from the twin: the checker's device pixels show in it.
        const QImage face = button->grab().toImage();
        QCOMPARE(face.size(), QSize(80, 32));
        QVERIFY(AnyBlockMixed(face, face.rect()));
        // The shape comes from the 1x mask, in logical pixels.
        QVERIFY(!window.mask().contains(QPoint(0, 0)));
        QVERIFY(!window.mask().contains(QPoint(119, 79)));
        QVERIFY(window.mask().contains(QPoint(60, 40)));

        const QImage shot = window.grab().toImage();
        QCOMPARE(shot.size(), QSize(240, 160));
        QVERIFY(AnyBlockMixed(shot, QRect(100, 100, 40, 40)));
    }

    // Without any twin, texts still come out at the screen's resolution.
    void textsAreRenderedAt2x() {
        QImage picture = SolidImage(120, 30, QColor(20, 20, 20));
        CBitmapBtn button;
        button.resize(120, 30);
        button.SetSkinPictures(picture, picture, picture, picture, QRect(0, 0, 120, 30));
        button.SetCaption(u"Sharp text");
        const QImage shot = button.grab().toImage();
        QCOMPARE(shot.size(), QSize(240, 60));
        QVERIFY(AnyBlockMixed(shot, shot.rect()));

        TempDir dir;
        WriteSkin(dir.Path(), "skin_test.ini", 200, 60, "");
        QWidget window;
        SkinWindow skin(window);
        skin.Load(dir.Path(), "skin_test.ini");
        skin.Finish();
        skin.SetTextPainter([](QPainter& p) {
            TextStyle s;
            s.text = u"Heading";
            s.colour = 0xFFFFFF;
            s.format = dt::kSingleLine | dt::kVCenter | dt::kCenter;
            s.rect = {0, 0, 200, 60};
            DrawSkinText(s, p, 15);
        });
        const QImage page = window.grab().toImage();
        QVERIFY(AnyBlockMixed(page, QRect(40, 20, 320, 80)));
    }

    // The scroll bar's cells keep their logical size from a 2x picture and paint its pixels.
    void scrollBarLaysOutInLogicalPixelsAndPaintsTheTwin() {
        TempDir dir;
        SaveImage(SolidImage(9 * 12, 3 * 12, QColor(30, 60, 90)), dir.Path() / "bar.bmp", "BMP");
        SaveImage(Checker(9 * 12, 3 * 12, QColor(30, 60, 90), QColor(200, 210, 220)),
                  dir.Path() / "bar@2x.png", "PNG");
        QImage one, two;
        LoadSkinImage(dir.Path() / "bar.bmp", one, 1.0);
        LoadSkinImage(dir.Path() / "bar.bmp", two, 2.0);
        QCOMPARE(two.devicePixelRatio(), 2.0);

        CSkinScrollBar plain(Qt::Vertical), sharp(Qt::Vertical);
        plain.SetBitmap(one);
        sharp.SetBitmap(two);
        QCOMPARE(sharp.Unit(), 12);
        QCOMPARE(sharp.Unit(), plain.Unit());
        for (CSkinScrollBar* bar : {&plain, &sharp}) {
            bar->resize(12, 120);
            bar->SetScrollInfo({0, 100, 20, 30});
        }
        const QImage shotPlain = plain.grab().toImage();
        const QImage shotSharp = sharp.grab().toImage();
        QCOMPARE(shotSharp.size(), shotPlain.size());
        QVERIFY(!AnyBlockMixed(shotPlain, QRect(QPoint(0, 0), shotPlain.size())));
        QVERIFY(AnyBlockMixed(shotSharp, QRect(QPoint(0, 0), shotSharp.size())));

        // Each cell its own colour at both sizes: the twin must paint exactly the cells the
        // 1x picture paints, so the two bars look alike.
        auto cells = [](int scale) {
            QImage image(9 * 12 * scale, 3 * 12 * scale, QImage::Format_RGB32);
            for (int y = 0; y < image.height(); ++y) {
                for (int x = 0; x < image.width(); ++x) {
                    const int c = x / (12 * scale), r = y / (12 * scale);
                    image.setPixelColor(x, y, QColor(20 + 25 * c, 40 + 60 * r, 200 - 20 * c));
                }
            }
            return image;
        };
        SaveImage(cells(1), dir.Path() / "cells.bmp", "BMP");
        SaveImage(cells(2), dir.Path() / "cells@2x.png", "PNG");
        LoadSkinImage(dir.Path() / "cells.bmp", one, 1.0);
        LoadSkinImage(dir.Path() / "cells.bmp", two, 2.0);
        plain.SetBitmap(one);
        sharp.SetBitmap(two);
        QCOMPARE(sharp.grab().toImage().convertToFormat(QImage::Format_RGB32),
                 plain.grab().toImage().convertToFormat(QImage::Format_RGB32));
    }

    void thumbPaintsItsAlphaTwinInsideItsKeyColourShape() {
        TempDir dir;
        QImage one = SolidImage(9, 12, QColor(40, 120, 220));
        one.setPixelColor(0, 0, QColor(255, 0, 255));
        SaveImage(one, dir.Path() / "thumb.bmp", "BMP");
        QImage twin(18, 24, QImage::Format_ARGB32);
        twin.fill(QColor(40, 120, 220, 128));
        SaveImage(twin, dir.Path() / "thumb@2x.png", "PNG");

        QWidget track;
        track.resize(100, 24);
        CPHSlider thumb(&track);
        QVERIFY(thumb.Create(dir.Path() / "thumb.bmp", &track, 7, QRect(0, 0, 100, 24)));
        QCOMPARE(thumb.size(), QSize(9, 12));
        QVERIFY(!thumb.mask().contains(QPoint(0, 0)));
        QVERIFY(thumb.mask().contains(QPoint(4, 6)));
        // Its edges blend with the track, so the track must paint under it.
        QVERIFY(!thumb.testAttribute(Qt::WA_OpaquePaintEvent));
        QCOMPARE(thumb.Picture().devicePixelRatio(), 1.0);
    }
};

QTEST_MAIN(HiDpiTest)
#include "HiDpiTest.moc"
