// The lighting page on the real window: an effect, a swatch and a brightness chosen with
// the pointer and the keyboard, applied to the virtual mouse, byte for byte.
#include <QElapsedTimer>
#include <QFileInfo>
#include <QImage>
#include <QProcess>
#include <QTemporaryDir>
#include <QtTest>
#include <array>
#include <cmath>
#include <memory>

#include "E2eSupport.h"
#include "data/ProfileDefaults.h"
#include "device/SettingsReports.h"
#include "skin/SkinEntry.h"
#include "skin/SkinIni.h"

namespace {

using e2e::DemoFolder;
using e2e::Entry;
using e2e::LogLine;
using e2e::Run;

}  // namespace

class LightingPageTest : public QObject {
    Q_OBJECT
private slots:
    void init();
    void cleanup();
    void effectSwatchAndBrightnessReachTheMouse();
    void thePreviewOnTheScreenFollowsTheColour();

private:
    bool WaitForTrace(const QByteArray& line, int count = 1, int ms = 30000);
    QByteArray Vmouse(const QString& command);
    QByteArray Window();
    // A click at a fraction of a control's width, from outside it so it sees the pointer
    // arrive; page controls lie in the main window's page area.
    void Click(const SkinEntry& e, QPoint offset = {}, double across = 0.5);
    void ClickMain(int key) { Click(Entry(QStringLiteral("skin_Config.ini"), key)); }
    void ClickPage(int key, double across = 0.5) {
        Click(Entry(QStringLiteral("skin_light.ini"), key), PageOrigin(), across);
    }
    QPoint PageOrigin() {
        const SkinEntry area = Entry(QStringLiteral("skin_Config.ini"), 10);
        return {area.left, area.top};
    }
    // The effect menu: its first entry is the steady light.
    void ChooseSteadyLight() {
        ClickPage(7);
        QTest::qWait(300);  // the menu maps before it takes keys
        Run(QStringLiteral("xdotool"),
            {QStringLiteral("key"), QStringLiteral("--delay"), QStringLiteral("100"),
             QStringLiteral("Down"), QStringLiteral("Return")},
            env_);
    }
    // The screen's colour at a point of the main window.
    QRgb ScreenPixel(QPoint inWindow);
    QList<QByteArray> Log() { return Vmouse(QStringLiteral("log")).trimmed().split('\n'); }

    QTemporaryDir home_, vmouse_;
    QProcessEnvironment env_;
    QProcess corvane_;
    QByteArray trace_;
};

void LightingPageTest::init() {
    QVERIFY2(QFileInfo::exists(DemoFolder() + QStringLiteral("/corvane")),
             "the staged program folder is missing");
    env_ = e2e::ProgramEnvironment(home_.path(), vmouse_.path() + QStringLiteral("/vm"));
    corvane_.setProcessEnvironment(env_);
    corvane_.start(DemoFolder() + QStringLiteral("/corvane"));
    QVERIFY2(WaitForTrace("main window initialised"), trace_.constData());
    QTRY_VERIFY_WITH_TIMEOUT(!Window().isEmpty(), 10000);
}

void LightingPageTest::cleanup() {
    if (corvane_.state() != QProcess::NotRunning) {
        corvane_.terminate();
        corvane_.waitForFinished(5000);
    }
}

bool LightingPageTest::WaitForTrace(const QByteArray& line, int count, int ms) {
    return e2e::WaitForTrace(corvane_, trace_, line, count, ms);
}

QByteArray LightingPageTest::Vmouse(const QString& command) {
    return Run(DemoFolder() + QStringLiteral("/corvane-vmouse"), command.split(QLatin1Char(' ')),
               env_);
}

QByteArray LightingPageTest::Window() {
    return Run(QStringLiteral("xdotool"),
               {QStringLiteral("search"), QStringLiteral("--onlyvisible"), QStringLiteral("--name"),
                QStringLiteral("^Corvane$")},
               env_)
        .trimmed();
}

void LightingPageTest::Click(const SkinEntry& e, QPoint offset, double across) {
    QVERIFY2(e.Width() > 0, "the control has no place in the skin");
    const QString window = QString::fromLatin1(Window());
    QVERIFY(!window.isEmpty());
    const int x = offset.x() + e.left + static_cast<int>(e.Width() * across);
    const int y = offset.y() + (e.top + e.bottom) / 2;
    Run(QStringLiteral("xdotool"),
        {QStringLiteral("mousemove"), QStringLiteral("--window"), window, QStringLiteral("1"),
         QStringLiteral("1"), QStringLiteral("mousemove"), QStringLiteral("--window"), window,
         QString::number(x), QString::number(y), QStringLiteral("click"), QStringLiteral("1")},
        env_);
}

void LightingPageTest::effectSwatchAndBrightnessReachTheMouse() {
    ClickMain(6);  // the lighting tab
    ChooseSteadyLight();
    ClickPage(11);       // the swatches as colour source
    ClickPage(14);       // swatch 3
    ClickPage(8, 0.28);  // brightness: 1 + 7 x 0.28 = 2.96, snapped to 3
    ClickMain(18);       // Apply
    QVERIFY2(WaitForTrace("apply finished"), trace_.constData());

    auto p = std::make_unique<tagPROFILE>();
    FillProfileDefaults(*p, 0, u"Profile ");
    p->lightMode = 1;
    p->lightColor = 0xFF8000;  // 0, 128, 255
    p->lightBrightness = 3;
    std::array<std::uint8_t, kLightingReportLength> light{};
    BuildLightingReport(*p, light);
    const QByteArray expected = LogLine(light);
    const QList<QByteArray> log = Log();
    QByteArray sent;
    for (const QByteArray& line : log) {
        if (line.startsWith(expected.left(5))) {
            sent = line;
        }
    }
    QVERIFY2(sent == expected, (sent + " <> " + expected).constData());

    // The colour source is not sent: applying after changing only it sends nothing.
    ClickPage(10);
    ClickMain(18);
    QVERIFY2(WaitForTrace("apply finished", 2), trace_.constData());
    QCOMPARE(Log(), log);
}

