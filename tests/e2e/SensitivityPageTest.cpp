// The sensitivity page of the real program, clicked and dragged with xdotool under its own X
// server, with the virtual mouse as variant 1: edits reach the mouse byte for byte, and a
// level or rate chosen on the mouse shows on the page and is saved.
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QTemporaryDir>
#include <QtTest>
#include <array>
#include <cstring>
#include <memory>

#include "E2eSupport.h"
#include "data/ProfileRecord.h"
#include "device/SettingsReports.h"
#include "skin/MenuLook.h"
#include "skin/SkinEntry.h"
#include "skin/SkinIni.h"
#include "skin/SliderScale.h"

namespace {

using e2e::DemoFolder;
using e2e::LogLine;

constexpr int kSensitivityTab = 4;  // main window keys
constexpr int kApply = 18;
constexpr int kPageArea = 10;
constexpr int kLevel3 = 12;  // page keys
constexpr int kSliderX = 15;
constexpr int kReportRate = 18;
constexpr int kSlot0 = 272;  // offset of the first slot's profile in Config.data

SkinEntry Entry(const char* layout, int key) {
    return ParseSkinEntry(ReadSkinString((DemoFolder() + "/skins/" + layout).toStdString(),
                                         u"BUTTONPOS", QString::number(key).toStdU16String()));
}

QPoint Centre(const SkinEntry& e) {
    return QPoint((e.left + e.right) / 2, (e.top + e.bottom) / 2);
}

// The width of a BMP picture, from its header.
int BmpWidth(const QString& file) {
    QFile f(file);
    if (!f.open(QIODevice::ReadOnly)) {
        return 0;
    }
    const QByteArray head = f.read(26);
    std::int32_t w = 0;
    if (head.size() == 26) {
        std::memcpy(&w, head.constData() + 18, 4);
    }
    return w;
}

}  // namespace

class SensitivityPageTest : public QObject {
    Q_OBJECT
private slots:
    void init();
    void cleanup();
    void editsReachTheMouseAndTheMouseReachesThePage();

private:
    bool WaitForTrace(const QByteArray& line, int ms = 30000);
    QByteArray Run(const QString& program, const QStringList& args);
    QByteArray Vmouse(const QString& command) {
        return Run(DemoFolder() + "/corvane-vmouse", command.split(' '));
    }
    QByteArray Window();
    // Pointer actions in the main window's coordinates.
    void Xdo(const QStringList& actions);
    void ClickAt(QPoint p);
    QPoint OnPage(QPoint p) const { return p + pageOrigin_; }
    // The program's mapped windows: the main window, and a menu while one is open.
    int VisibleWindows() {
        const QByteArray ids = Run("xdotool", {"search", "--onlyvisible", "--pid",
                                               QString::number(corvane_.processId())})
                                   .trimmed();
        return ids.isEmpty() ? 0 : int(ids.count('\n')) + 1;
    }
    std::unique_ptr<tagPROFILE> SavedProfile();

    QTemporaryDir home_, vmouse_;
    QProcessEnvironment env_;
    QProcess corvane_;
    QByteArray trace_;
    QPoint pageOrigin_;
};

void SensitivityPageTest::init() {
    QVERIFY2(QFileInfo::exists(DemoFolder() + "/corvane"), "the staged program folder is missing");
    env_ = e2e::ProgramEnvironment(home_.path(), vmouse_.path() + "/vm");
    corvane_.setProcessEnvironment(env_);
    corvane_.start(DemoFolder() + "/corvane");
    QVERIFY2(WaitForTrace("main window initialised"), trace_.constData());
    const SkinEntry area = Entry("skin_Config.ini", kPageArea);
    pageOrigin_ = QPoint(area.left, area.top);
}

void SensitivityPageTest::cleanup() {
    if (corvane_.state() != QProcess::NotRunning) {
        corvane_.terminate();
        corvane_.waitForFinished(5000);
    }
}

bool SensitivityPageTest::WaitForTrace(const QByteArray& line, int ms) {
    QElapsedTimer t;
    t.start();
    while (!trace_.contains(line) && t.elapsed() < ms) {
        corvane_.waitForReadyRead(50);
        trace_ += corvane_.readAllStandardError();
    }
    return trace_.contains(line);
}

QByteArray SensitivityPageTest::Run(const QString& program, const QStringList& args) {
    QProcess p;
    p.setProcessEnvironment(env_);
    p.start(program, args);
    p.waitForFinished(10000);
    return p.readAllStandardOutput();
}

QByteArray SensitivityPageTest::Window() {
    return Run("xdotool", {"search", "--onlyvisible", "--name", "^Corvane$"}).trimmed();
}

void SensitivityPageTest::Xdo(const QStringList& actions) {
    const QByteArray w = Window();
    QVERIFY(!w.isEmpty());
    QStringList args;
    for (const QString& a : actions) {
        // Every move is relative to the main window.
        if (a == "MOVE") {
            args << "mousemove"
                 << "--window" << QString::fromLatin1(w);
        } else {
            args << a;
        }
    }
    Run("xdotool", args);
}

