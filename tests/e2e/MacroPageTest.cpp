// The macro page end to end on the real program with the virtual mouse, on a French
// keyboard: record the key in the Q position and a click, insert a delay, give the macro
// to button 6 on the button page, apply, and rename the macro away from the button.
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QtTest>
#include <array>
#include <cstring>
#include <memory>
#include <vector>

#include "E2eSupport.h"
#include "data/FixedText.h"
#include "data/MacroRecord.h"
#include "data/ProfileDefaults.h"
#include "device/ButtonReport.h"
#include "device/MacroReport.h"
#include "skin/SkinEntry.h"
#include "skin/SkinIni.h"

namespace {

using e2e::DemoFolder;
using e2e::LogLine;
using e2e::Run;
using e2e::EntryRect;

constexpr int kMacroButton = 5;  // button 6
constexpr int kQPositionKeycode = 24;

MacroEvent Press(std::uint8_t c) {
    return {c, 1, 0};
}
MacroEvent Release(std::uint8_t c) {
    return {c, 2, 0};
}
MacroEvent Delay(std::uint16_t ms) {
    return {kMacroDelayCode, 0, ms};
}

// The first macro of macro.data as (name, events).
std::pair<QString, std::vector<MacroEvent>> StoredMacro(const QString& file) {
    QFile f(file);
    if (!f.open(QIODevice::ReadOnly) || f.size() < qint64(sizeof(tagElement))) {
        return {};
    }
    tagElement r{};
    std::memcpy(&r, f.read(sizeof r).constData(), sizeof r);
    const int n = std::clamp(r.eventCount, 0, kMacroEventCapacity);
    return {QString::fromStdU16String(ReadFixedText(r.name)), {r.events, r.events + n}};
}

bool Same(const std::vector<MacroEvent>& a, const std::vector<MacroEvent>& b) {
    return a.size() == b.size() && std::memcmp(a.data(), b.data(), a.size() * 4) == 0;
}

}  // namespace

class MacroPageTest : public QObject {
    Q_OBJECT
private slots:
    void init();
    void cleanup();
    void recordedMacroReachesTheMouseAndARenameTakesItAway();

private:
    bool WaitForTrace(const QRegularExpression& line, int count = 1, int ms = 30000);
    bool WaitForTrace(const QString& text, int count = 1) {
        return WaitForTrace(QRegularExpression(QRegularExpression::escape(text)), count);
    }
    QByteArray Vmouse(const QString& command);
    QByteArray Window(const QString& title = QStringLiteral("Corvane"));
    QPoint Origin(const QByteArray& window);
    void ClickAt(QPoint p);
    // A control of the main window, or of the macro page and its dialogs (which lie on
    // the page area).
    void Click(const QString& layout, int key);
    QPoint PageOrigin() { return EntryRect(QStringLiteral("skin_Config.ini"), 10).topLeft(); }
    void ClickRow(int row);
    void Xdotool(const QStringList& args) { Run(QStringLiteral("xdotool"), args, env_); }

    QTemporaryDir home_, vmouse_;
    QProcessEnvironment env_;
    QProcess corvane_;
    QByteArray trace_;
    QString macroFile_;
};

void MacroPageTest::init() {
    QVERIFY2(QFileInfo::exists(DemoFolder() + QStringLiteral("/corvane")),
             "the staged program folder is missing");
    env_ = e2e::ProgramEnvironment(
        home_.path(), vmouse_.path() + QStringLiteral("/vm"),
        QStringLiteral("corvane.app.debug=true\ncorvane.capture.debug=true"));
    QProcess xkb;
    xkb.setProcessEnvironment(env_);
    xkb.start(QStringLiteral("setxkbmap"), {QStringLiteral("fr")});
    QVERIFY(xkb.waitForFinished(10000) && xkb.exitCode() == 0);
    // The server must keep the layout after setxkbmap leaves (no reset on the last client).
    xkb.start(QStringLiteral("setxkbmap"), {QStringLiteral("-query")});
    QVERIFY(xkb.waitForFinished(10000));
    QVERIFY2(xkb.readAllStandardOutput().contains("layout:     fr"), "the layout is not French");
    macroFile_ = home_.path() + QStringLiteral("/Corvane/Config/macro.data");

    corvane_.setProcessEnvironment(env_);
    corvane_.start(DemoFolder() + QStringLiteral("/corvane"));
    QVERIFY2(WaitForTrace(QStringLiteral("main window initialised")), trace_.constData());
    QTRY_VERIFY_WITH_TIMEOUT(!Window().isEmpty(), 10000);
}

void MacroPageTest::cleanup() {
    if (corvane_.state() != QProcess::NotRunning) {
        corvane_.terminate();
        corvane_.waitForFinished(5000);
    }
}

