#include <QPainter>
#include <QTest>

#include "SkinTestSupport.h"
#include "skin/SkinImage.h"
#include "skin/SkinText.h"
#include "support/TempDir.h"

class SkinDrawingTest : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { UseTestFont(); }

    void loadsEveryScreenFormatByContent_data() {
        QTest::addColumn<QString>("format");
        QTest::addColumn<QString>("name");
        QTest::newRow("bmp") << "BMP"
                             << "a.bmp";
        QTest::newRow("jpg") << "JPG"
                             << "a.jpg";
        QTest::newRow("ico") << "ICO"
                             << "a.ico";
        QTest::newRow("png") << "PNG"
                             << "a.png";
        // The name does not decide: a PNG stored as .bmp still loads.
        QTest::newRow("png_named_bmp") << "PNG"
                                       << "b.bmp";
    }
    void loadsEveryScreenFormatByContent() {
        QFETCH(QString, format);
        QFETCH(QString, name);
        TempDir dir;
        const auto file = dir.Path() / name.toStdString();
        const QByteArray fmt = format.toLatin1();
        SaveImage(SolidImage(24, 16, QColor(200, 0, 0)), file, fmt.constData());
        QImage target = SolidImage(2, 2, Qt::blue);
        QCOMPARE(LoadSkinImage(file, target), QSize(24, 16));
        QCOMPARE(target.size(), QSize(24, 16));
        QVERIFY(qRed(target.pixel(12, 8)) > 150);
    }

    void loadsGif() {
        // Qt reads GIF but cannot write it: a 1 x 1 picture whose one pixel is red.
        static const unsigned char gif[] = {
            'G', 'I',  'F', '8', '9', 'a', 1, 0, 1, 0, 0x80, 0, 0, 0xFF, 0,    0, 0,   0,
            0,   0x2C, 0,   0,   0,   0,   1, 0, 1, 0, 0,    2, 2, 0x44, 0x01, 0, 0x3B};
        TempDir dir;
        WriteAll(dir.Path() / "a.gif", gif, sizeof gif);
        QImage target;
        QCOMPARE(LoadSkinImage(dir.Path() / "a.gif", target), QSize(1, 1));
        QCOMPARE(QColor(target.pixel(0, 0)), QColor(255, 0, 0));
    }

    void missingOrBrokenPictureGivesNothing() {
        TempDir dir;
        WriteText(dir.Path() / "junk.bmp", "not a picture");
        QImage target = SolidImage(2, 2, Qt::blue);
        QCOMPARE(LoadSkinImage(dir.Path() / "junk.bmp", target), QSize(0, 0));
        QVERIFY(target.isNull());
        QCOMPARE(LoadSkinImage(dir.Path() / "absent.bmp", target), QSize(0, 0));
        QVERIFY(!LoadImagePlus(dir.Path() / "absent.png"));
        QVERIFY(!LoadBitmapPlus(dir.Path() / "junk.bmp"));
    }

    void pngKeepsItsAlpha() {
        TempDir dir;
        QImage image(4, 3, QImage::Format_ARGB32);
        image.fill(qRgba(0, 0, 255, 64));
        SaveImage(image, dir.Path() / "m.png", "PNG");
        const auto plus = LoadImagePlus(dir.Path() / "m.png");
        QVERIFY(plus);
        QCOMPARE(plus->width, 4);
        QCOMPARE(plus->height, 3);
        QCOMPARE(qAlpha(plus->image.pixel(1, 1)), 64);
    }

    void cutCopiesTheRectangleOneToOne() {
        QImage screen = SolidImage(40, 30, Qt::black);
        screen.setPixelColor(10, 5, Qt::red);
        screen.setPixelColor(29, 14, Qt::green);
        QImage target;
        CutSkinImage(target, screen, {10, 5, 30, 15});
        QCOMPARE(target.size(), QSize(20, 10));
        QCOMPARE(target.pixelColor(0, 0), QColor(Qt::red));
        QCOMPARE(target.pixelColor(19, 9), QColor(Qt::green));
        // A missing screen leaves the target as it was.
        CutSkinImage(target, QImage(), {0, 0, 5, 5});
        QCOMPARE(target.size(), QSize(20, 10));
    }

    void maskRegionMatchesThePixels() {
        QImage mask = SolidImage(3, 2, Qt::black);
        mask.setPixelColor(1, 0, Qt::white);
        mask.setPixelColor(1, 1, Qt::white);
        const auto region = RegionFromMask(mask);
        QVERIFY(region);
        QVERIFY((*region ^ (QRegion(0, 0, 1, 2) + QRegion(2, 0, 1, 2))).isEmpty());
        QVERIFY(!RegionFromMask(QImage()));
        QVERIFY(RegionFromMask(SolidImage(4, 4, Qt::white))->isEmpty());
    }

    void keyColourShapesTheWindow() {
        QWidget window;
        window.resize(4, 2);
        QImage picture = SolidImage(4, 2, Qt::magenta);
        picture.setPixelColor(1, 0, Qt::black);
        picture.setPixelColor(2, 1, Qt::black);
        RegionFromKeyColour(window, picture);
        QVERIFY((window.mask() ^ (QRegion(1, 0, 1, 1) + QRegion(2, 1, 1, 1))).isEmpty());
    }

    void tintRecoloursVisiblePixels() {
        QImage image(2, 1, QImage::Format_ARGB32);
        image.setPixel(0, 0, qRgba(10, 20, 30, 200));
        image.setPixel(1, 0, qRgba(10, 20, 30, 0));
        QImage full = image;
        TintImage(full, 0x0000FF /* red */, 255);
        QCOMPARE(full.pixel(0, 0), qRgba(255, 0, 0, 200));
        QCOMPARE(qAlpha(full.pixel(1, 0)), 0);
        QImage none = image;
        TintImage(none, 0x0000FF, 0);
        QCOMPARE(qAlpha(none.pixel(0, 0)), 0);
    }

    void shrinkKeepsAFittingHeightAndStopsAt17() {
        QImage canvas(400, 60, QImage::Format_ARGB32_Premultiplied);
        QPainter p(&canvas);
        TextStyle s;
        s.text = u"Fits";
        s.format = dt::kSingleLine | dt::kVCenter | dt::kCenter;
        s.shrinkToFit = true;
        s.rect = {0, 0, 400, 60};
        QCOMPARE(DrawSkinText(s, p, 24), 24);
        s.text = u"A text far too long for a rectangle this narrow";
        s.rect = {0, 0, 30, 60};
        QCOMPARE(DrawSkinText(s, p, 18), 17);
        QCOMPARE(DrawSkinText(s, p, 26), 17);
        // A text that fits only smaller ends at the first height that fits.
        s.text = u"Shrink me";
        const int full = QFontMetrics(SkinFont(30)).horizontalAdvance(QStringLiteral("Shrink me"));
        s.rect = {0, 0, full, 60};  // equal width does not fit
        const int h = DrawSkinText(s, p, 30);
        QVERIFY(h < 30 && h >= 18);
        QVERIFY(QFontMetrics(SkinFont(h)).horizontalAdvance(QStringLiteral("Shrink me")) < full);
    }

    void ellipsisAndVerticalCentring() {
        TextStyle s;
        s.text = u"A caption much wider than its place";
        s.format = dt::kSingleLine | dt::kVCenter | dt::kCenter | dt::kEndEllipsis;
        s.rect = {0, 0, 60, 20};
        const PreparedText elided = PrepareSkinText(s, 15);
        QVERIFY(elided.shown.endsWith(QChar(0x2026)));
        QCOMPARE(elided.height, 15);

        TextStyle m;
        m.format = dt::kCenter | dt::kWordBreak;
        m.centreVertically = true;
        m.rect = {20, 60, 480, 330};
        m.text = u"Short";
        QVERIFY(PrepareSkinText(m, 15).rect.top() > 60);
        m.text = std::u16string(990, u'w');
        for (std::size_t i = 5; i < m.text.size(); i += 6) {
            m.text[i] = u' ';
        }
        QCOMPARE(PrepareSkinText(m, 15).rect.top(), 60);
    }

    void fontHeightIsTheCellHeight() {
        const QFontMetrics fm(SkinFont(15));
        QVERIFY(qAbs(fm.ascent() + fm.descent() - 15) <= 1);
        QCOMPARE(SkinFont(15).family(), PrivateFontFamily());
    }

    void plusShrinksToTheFloorAndDrawsWithTheColour() {
        QImage canvas(200, 40, QImage::Format_ARGB32_Premultiplied);
        canvas.fill(Qt::black);
        QPainter p(&canvas);
        TextStylePlus s;
        s.text = u"HHHH";
        s.argb = 0xFF00FF00;
        s.alignment = 1;
        s.lineAlignment = 1;
        s.width = 200;
        s.height = 40;
        s.shrinkToFit = true;
        QCOMPARE(DrawSkinTextPlus(s, p, 0, 20.0f), 20.0f);
        p.end();
        bool green = false;
        for (int x = 0; x < 200 && !green; ++x) {
            green = qGreen(canvas.pixel(x, 20)) > 200 && qRed(canvas.pixel(x, 20)) < 50;
        }
        QVERIFY(green);
        QPainter q(&canvas);
        s.text = u"Never fits in here at all";
        s.width = 6;
        QCOMPARE(DrawSkinTextPlus(s, q, 0, 12.0f), 7.0f);
    }

    void measureRaisesOnlyForWiderTexts() {
        int max = 37;
        MeasureTextWidth(QString(), max);
        QCOMPARE(max, 37);
        MeasureTextWidth(QStringLiteral("i"), max);
        QCOMPARE(max, 37);
        MeasureTextWidth(QStringLiteral("A much wider menu entry"), max);
        QVERIFY(max > 37);
        const int wide = max;
        MeasureTextWidth(QStringLiteral("short"), max);
        QCOMPARE(max, wide);
    }

    void privateFontLoadsFromTheProgramFolder() {
        TempDir dir;
        QVERIFY(!LoadPrivateFont(dir.Path()));
        std::filesystem::create_directories(dir.Path() / "Font");
        WriteText(dir.Path() / "Font" / "arial.ttf", "not a font");
        QVERIFY(!LoadPrivateFont(dir.Path()));
        std::filesystem::copy_file(CORVANE_TEST_FONT, dir.Path() / "Font" / "arial.ttf",
                                   std::filesystem::copy_options::overwrite_existing);
        const auto handle = LoadPrivateFont(dir.Path());
        QVERIFY(handle);
        QCOMPARE(PrivateFontFamily(), QStringLiteral("Liberation Sans"));
    }
};

QTEST_MAIN(SkinDrawingTest)
#include "SkinDrawingTest.moc"
