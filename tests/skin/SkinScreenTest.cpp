// Screens read in place must give exactly what the image reader gives, cut or whole.
#include <QDir>
#include <QImageReader>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <QtTest>

#include "skin/SkinImage.h"
#include "skin/SkinPrefetch.h"
#include "skin/QtRect.h"

namespace {

QImage Noise(int width, int height) {
    QImage image(width, height, QImage::Format_RGB32);
    QRandomGenerator random(width * 1000 + height);
    for (int y = 0; y < height; ++y) {
        auto* line = reinterpret_cast<quint32*>(image.scanLine(y));
        for (int x = 0; x < width; ++x) {
            line[x] = 0xFF000000u | (random.generate() & 0xFFFFFFu);
        }
    }
    return image;
}

QImage Reader(const QString& file) {
    QImageReader reader(file);
    reader.setDecideFormatFromContent(true);
    return reader.read();
}

}  // namespace

class SkinScreenTest : public QObject {
    Q_OBJECT
private slots:
    void cutsAndWholeMatchTheReader_data() {
        QTest::addColumn<QSize>("size");
        QTest::addColumn<QString>("format");
        // Odd widths pad their rows; the PNG takes the reader's path.
        for (const QSize s : {QSize(1, 1), QSize(3, 2), QSize(7, 5), QSize(97, 61)}) {
            QTest::addRow("bmp %dx%d", s.width(), s.height()) << s << QStringLiteral("BMP");
        }
        QTest::addRow("png") << QSize(33, 17) << QStringLiteral("PNG");
    }
    void cutsAndWholeMatchTheReader() {
        QFETCH(QSize, size);
        QFETCH(QString, format);
        QTemporaryDir dir;
        // Named .bmp either way: content decides.
        const QString file = dir.filePath(QStringLiteral("screen.bmp"));
        QVERIFY(Noise(size.width(), size.height()).save(file, format.toLatin1()));
        const QImage reference = Reader(file);
        QVERIFY(!reference.isNull());

        QImage loaded;
        QCOMPARE(LoadSkinImage(file.toStdString(), loaded), size);
        QCOMPARE(loaded, reference);
        QCOMPARE(loaded.format(), reference.format());

        SkinScreen screen;
        screen.Load(file.toStdString(), 1.0);
        QVERIFY(!screen.IsNull());
        QCOMPARE(screen.LogicalSize(), size);
        const QRect rects[] = {QRect(0, 0, 1, 1), QRect(QPoint(0, 0), size),
                               QRect(size.width() / 2, size.height() / 2, 5, 4),
                               QRect(-2, -1, size.width() + 4, 3), QRect(0, 0, 0, 3)};
        for (const QRect& r : rects) {
            QImage expected;
            CutSkinImage(expected, reference, ToSkinRect(r));
            const QImage cut = screen.Cut(r);
            QVERIFY2(cut == expected, qPrintable(QStringLiteral("cut %1,%2 %3x%4")
                                                     .arg(r.x()).arg(r.y())
                                                     .arg(r.width()).arg(r.height())));
        }
        QCOMPARE(screen.Whole(), reference);
    }

    void missingAndDamagedFilesAreNull() {
        QTemporaryDir dir;
        SkinScreen screen;
        screen.Load(dir.filePath(QStringLiteral("none.bmp")).toStdString(), 1.0);
        QVERIFY(screen.IsNull());
        QVERIFY(screen.Cut(QRect(0, 0, 4, 4)).isNull());
        QVERIFY(screen.Whole().isNull());

        const QString file = dir.filePath(QStringLiteral("short.bmp"));
        QVERIFY(Noise(16, 16).save(file, "BMP"));
        QFile f(file);
        QVERIFY(f.open(QIODevice::ReadWrite));
        QVERIFY(f.resize(f.size() - 100));  // the last rows are gone
        f.close();
        // Not read in place: the reader decides (it may keep the rows that are there).
        QImage loaded;
        LoadSkinImage(file.toStdString(), loaded);
        QCOMPARE(loaded.size(), Reader(file).size());
        screen.Load(file.toStdString(), 1.0);
        QCOMPARE(screen.LogicalSize(), Reader(file).size());
    }

    // A prefetched screen is the one the file holds, handed out once; what was not
    // prefetched, or is gone, comes from the file.
    void prefetchedScreensAreTheFilesOwn() {
        QTemporaryDir dir;
        QVERIFY(Noise(40, 30).save(dir.filePath(QStringLiteral("a.bmp")), "BMP"));
        QVERIFY(Noise(20, 10).save(dir.filePath(QStringLiteral("b.bmp")), "BMP"));
        QFile ini(dir.filePath(QStringLiteral("skin_a.ini")));
        QVERIFY(ini.open(QIODevice::WriteOnly));
        ini.write("[SCREEN]\r\nNormal=a.bmp\r\n");
        ini.close();
        const std::filesystem::path folder = (dir.path() + QStringLiteral("/")).toStdString();
        const std::filesystem::path a = folder / "a.bmp";
        QImage fromDisk;
        LoadSkinImageFromDisk(a, fromDisk);
        {
            SkinPrefetch prefetch(folder, {"skin_a.ini", "skin_missing.ini"});
            const std::optional<QImage> taken = TakePrefetchedSkinImage(a);
            QVERIFY(taken.has_value());
            QCOMPARE(*taken, fromDisk);
            QVERIFY2(!TakePrefetchedSkinImage(a), "handed out once");
            QVERIFY(!TakePrefetchedSkinImage(folder / "b.bmp"));
            QImage again;
            QCOMPARE(LoadSkinImage(a, again), QSize(40, 30));
            QCOMPARE(again, fromDisk);
        }
        {
            // Nobody takes it: the prefetch ends with the program, and the shelf is empty.
            SkinPrefetch prefetch(folder, {"skin_a.ini"});
        }
        QVERIFY(!TakePrefetchedSkinImage(a));
    }

    // Every bitmap the skin ships, through the reader and read in place.
    void theShippedSkinReadsAlike() {
        const QDir skin(QStringLiteral(CORVANE_SKIN_DIR));
        const QStringList files = skin.entryList({QStringLiteral("*.bmp")}, QDir::Files);
        QVERIFY(!files.isEmpty());
        for (const QString& name : files) {
            const QString file = skin.filePath(name);
            QImage loaded;
            LoadSkinImage(file.toStdString(), loaded);
            QVERIFY2(loaded == Reader(file), qPrintable(name));
        }
    }
};

QTEST_MAIN(SkinScreenTest)
#include "SkinScreenTest.moc"