bool MacroPageTest::WaitForTrace(const QRegularExpression& line, int count, int ms) {
    QElapsedTimer t;
    t.start();
    while (true) {
        trace_ += corvane_.readAllStandardError();
        int n = 0;
        for (auto it = line.globalMatch(QString::fromUtf8(trace_)); it.hasNext(); it.next()) {
            ++n;
        }
        if (n >= count) {
            return true;
        }
        if (t.elapsed() > ms) {
            return false;
        }
        corvane_.waitForReadyRead(50);
    }
}

QByteArray MacroPageTest::Vmouse(const QString& command) {
    return Run(DemoFolder() + QStringLiteral("/corvane-vmouse"), command.split(QLatin1Char(' ')),
               env_);
}

QByteArray MacroPageTest::Window(const QString& title) {
    const QList<QByteArray> found =
        Run(QStringLiteral("xdotool"),
            {QStringLiteral("search"), QStringLiteral("--onlyvisible"), QStringLiteral("--name"),
             QLatin1Char('^') + title + QLatin1Char('$')},
            env_)
            .trimmed()
            .split('\n');
    return found.last();
}

QPoint MacroPageTest::Origin(const QByteArray& window) {
    const QString shell =
        QString::fromLatin1(Run(QStringLiteral("xdotool"),
                                {QStringLiteral("getwindowgeometry"), QStringLiteral("--shell"),
                                 QString::fromLatin1(window)},
                                env_));
    const auto x = QRegularExpression(QStringLiteral("X=(\\d+)")).match(shell);
    const auto y = QRegularExpression(QStringLiteral("Y=(\\d+)")).match(shell);
    return QPoint(x.captured(1).toInt(), y.captured(1).toInt());
}

void MacroPageTest::ClickAt(QPoint p) {
    const QString w = QString::fromLatin1(Window());
    // Onto the control from outside it, so it sees the pointer enter as well.
    Xdotool({QStringLiteral("mousemove"), QStringLiteral("--window"), w, QStringLiteral("1"),
             QStringLiteral("1"), QStringLiteral("mousemove"), QStringLiteral("--window"), w,
             QString::number(p.x()), QString::number(p.y()), QStringLiteral("click"),
             QStringLiteral("1")});
}

void MacroPageTest::Click(const QString& layout, int key) {
    QRect r = EntryRect(layout, key);
    QVERIFY2(r.width() > 0,
             qPrintable(layout + QStringLiteral(" has no key ") + QString::number(key)));
    if (layout != QStringLiteral("skin_Config.ini")) {
        r.translate(PageOrigin());
    }
    ClickAt(r.center());
}

void MacroPageTest::ClickRow(int row) {
    const QRect list =
        EntryRect(QStringLiteral("skin_macro_manager.ini"), 16).translated(PageOrigin());
    constexpr int kRowHeight = 24;
    ClickAt(QPoint(list.left() + list.width() / 3, list.top() + row * kRowHeight + kRowHeight / 2));
}