// Onto the control from outside it, so it sees the pointer enter as well.
void SensitivityPageTest::ClickAt(QPoint p) {
    Xdo({"MOVE", "1", "1", "MOVE", QString::number(p.x()), QString::number(p.y()), "click", "1"});
}

std::unique_ptr<tagPROFILE> SensitivityPageTest::SavedProfile() {
    auto p = std::make_unique<tagPROFILE>();
    QFile f(home_.path() + "/Corvane/Config/Config.data");
    if (f.open(QIODevice::ReadOnly)) {
        const QByteArray block = f.readAll();
        if (block.size() >= kSlot0 + qsizetype(sizeof(tagPROFILE))) {
            std::memcpy(p.get(), block.constData() + kSlot0, sizeof(tagPROFILE));
        }
    }
    return p;
}

void SensitivityPageTest::editsReachTheMouseAndTheMouseReachesThePage() {
    QVERIFY(WaitForTrace("tray icon added"));
    QTRY_VERIFY_WITH_TIMEOUT(!Window().isEmpty(), 10000);
    ClickAt(Centre(Entry("skin_Config.ini", kSensitivityTab)));
    ClickAt(OnPage(Centre(Entry("skin_sensitivity.ini", kLevel3))));

    // Drag the X thumb of level 3 (stored 40) to the right by 100 pixels.
    const SkinEntry track = Entry("skin_sensitivity.ini", kSliderX);
    SliderScale scale;
    scale.right = track.Width();
    scale.thumbWidth = BmpWidth(DemoFolder() + "/skins/slider_arrow_down.bmp");
    scale.minimum = 1;
    scale.maximum = 320;
    QVERIFY(scale.thumbWidth > 0);
    const int from = scale.PositionOf(40);
    const QPoint grab =
        OnPage(QPoint(track.left + from + scale.thumbWidth / 2, (track.top + track.bottom) / 2));
    QStringList drag = {
        "MOVE",      "1", "1", "MOVE", QString::number(grab.x()), QString::number(grab.y()),
        "mousedown", "1"};
    for (int step = 10; step <= 100; step += 10) {
        drag << "MOVE" << QString::number(grab.x() + step) << QString::number(grab.y());
    }
    drag << "mouseup"
         << "1";
    Xdo(drag);
    const std::int32_t dragged =
        SettleValue(scale.ValueAtPrecise(scale.DragTo(from, 100)), true, 1);

    // The fourth entry of the rate menu, which opens under the button's left edge.
    const SkinEntry rate = Entry("skin_sensitivity.ini", kReportRate);
    const int windows = VisibleWindows();
    ClickAt(OnPage(Centre(rate)));
    QTRY_VERIFY_WITH_TIMEOUT(VisibleWindows() > windows, 5000);
    const int item = ItemHeight(18);
    ClickAt(
        OnPage(QPoint(rate.left + 20, rate.bottom + menu_look::kFrameWidth + 3 * item + item / 2)));
    QTRY_VERIFY_WITH_TIMEOUT(VisibleWindows() == windows, 5000);

    ClickAt(Centre(Entry("skin_Config.ini", kApply)));
    QVERIFY2(WaitForTrace("apply finished"), trace_.constData());

    // What was saved is what the page edited: level 3 active, both values dragged (X and Y
    // are linked), the fourth rate.
    std::unique_ptr<tagPROFILE> p = SavedProfile();
    QCOMPARE(p->currentLevel, 2);
    QCOMPARE(p->levelX[2], dragged);
    QCOMPARE(p->levelY[2], dragged);
    QCOMPARE(p->reportRate, 3);

    std::array<std::uint8_t, kSensitivityReportLength> sens{};
    std::array<std::uint8_t, kReportRateReportLength> rateReport{};
    BuildSensitivityReport(*p, sens);
    BuildReportRateReport(*p, rateReport);
    const QList<QByteArray> log = Vmouse("log").trimmed().split('\n');
    QVERIFY2(log.contains(LogLine(sens)), Vmouse("log").constData());
    QVERIFY2(log.contains(LogLine(rateReport)), Vmouse("log").constData());

    // Chosen on the mouse: shown on the page at once and saved.
    Vmouse("level 5");
    QVERIFY2(WaitForTrace("sensitivity level shown 5"), trace_.constData());
    QTRY_COMPARE_WITH_TIMEOUT(SavedProfile()->currentLevel, 4, 10000);
    Vmouse("rate 2");
    QVERIFY2(WaitForTrace("report rate shown \"250 Hz\""), trace_.constData());
    QTRY_COMPARE_WITH_TIMEOUT(SavedProfile()->reportRate, 1, 10000);

    const QString shot = qEnvironmentVariable("CORVANE_SCREENSHOT_DIR");
    if (!shot.isEmpty()) {
        QDir().mkpath(shot);
        QTest::qWait(200);
        Run("import", {"-window", "root", shot + "/sensitivity_device_changes.png"});
    }
}

QTEST_GUILESS_MAIN(SensitivityPageTest)
#include "SensitivityPageTest.moc"
