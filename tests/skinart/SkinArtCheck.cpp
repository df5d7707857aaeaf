// Reads the built skin folder as the windows read it and holds it against the layout table:
// every key a window reads has a real rectangle inside the window, the five screens agree in
// size, every picture exists and loads, and the places that other windows depend on fit.
#include <QDir>
#include <QDirIterator>
#include <QImage>
#include <QPainter>
#include <QTest>

#include "SkinLayout.h"
#include "skin/SkinEntry.h"
#include "skin/SkinIni.h"

namespace {

QString SkinDir() {
    return qEnvironmentVariable("CORVANE_SKIN_DIR");
}

std::filesystem::path LayoutPath(const art::Window& w) {
    return (SkinDir() + "/" + QString::fromStdString(w.LayoutFile())).toStdString();
}

// Looked up in a different case than the file is written in: readers ignore case.
SkinEntry Read(const SkinIni& ini, int key) {
    return ParseSkinEntry(ini.Value(u"buttonpos", QString::number(key).toStdU16String()));
}

QImage Load(const QString& relative) {
    return QImage(SkinDir() + "/" + relative);
}

QString ScreenFile(const SkinIni& ini, const char* key) {
    return QString::fromStdU16String(ini.Value(u"Screen", QString(key).toLower().toStdU16String()));
}

QImage Screen(const SkinIni& ini, const char* key) {
    const QString file = ScreenFile(ini, key);
    return file.isEmpty() ? QImage() : Load(file);
}

// "name.ext" has its 2x twin in "name@2x.png".
QString TwinOf(const QString& file) {
    return file.left(file.lastIndexOf('.')) + "@2x.png";
}

art::Rect ToArt(const SkinEntry& e) {
    return {e.left, e.top, e.Width(), e.Height()};
}

// The picture as it shows over black, the ground the key-colour pictures are blended onto. A
// 1x picture whose twin has alpha where it has none uses a key colour (its top-left pixel)
// for what is seen through.
QImage OverBlack(const QImage& picture, bool keyed) {
    QImage img = picture.convertToFormat(QImage::Format_ARGB32);
    // Pixels against pixels: the reader marks "@2x" files with ratio 2.
    img.setDevicePixelRatio(1);
    if (keyed) {
        const QRgb key = img.pixel(0, 0);
        for (int y = 0; y < img.height(); ++y) {
            for (int x = 0; x < img.width(); ++x) {
                if (img.pixel(x, y) == key) {
                    img.setPixel(x, y, 0);
                }
            }
        }
    }
    QImage out(img.size(), QImage::Format_RGB32);
    out.fill(Qt::black);
    QPainter(&out).drawImage(0, 0, img);
    return out;
}

// Mean difference of the colour channels, 0..255.
double MeanDifference(const QImage& a, const QImage& b) {
    double sum = 0;
    for (int y = 0; y < a.height(); ++y) {
        for (int x = 0; x < a.width(); ++x) {
            const QRgb p = a.pixel(x, y), q = b.pixel(x, y);
            sum += std::abs(qRed(p) - qRed(q)) + std::abs(qGreen(p) - qGreen(q)) +
                   std::abs(qBlue(p) - qBlue(q));
        }
    }
    return sum / (3.0 * a.width() * a.height());
}

}  // namespace