void MacroPageTest::recordedMacroReachesTheMouseAndARenameTakesItAway() {
    const QString page = QStringLiteral("skin_macro_manager.ini");
    Click(QStringLiteral("skin_Config.ini"), 7);  // the macro tab
    Click(page, 2);                               // New
    QTRY_COMPARE_WITH_TIMEOUT(StoredMacro(macroFile_).first, QStringLiteral("Macro 1"), 10000);

    // Record with the fixed 50 ms: the key in the Q position (it writes "a" here) and a
    // click on the page.
    Click(page, 11);
    QVERIFY2(WaitForTrace(QRegularExpression(QStringLiteral("Hhook: [1-9a-f]"))),
             trace_.constData());
    Xdotool({QStringLiteral("key"), QString::number(kQPositionKeycode)});
    QVERIFY(WaitForTrace(QStringLiteral("vkcode="), 2));
    const QRect events = EntryRect(page, 16).translated(PageOrigin());
    ClickAt(QPoint(events.right() + 150, events.top() + 50));
    Click(page, 11);  // stops and stores
    const std::vector<MacroEvent> recorded = {Press(0x14), Delay(50), Release(0x14), Delay(50),
                                              Press(0xF1), Delay(50), Release(0xF1)};
    QTRY_VERIFY_WITH_TIMEOUT(Same(StoredMacro(macroFile_).second, recorded), 10000);

    // 120 ms more in front of the key's release.
    ClickRow(2);
    Click(page, 17);
    Click(QStringLiteral("skin_InsertMacro1.ini"), 2);
    Xdotool({QStringLiteral("key"), QStringLiteral("ctrl+a"), QStringLiteral("type"),
             QStringLiteral("120")});
    Click(QStringLiteral("skin_InsertMacro.ini"), 4);
    std::vector<MacroEvent> expected = recorded;
    expected.insert(expected.begin() + 2, Delay(120));
    QTRY_VERIFY_WITH_TIMEOUT(Same(StoredMacro(macroFile_).second, expected), 10000);

    // Button 6 on the button page: the function menu's thirteenth item opens the macro
    // selection, whose drop-down offers the library's only macro.
    Click(QStringLiteral("skin_Config.ini"), 5);
    Click(QStringLiteral("skin_button.ini"), kMacroButton + 1);
    QTest::qWait(300);  // the menu opens inside the click
    QStringList keys{QStringLiteral("key"), QStringLiteral("--delay"), QStringLiteral("40")};
    for (int i = 0; i < 13; ++i) {
        keys << QStringLiteral("Down");
    }
    Xdotool(keys << QStringLiteral("Return"));
    QTRY_VERIFY_WITH_TIMEOUT(!Window(QStringLiteral("Assign Macro")).isEmpty(), 5000);
    const QPoint select = Origin(Window(QStringLiteral("Assign Macro")));
    const QRect field = EntryRect(QStringLiteral("skin_select_macro.ini"), 4);
    Xdotool({QStringLiteral("mousemove"), QString::number(select.x() + field.center().x()),
             QString::number(select.y() + field.center().y()), QStringLiteral("click"),
             QStringLiteral("1")});
    QTest::qWait(300);
    Xdotool({QStringLiteral("mousemove"), QString::number(select.x() + field.left() + 20),
             QString::number(select.y() + field.bottom() + 12), QStringLiteral("click"),
             QStringLiteral("1")});  // the list's first row
    QTest::qWait(300);
    const QPoint ok = select + EntryRect(QStringLiteral("skin_select_macro.ini"), 1).center();
    Xdotool({QStringLiteral("mousemove"), QString::number(ok.x()), QString::number(ok.y()),
             QStringLiteral("click"), QStringLiteral("1")});
    QTRY_VERIFY_WITH_TIMEOUT(Window(QStringLiteral("Assign Macro")).isEmpty(), 5000);

    // Apply: the mouse gets the macro report the builder makes of the bound button.
    Click(QStringLiteral("skin_Config.ini"), 18);
    QVERIFY2(WaitForTrace(QStringLiteral("apply finished")), trace_.constData());
    auto profile = std::make_unique<tagPROFILE>();
    FillProfileDefaults(*profile, 0, u"Profile ");
    tagBUTTON& b = profile->buttons[kMacroButton];
    b.type = 18;
    b.macroIndex = 0;
    WriteFixedText(b.macroName, u"Macro 1");
    b.macroEventCount = static_cast<std::uint16_t>(expected.size());
    std::copy(expected.begin(), expected.end(), b.macroEvents);
    std::array<std::uint8_t, kMacroReportLength> macroReport{};
    BuildMacroReport(b, kMacroButton, macroReport);
    QCOMPARE(macroReport[kMacroEntryOffset + 1], std::uint8_t{0x14});
    const QList<QByteArray> firstLog = Vmouse(QStringLiteral("log")).trimmed().split('\n');
    QVERIFY2(firstLog.contains(LogLine(macroReport)), Vmouse(QStringLiteral("log")).constData());

    // Renamed, the macro is no longer the button's: the next change sends it back to its
    // default function, and the next apply tells the mouse.
    Click(QStringLiteral("skin_Config.ini"), 7);
    Click(page, 5);
    Xdotool({QStringLiteral("key"), QStringLiteral("ctrl+a"), QStringLiteral("type"),
             QStringLiteral("Combo")});
    ClickAt(QPoint(events.right() + 150, events.top() + 50));  // the background commits
    QTRY_COMPARE_WITH_TIMEOUT(StoredMacro(macroFile_).first, QStringLiteral("Combo"), 10000);
    ClickRow(0);
    Click(page, 15);  // move the press down: a change, saved and refreshed
    std::swap(expected[0], expected[1]);
    QTRY_VERIFY_WITH_TIMEOUT(Same(StoredMacro(macroFile_).second, expected), 10000);
    Click(QStringLiteral("skin_Config.ini"), 18);
    QVERIFY2(WaitForTrace(QStringLiteral("apply finished"), 2), trace_.constData());
    auto defaults = std::make_unique<tagPROFILE>();
    FillProfileDefaults(*defaults, 0, u"Profile ");
    std::array<std::uint8_t, kButtonReportLength> buttons{};
    BuildButtonReport(*defaults, buttons);
    const QList<QByteArray> log = Vmouse(QStringLiteral("log")).trimmed().split('\n');
    QVERIFY2(log.size() > firstLog.size(), Vmouse(QStringLiteral("log")).constData());
    QVERIFY2(log.mid(firstLog.size()).contains(LogLine(buttons)),
             Vmouse(QStringLiteral("log")).constData());
}

QTEST_GUILESS_MAIN(MacroPageTest)
#include "MacroPageTest.moc"
