// The real program from a staged program folder whose variant 1 is the virtual mouse,
// under its own X server, clicked with xdotool and driven with corvane-vmouse.
#include <QDir>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QProcess>
#include <QTemporaryDir>
#include <QtTest>
#include <array>
#include <memory>

#include "E2eSupport.h"
#include "data/ProfileDefaults.h"
#include "device/ButtonReport.h"
#include "device/SettingsReports.h"
#include "skin/SkinEntry.h"
#include "skin/SkinIni.h"

namespace {

using e2e::DemoFolder;
using e2e::LogLine;
using e2e::Run;

}  // namespace

class DeviceLinkTest : public QObject {
    Q_OBJECT
private slots:
    void init();
    void cleanup();
    void applyReachesTheMouseAndTheWindowFollowsIt();

private:
    bool WaitForTrace(const QByteArray& line, int count = 1, int ms = 30000);
    int Count(const QByteArray& line) const { return int(trace_.count(line)); }
    QByteArray Vmouse(const QString& command);
    bool WindowVisible();
    void Click(int key);

    QTemporaryDir home_, vmouse_;
    QProcessEnvironment env_;
    QProcess corvane_;
    QByteArray trace_;
};

void DeviceLinkTest::init() {
    QVERIFY2(QFileInfo::exists(DemoFolder() + QStringLiteral("/corvane")),
             "the staged program folder is missing");
    env_ = e2e::ProgramEnvironment(home_.path(), vmouse_.path() + QStringLiteral("/vm"));
    corvane_.setProcessEnvironment(env_);
    // The installed program starts through its link in bin/.
    corvane_.start(
        qEnvironmentVariable("CORVANE_PROGRAM", DemoFolder() + QStringLiteral("/corvane")));
    QVERIFY2(WaitForTrace("main window initialised"), trace_.constData());
}

void DeviceLinkTest::cleanup() {
    if (corvane_.state() != QProcess::NotRunning) {
        corvane_.terminate();
        corvane_.waitForFinished(5000);
    }
}

bool DeviceLinkTest::WaitForTrace(const QByteArray& line, int count, int ms) {
    return e2e::WaitForTrace(corvane_, trace_, line, count, ms);
}

QByteArray DeviceLinkTest::Vmouse(const QString& command) {
    return Run(DemoFolder() + QStringLiteral("/corvane-vmouse"), command.split(QLatin1Char(' ')),
               env_);
}

bool DeviceLinkTest::WindowVisible() {
    const QByteArray found = Run(QStringLiteral("xdotool"),
                                 {QStringLiteral("search"), QStringLiteral("--onlyvisible"),
                                  QStringLiteral("--name"), QStringLiteral("^Corvane$")},
                                 env_);
    return !found.trimmed().isEmpty();
}

// A click where the skin puts the control, as a user would.
void DeviceLinkTest::Click(int key) {
    const SkinEntry e = ParseSkinEntry(ReadSkinString(
        (DemoFolder() + QStringLiteral("/skins/skin_Config.ini")).toStdString(), u"BUTTONPOS",
        std::u16string(u"") + char16_t(u'0' + key / 10) + char16_t(u'0' + key % 10)));
    QVERIFY2(e.Width() > 0, "the control has no place in the skin");
    const QByteArray window = Run(QStringLiteral("xdotool"),
                                  {QStringLiteral("search"), QStringLiteral("--onlyvisible"),
                                   QStringLiteral("--name"), QStringLiteral("^Corvane$")},
                                  env_)
                                  .trimmed();
    QVERIFY(!window.isEmpty());
    // Onto the control from outside it, so it sees the pointer enter as well.
    Run(QStringLiteral("xdotool"),
        {QStringLiteral("mousemove"), QStringLiteral("--window"), QString::fromLatin1(window),
         QStringLiteral("1"), QStringLiteral("1"), QStringLiteral("mousemove"),
         QStringLiteral("--window"), QString::fromLatin1(window),
         QString::number((e.left + e.right) / 2), QString::number((e.top + e.bottom) / 2),
         QStringLiteral("click"), QStringLiteral("1")},
        env_);
}