class SkinArtCheck : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { QVERIFY2(!SkinDir().isEmpty(), "CORVANE_SKIN_DIR is not set"); }

    void windows_data() {
        QTest::addColumn<QString>("layout");
        for (const art::Window& w : art::Windows()) {
            QTest::newRow(w.layout.c_str()) << QString::fromStdString(w.layout);
        }
    }

    // Keys, rectangles and screens as the window's loader sees them.
    void windows() {
        QFETCH(QString, layout);
        const art::Window& w = art::WindowNamed(layout.toStdString());
        SkinIni ini;
        QVERIFY2(ini.Load(LayoutPath(w)), "layout file missing");

        QImage screens[5];
        for (int s = 0; s < 5; ++s) {
            screens[s] = Screen(ini, art::kScreenKeys[s]);
            QVERIFY2(!screens[s].isNull(), art::kScreenKeys[s]);
            QCOMPARE(screens[s].size(), QSize(w.width, w.height));
        }
        // Screens of ratio 2 take the twins; a twin of another size would shift every control.
        for (int s = 1; s < 5; ++s) {
            const QImage twin = Load(TwinOf(ScreenFile(ini, art::kScreenKeys[s])));
            QVERIFY2(!twin.isNull(), art::kScreenKeys[s]);
            QCOMPARE(twin.size(), QSize(2 * w.width, 2 * w.height));
        }
        // The window keeps its shape only if the mask has both kinds of pixel.
        const QImage mask = screens[0].convertToFormat(QImage::Format_RGB32);
        bool white = false, opaque = false;
        for (int y = 0; y < mask.height(); y += 3) {
            for (int x = 0; x < mask.width(); x += 3) {
                ((mask.pixel(x, y) & 0xFFFFFF) == 0xFFFFFF ? white : opaque) = true;
            }
        }
        QVERIFY2(opaque, "the mask keeps nothing of the window");
        if (w.chrome != art::Chrome::Page) {
            QVERIFY2(white, "rounded or cut-out windows need a transparent part");
        }

        const art::Rect window{0, 0, w.width, w.height};
        for (const art::Control& c : w.controls) {
            const SkinEntry e = Read(ini, c.key);
            const art::Rect r = ToArt(e);
            const QByteArray what = QByteArray::number(c.key) + " " + c.name.c_str();
            QVERIFY2(!r.Empty(), what + ": no rectangle");
            QVERIFY2(window.Contains(r), what + ": outside the window");
            QCOMPARE(QString::fromStdU16String(e.text), QString::fromStdString(c.tooltip));
            if (w.chrome == art::Chrome::Overlay && c.kind != art::Kind::Area) {
                QVERIFY2(w.opaque.Contains(r), what + ": in the cut-away part of the window");
            }
            // A text the window paints would be hidden under a control.
            for (const art::PaintedText& t : w.texts) {
                QVERIFY2(c.kind == art::Kind::Area || !t.rect.Intersects(r),
                         what + " covers text " + QByteArray::number(t.string));
            }
            if (c.kind == art::Kind::Slider) {
                const QImage thumb = Load(QString::fromStdString(c.picture));
                QVERIFY2(!thumb.isNull(), what + ": thumb picture missing");
                QVERIFY2(thumb.height() <= r.h && thumb.width() < r.w, what + ": thumb too big");
                const QImage twin = Load(TwinOf(QString::fromStdString(c.picture)));
                QCOMPARE(twin.size(), thumb.size() * 2);
                QVERIFY2(twin.hasAlphaChannel(), what + ": thumb twin without alpha");
            }
        }
        // Controls side by side must not overlap, or one hides the other's picture; only an
        // editor may stand exactly in the place of the control it replaces.
        for (std::size_t i = 0; i < w.controls.size(); ++i) {
            for (std::size_t j = i + 1; j < w.controls.size(); ++j) {
                const art::Control& a = w.controls[i];
                const art::Control& b = w.controls[j];
                if (a.kind == art::Kind::Area || b.kind == art::Kind::Area) {
                    continue;
                }
                const bool stands_in = b.kind == art::Kind::Edit && a.rect.x == b.rect.x &&
                                       a.rect.y == b.rect.y && a.rect.w == b.rect.w &&
                                       a.rect.h == b.rect.h;
                QVERIFY2(stands_in || !a.rect.Intersects(b.rect),
                         QByteArray::number(a.key) + " overlaps " + QByteArray::number(b.key));
            }
        }
        for (const art::PaintedText& t : w.texts) {
            QVERIFY2(window.Contains(t.rect), "painted text outside the window");
        }
    }

    // A window that holds another gives it a place of exactly the other's size.
    void hosts_data() {
        QTest::addColumn<QString>("host");
        QTest::addColumn<int>("key");
        QTest::addColumn<QString>("guest");
        for (const char* page :
             {"skin_button", "skin_sensitivity", "skin_light", "skin_macro_manager"}) {
            QTest::newRow(page) << "skin_Config" << 10 << page;
        }
        QTest::newRow("insert host") << "skin_macro_manager" << 20 << "skin_InsertMacro";
        QTest::newRow("delay page") << "skin_InsertMacro" << 3 << "skin_InsertMacro1";
        QTest::newRow("record page") << "skin_InsertMacro" << 3 << "skin_InsertMacro2";
        QTest::newRow("preview") << "skin_light" << 29 << "Mouse.png";
    }
    void hosts() {
        QFETCH(QString, host);
        QFETCH(int, key);
        QFETCH(QString, guest);
        SkinIni ini;
        QVERIFY(ini.Load(LayoutPath(art::WindowNamed(host.toStdString()))));
        const SkinEntry place = Read(ini, key);
        QImage picture;
        if (guest.endsWith(".png")) {
            picture = Load(guest);
        } else {
            SkinIni inner;
            QVERIFY(inner.Load(LayoutPath(art::WindowNamed(guest.toStdString()))));
            picture = Screen(inner, "Normal");
        }
        QVERIFY(!picture.isNull());
        QCOMPARE(QSize(place.Width(), place.Height()), picture.size());
    }

    void fixedPictures() {
        for (const art::FixedPicture& f : art::FixedPictures()) {
            const QImage img = Load(QString::fromStdString(f.file));
            QVERIFY2(!img.isNull(), f.file.c_str());
            if (f.width > 0) {
                QVERIFY2(img.size() == QSize(f.width, f.height), f.file.c_str());
            }
            if (f.twin) {
                QVERIFY2(!Load(TwinOf(QString::fromStdString(f.file))).isNull(),
                         (f.file + ": no 2x twin").c_str());
            }
        }
    }

    // Every twin in the folder stands for one 1x picture: exactly twice its size both ways,
    // and the same picture once brought down to 1x, so that nothing moves or changes between
    // ratios.
    void twinsMatchTheirPictures() {
        QDirIterator it(SkinDir(), {"*@2x.png"}, QDir::Files, QDirIterator::Subdirectories);
        int twins = 0;
        while (it.hasNext()) {
            const QFileInfo twinFile(it.next());
            const QByteArray what = twinFile.fileName().toUtf8();
            const QString base = twinFile.fileName().chopped(int(qstrlen("@2x.png")));
            const QStringList ones = twinFile.dir().entryList({base + ".*"}, QDir::Files);
            QVERIFY2(ones.size() == 1, what + ": no single 1x picture");
            const QImage one(twinFile.dir().filePath(ones.front()));
            const QImage twin(twinFile.filePath());
            QVERIFY2(!one.isNull() && !twin.isNull(), what);
            QCOMPARE(twin.size(), one.size() * 2);
            // Brought down, the twin must be nearer its 1x picture than that picture is to
            // itself moved by one pixel: a yardstick that suits busy and empty pictures alike.
            const bool keyed = twin.hasAlphaChannel() && !one.hasAlphaChannel();
            const QImage single = OverBlack(one, keyed);
            const QImage down = OverBlack(
                twin.scaled(one.size(), Qt::IgnoreAspectRatio, Qt::SmoothTransformation), false);
            const QRect all = single.rect();
            const double moved =
                std::min(MeanDifference(single, single.copy(all.translated(1, 0))),
                         MeanDifference(single, single.copy(all.translated(0, 1))));
            const double diff = MeanDifference(single, down);
            QVERIFY2(diff <= moved / 2, what + ": differs from its 1x picture by " +
                                            QByteArray::number(diff, 'f', 2) + ", a move by " +
                                            QByteArray::number(moved, 'f', 2));
            ++twins;
        }
        QVERIFY(twins > 0);
    }

    // Pictures whose transparent parts come from a key colour or an alpha channel.
    void transparency() {
        for (const char* thumb :
             {"slider_arrow_up.bmp", "slider_arrow_down.bmp", "slider_arrow_rect.bmp"}) {
            const QImage img = Load(thumb).convertToFormat(QImage::Format_RGB32);
            QCOMPARE(img.pixel(0, 0) & 0xFFFFFF, QRgb(art::kThumbKey));
            QVERIFY2(img.pixel(img.width() / 2, img.height() / 2) != img.pixel(0, 0), thumb);
        }
        for (int k = 2; k <= 5; ++k) {
            const QImage img =
                Load(QString("res/res_%1.bmp").arg(k)).convertToFormat(QImage::Format_RGB32);
            QCOMPARE(img.pixel(0, 0) & 0xFFFFFF, QRgb(0xFF0000));
        }
        for (int z = 0; z < 5; ++z) {
            // The page recolours only pixels with alpha; a zone needs lit and unlit parts.
            const QImage img = Load(QString("%1.png").arg(z + 1));
            QVERIFY(img.hasAlphaChannel());
            QCOMPARE(qAlpha(img.pixel(0, 0)), 0);
            int lit = 0;
            for (int y = 0; y < img.height(); ++y) {
                for (int x = 0; x < img.width(); ++x) {
                    lit += qAlpha(img.pixel(x, y)) > 0;
                }
            }
            QVERIFY2(lit > img.width() * img.height() / 5, "zone too small to be seen");
        }
    }

    // The lighting page paints the timing value in a box 20 above the slider's track, 15 high,
    // moving with the thumb along the track; it must not cover a painted text.
    void lightingValueBoxClearsTexts() {
        const art::Window& w = art::WindowNamed("skin_light");
        const art::Rect s = w.Find(28)->rect;
        const art::Rect strip{s.x - 6, s.y - 20, s.w + 31, 15};
        for (const art::PaintedText& t : w.texts) {
            QVERIFY2(!t.rect.Intersects(strip), QByteArray::number(t.string));
        }
    }

    // The lighting page hides labels with a patch of 17, 17, 17; the art under it must be
    // that colour wherever no slider groove runs, or the patch shows.
    void lightingPanelMatchesPatch() {
        const art::Window& w = art::WindowNamed("skin_light");
        SkinIni ini;
        QVERIFY(ini.Load(LayoutPath(w)));
        const QImage normal = Screen(ini, "Normal").convertToFormat(QImage::Format_RGB32);
        const art::Rect panel = art::kLightSliderPanel;
        int off = 0;
        for (int y = panel.y; y < panel.Bottom(); ++y) {
            for (int x = panel.x; x < panel.Right(); ++x) {
                bool underSlider = false;
                for (int key : {8, 9}) {
                    const art::Rect s = ToArt(Read(ini, key));
                    underSlider = underSlider || s.Contains({x, y, 1, 1});
                }
                if (!underSlider && (normal.pixel(x, y) & 0xFFFFFF) != art::kLightPanelColour) {
                    ++off;
                }
            }
        }
        QCOMPARE(off, 0);
    }
};

QTEST_GUILESS_MAIN(SkinArtCheck)
#include "SkinArtCheck.moc"