QRgb LightingPageTest::ScreenPixel(QPoint inWindow) {
    const QByteArray shell = Run(QStringLiteral("xdotool"),
                                 {QStringLiteral("getwindowgeometry"), QStringLiteral("--shell"),
                                  QString::fromLatin1(Window())},
                                 env_);
    QPoint origin;
    for (const QByteArray& line : shell.split('\n')) {
        if (line.startsWith("X=")) {
            origin.setX(line.mid(2).toInt());
        } else if (line.startsWith("Y=")) {
            origin.setY(line.mid(2).toInt());
        }
    }
    const QPoint at = origin + inWindow;
    const QByteArray png =
        Run(QStringLiteral("import"),
            {QStringLiteral("-window"), QStringLiteral("root"), QStringLiteral("-crop"),
             QStringLiteral("1x1+%1+%2").arg(at.x()).arg(at.y()), QStringLiteral("png:-")},
            env_);
    const QImage shot = QImage::fromData(png, "PNG");
    return shot.isNull() ? 0 : shot.pixel(0, 0) | 0xFF000000u;
}

// The zones reach the screen at their place with the colour chosen, and follow a change at
// once, whichever way the program paints them.
void LightingPageTest::thePreviewOnTheScreenFollowsTheColour() {
    // The point of the first zone where the zone shows most through the mouse picture, and
    // what the screen must show there for a light colour: background, zone, then mouse.
    const QString skins = DemoFolder() + QStringLiteral("/skins/");
    const QImage zone(skins + QStringLiteral("1.png"));
    const QImage mouse(skins + QStringLiteral("Mouse.png"));
    const QImage background(skins + QStringLiteral("light_normal.bmp"));
    QVERIFY(!zone.isNull() && !mouse.isNull() && !background.isNull());
    const SkinEntry preview = Entry(QStringLiteral("skin_light.ini"), 29);
    constexpr QPoint kZone1{253, 224};  // the first zone's corner on the page
    QPoint spot;
    int best = 0;
    for (int y = 0; y < zone.height(); ++y) {
        for (int x = 0; x < zone.width(); ++x) {
            const QPoint onMouse = kZone1 + QPoint(x, y) - QPoint(preview.left, preview.top);
            const int through =
                mouse.valid(onMouse) ? qAlpha(zone.pixel(x, y)) - qAlpha(mouse.pixel(onMouse)) : 0;
            if (through > best) {
                best = through;
                spot = kZone1 + QPoint(x, y);
            }
        }
    }
    QVERIFY2(best > 64, "no point where the zone shows through the mouse");
    const QRgb under = background.pixel(spot);
    const QRgb light = zone.pixel(spot - kZone1);
    const QRgb cover = mouse.pixel(spot - QPoint(preview.left, preview.top));
    const auto seen = [&](QRgb colour) {
        const double z = qAlpha(light) / 255.0;
        const double m = qAlpha(cover) / 255.0;
        const auto channel = [&](int c, int b, int top) {
            return static_cast<int>(std::lround(top * m + (c * z + b * (1 - z)) * (1 - m)));
        };
        return std::array<int, 3>{channel(qRed(colour), qRed(under), qRed(cover)),
                                  channel(qGreen(colour), qGreen(under), qGreen(cover)),
                                  channel(qBlue(colour), qBlue(under), qBlue(cover))};
    };
    const auto near = [](QRgb shown, std::array<int, 3> expected) {
        return std::abs(qRed(shown) - expected[0]) <= 3 &&
               std::abs(qGreen(shown) - expected[1]) <= 3 &&
               std::abs(qBlue(shown) - expected[2]) <= 3;
    };

    ClickMain(6);
    QVERIFY2(WaitForTrace("lighting preview: zones at ratio 1"), trace_.constData());
    // On this X server the frames go straight to the window, unless told otherwise.
    const QByteArray way = qEnvironmentVariableIsEmpty("CORVANE_PREVIEW_VIA_BACKING_STORE")
                               ? "painted straight to the screen"
                               : "painted through the backing store";
    QVERIFY2(WaitForTrace(way), trace_.constData());
    ChooseSteadyLight();
    ClickPage(11);       // the swatches as colour source
    ClickPage(8, 0.99);  // brightness 8: the zone fully opaque
    ClickPage(14);       // swatch 3
    QTRY_VERIFY_WITH_TIMEOUT(near(ScreenPixel(PageOrigin() + spot), seen(qRgb(0, 128, 255))), 5000);
    ClickPage(13);  // swatch 2
    QTRY_VERIFY_WITH_TIMEOUT(near(ScreenPixel(PageOrigin() + spot), seen(qRgb(255, 0, 0))), 5000);
    // Another page and back: the zones are painted again on their first show.
    ClickMain(5);
    ClickMain(6);
    QTRY_VERIFY_WITH_TIMEOUT(near(ScreenPixel(PageOrigin() + spot), seen(qRgb(255, 0, 0))), 5000);
}

QTEST_GUILESS_MAIN(LightingPageTest)
#include "LightingPageTest.moc"