void DeviceLinkTest::applyReachesTheMouseAndTheWindowFollowsIt() {
    // Plugged at start: the window shows, with its tray icon.
    QVERIFY(WaitForTrace("tray icon added"));
    QTRY_VERIFY_WITH_TIMEOUT(WindowVisible(), 10000);

    // The first apply after opening sends everything, in order, byte for byte.
    Click(18);
    QVERIFY2(WaitForTrace("apply finished"), trace_.constData());
    auto p = std::make_unique<tagPROFILE>();
    FillProfileDefaults(*p, 0, u"Profile ");
    std::array<std::uint8_t, kSensitivityReportLength> sens{};
    std::array<std::uint8_t, kLightingReportLength> light{};
    std::array<std::uint8_t, kReportRateReportLength> rate{};
    std::array<std::uint8_t, kButtonReportLength> buttons{};
    BuildSensitivityReport(*p, sens);
    BuildLightingReport(*p, light);
    BuildReportRateReport(*p, rate);
    BuildButtonReport(*p, buttons);
    const QList<QByteArray> expected = {LogLine(sens), LogLine(light), LogLine(rate),
                                        LogLine(buttons)};
    QList<QByteArray> log = Vmouse(QStringLiteral("log")).trimmed().split('\n');
    QVERIFY2(log == expected, Vmouse(QStringLiteral("log")).constData());
    // The window counted the four reports as they went out, before the apply ended.
    qsizetype at = 0;
    for (int sent = 0; sent <= 4; ++sent) {
        at = trace_.indexOf(QStringLiteral("apply progress %1 / 4").arg(sent).toLatin1(), at);
        QVERIFY2(at >= 0, trace_.constData());
    }
    QVERIFY(at < trace_.indexOf("apply finished"));

    // A level chosen on the mouse is stored and saved, but not applied: the next apply
    // sends the sensitivity report again.
    const QString state = home_.path() + QStringLiteral("/Corvane/Config/Config.data");
    const QDateTime before = QFileInfo(state).lastModified();
    Vmouse(QStringLiteral("level 3"));
    QTRY_VERIFY(QFileInfo(state).lastModified() != before);
    QFile f(state);
    QVERIFY(f.open(QIODevice::ReadOnly));
    const QByteArray block = f.readAll();
    std::int32_t level = 0;
    std::memcpy(&level, block.constData() + 272 + 2612, 4);  // slot 0's currentLevel
    QCOMPARE(level, 2);
    Click(18);
    QVERIFY2(WaitForTrace("apply finished", 2), trace_.constData());
    log = Vmouse(QStringLiteral("log")).trimmed().split('\n');
    QCOMPARE(log.size(), 5);
    QVERIFY(log.last().startsWith("v1 04 22"));

    // Unplugged: the window and the icon go.
    Vmouse(QStringLiteral("unplug"));
    QVERIFY(WaitForTrace("window hidden"));
    QVERIFY(WaitForTrace("tray icon removed"));
    QTRY_VERIFY_WITH_TIMEOUT(!WindowVisible(), 5000);

    // Two arrivals in a row: the second is ignored.
    Vmouse(QStringLiteral("plug"));
    Vmouse(QStringLiteral("plug"));
    QVERIFY(WaitForTrace("connection message 1326 1", 2));
    QVERIFY(WaitForTrace("tray icon added", 2));
    // A fixed wait on purpose: it proves that nothing happens, past the settling second a
    // second arrival would have started.
    QTest::qWait(1500);
    trace_ += corvane_.readAllStandardError();
    QCOMPARE(Count("tray icon added"), 2);
}

QTEST_GUILESS_MAIN(DeviceLinkTest)
#include "DeviceLinkTest.moc"
