// The button page end to end: the real program from the staged folder with the virtual mouse,
// under its own X server with a French layout. Button 4 gets Ctrl and the key on the Q
// position, button 5 a macro of the library; Apply sends both to the mouse. Controls are
// found from the skin's layout files; menus are driven with the keyboard.
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QtTest>
#include <array>
#include <memory>

#include "E2eSupport.h"
#include "data/FixedText.h"
#include "data/MacroRecord.h"
#include "data/ProfileDefaults.h"
#include "device/ButtonReport.h"
#include "device/MacroReport.h"
#include "device/SettingsReports.h"
#include "skin/SkinEntry.h"
#include "skin/SkinIni.h"

namespace {

using e2e::DemoFolder;
using e2e::LogLine;
using e2e::Run;
using e2e::EntryRect;

// The macro the library holds when the program starts.
tagElement StoredMacro() {
    tagElement m{};
    WriteFixedText(m.name, u"Reload");
    m.repeatCount = 2;
    m.eventCount = 4;
    m.events[0] = {0x15, 1, 20};  // R down
    m.events[1] = {0x15, 2, 30};
    m.events[2] = {0xFF, 0, 100};
    m.events[3] = {0x2C, 1, 10};
    return m;
}

}  // namespace

class ButtonsTest : public QObject {
    Q_OBJECT
private slots:
    void init();
    void cleanup();
    void keyCombinationAndMacroReachTheMouse();

private:
    bool WaitForTrace(const QByteArray& line, int count = 1, int ms = 30000);
    QByteArray Xdotool(const QStringList& args) {
        return Run(QStringLiteral("xdotool"), args, env_);
    }
    QString Window(const QString& title);
    QPoint Origin(const QString& window);
    void ClickAt(QPoint screen);
    void Keys(const QStringList& keys);
    QByteArray Vmouse(const QString& command) {
        return Run(DemoFolder() + QStringLiteral("/corvane-vmouse"), command.split(' '), env_);
    }

    QTemporaryDir home_, vmouse_;
    QProcessEnvironment env_;
    QProcess corvane_;
    QByteArray trace_;
};

void ButtonsTest::init() {
    QVERIFY2(QFileInfo::exists(DemoFolder() + QStringLiteral("/corvane")),
             "the staged program folder is missing");
    env_ = e2e::ProgramEnvironment(home_.path(), vmouse_.path() + QStringLiteral("/vm"));
    // The layout the user types with: the Q position writes "a" on it.
    // The server keeps it only when started with -noreset; ask until it reports it.
    QTRY_VERIFY_WITH_TIMEOUT(
        QProcess::execute(QStringLiteral("setxkbmap"),
                          {QStringLiteral("-layout"), QStringLiteral("fr")}) == 0 &&
            Run(QStringLiteral("setxkbmap"), {QStringLiteral("-query")}, env_)
                .contains(QByteArrayLiteral("layout:     fr")),
        5000);

    const QString config = home_.path() + QStringLiteral("/Corvane/Config");
    QVERIFY(QDir().mkpath(config));
    QFile library(config + QStringLiteral("/macro.data"));
    QVERIFY(library.open(QIODevice::WriteOnly));
    const tagElement macro = StoredMacro();
    library.write(reinterpret_cast<const char*>(&macro), sizeof macro);
    library.close();

    corvane_.setProcessEnvironment(env_);
    corvane_.start(DemoFolder() + QStringLiteral("/corvane"));
    QVERIFY2(WaitForTrace("main window initialised"), trace_.constData());
}

void ButtonsTest::cleanup() {
    if (corvane_.state() != QProcess::NotRunning) {
        corvane_.terminate();
        corvane_.waitForFinished(5000);
    }
    QProcess::execute(QStringLiteral("setxkbmap"),
                      {QStringLiteral("-layout"), QStringLiteral("us")});
}

bool ButtonsTest::WaitForTrace(const QByteArray& line, int count, int ms) {
    return e2e::WaitForTrace(corvane_, trace_, line, count, ms);
}

QString ButtonsTest::Window(const QString& title) {
    return QString::fromLatin1(
        Xdotool({QStringLiteral("search"), QStringLiteral("--onlyvisible"),
                 QStringLiteral("--name"), QLatin1Char('^') + title + QLatin1Char('$')})
            .trimmed()
            .split('\n')
            .last());
}

QPoint ButtonsTest::Origin(const QString& window) {
    const QString shell = QString::fromLatin1(
        Xdotool({QStringLiteral("getwindowgeometry"), QStringLiteral("--shell"), window}));
    const auto x = QRegularExpression(QStringLiteral("X=(\\d+)")).match(shell);
    const auto y = QRegularExpression(QStringLiteral("Y=(\\d+)")).match(shell);
    return QPoint(x.captured(1).toInt(), y.captured(1).toInt());
}

// Onto the point from outside, so the control sees the pointer enter, then a click.
void ButtonsTest::ClickAt(QPoint p) {
    Xdotool({QStringLiteral("mousemove"), QString::number(p.x() + 40), QString::number(p.y() + 40),
             QStringLiteral("mousemove"), QString::number(p.x()), QString::number(p.y()),
             QStringLiteral("click"), QStringLiteral("1")});
}

void ButtonsTest::Keys(const QStringList& keys) {
    Xdotool(QStringList{QStringLiteral("key"), QStringLiteral("--delay"), QStringLiteral("40")} +
            keys);
}

void ButtonsTest::keyCombinationAndMacroReachTheMouse() {
    QTRY_VERIFY_WITH_TIMEOUT(!Window(QStringLiteral("Corvane")).isEmpty(), 10000);
    const QPoint main = Origin(Window(QStringLiteral("Corvane")));
    const QPoint page = main + EntryRect(QStringLiteral("skin_Config.ini"), 10).topLeft();
    auto pageCentre = [&](int key) {
        return page + EntryRect(QStringLiteral("skin_button.ini"), key).center();
    };

    // Button 4: the function menu's twelfth item is the key combination.
    ClickAt(pageCentre(4));
    QTest::qWait(300);  // the menu opens inside the click
    Keys(QStringList(12, QStringLiteral("Down")) << QStringLiteral("Return"));
    QTRY_VERIFY_WITH_TIMEOUT(!Window(QStringLiteral("Key Combination")).isEmpty(), 5000);
    const QPoint shortcut = Origin(Window(QStringLiteral("Key Combination")));
    Keys({QStringLiteral("a")});  // typed on the French layout: the key on the Q position
    ClickAt(shortcut + EntryRect(QStringLiteral("skin_shortcut.ini"), 4).center());  // Ctrl
    ClickAt(shortcut + EntryRect(QStringLiteral("skin_shortcut.ini"), 1).center());  // OK
    QTRY_VERIFY_WITH_TIMEOUT(Window(QStringLiteral("Key Combination")).isEmpty(), 5000);

    // Button 5: the thirteenth item is the macro, chosen from the drop-down list.
    ClickAt(pageCentre(5));
    QTest::qWait(300);
    Keys(QStringList(13, QStringLiteral("Down")) << QStringLiteral("Return"));
    QTRY_VERIFY_WITH_TIMEOUT(!Window(QStringLiteral("Assign Macro")).isEmpty(), 5000);
    const QPoint select = Origin(Window(QStringLiteral("Assign Macro")));
    const QRect field = EntryRect(QStringLiteral("skin_select_macro.ini"), 4);
    ClickAt(select + field.center());
    QTest::qWait(300);
    ClickAt(select + QPoint(field.left() + 20, field.bottom() + 12));  // the list's first row
    QTest::qWait(300);
    ClickAt(select + EntryRect(QStringLiteral("skin_select_macro.ini"), 1).center());  // OK
    QTRY_VERIFY_WITH_TIMEOUT(Window(QStringLiteral("Assign Macro")).isEmpty(), 5000);

    ClickAt(main + EntryRect(QStringLiteral("skin_Config.ini"), 18).center());  // Apply
    QVERIFY2(WaitForTrace("apply finished"), trace_.constData());

    auto expected = std::make_unique<tagPROFILE>();
    FillProfileDefaults(*expected, 0, u"Profile ");
    tagBUTTON& b4 = expected->buttons[3];
    b4.type = kKeyCombinationType;
    b4.modifiers = 0x01;
    b4.keyCode = 0x14;
    tagBUTTON& b5 = expected->buttons[4];
    const tagElement macro = StoredMacro();
    b5.type = kMacroType;
    b5.macroIndex = 0;
    b5.macroEventCount = static_cast<std::uint16_t>(macro.eventCount);
    b5.repeatCount = macro.repeatCount;
    WriteFixedText(b5.macroName, ReadFixedText(macro.name));
    std::memcpy(b5.macroEvents, macro.events, sizeof b5.macroEvents);
    std::array<std::uint8_t, kButtonReportLength> buttons{};
    BuildButtonReport(*expected, buttons);
    QCOMPARE(EncodeButtonEntry(b4), (ButtonEntry{0x11, 0x01, 0x14}));
    std::array<std::uint8_t, kMacroReportLength> macroReport{};
    BuildMacroReport(b5, 4, macroReport);

    const QList<QByteArray> log = Vmouse(QStringLiteral("log")).trimmed().split('\n');
    QByteArray sentButtons;
    for (const QByteArray& line : log) {
        if (line.startsWith("v1 08")) {
            sentButtons = line;
        }
    }
    QVERIFY2(!sentButtons.isEmpty(), Vmouse(QStringLiteral("log")).constData());
    // Entries of buttons 4 and 5: bytes 2 + 3 * index, three each, after "v1".
    const QList<QByteArray> got = sentButtons.split(' ').mid(1);
    const QList<QByteArray> want = LogLine(buttons).split(' ').mid(1);
    QCOMPARE(got.mid(2 + 3 * 3, 6), want.mid(2 + 3 * 3, 6));
    QCOMPARE(got.mid(2 + 3 * 3, 3), (QList<QByteArray>{"11", "01", "14"}));
    QVERIFY2(log.contains(LogLine(macroReport)), Vmouse(QStringLiteral("log")).constData());

    // The profile list under "14": its second row binds Profile 2 to the slot, and the next
    // apply sends everything of that profile.
    const QRect anchor = EntryRect(QStringLiteral("skin_Config.ini"), 14);
    ClickAt(main + anchor.center());
    QTest::qWait(300);
    ClickAt(main + QPoint(anchor.left() + 20, anchor.bottom() + 25 + 12));
    QTest::qWait(300);
    ClickAt(main + EntryRect(QStringLiteral("skin_Config.ini"), 18).center());  // Apply
    QVERIFY2(WaitForTrace("apply finished", 2), trace_.constData());
    auto second = std::make_unique<tagPROFILE>();
    FillProfileDefaults(*second, 1, u"Profile ");
    std::array<std::uint8_t, kSensitivityReportLength> sens{};
    std::array<std::uint8_t, kLightingReportLength> light{};
    std::array<std::uint8_t, kReportRateReportLength> rate{};
    BuildSensitivityReport(*second, sens);
    BuildLightingReport(*second, light);
    BuildReportRateReport(*second, rate);
    BuildButtonReport(*second, buttons);
    const QList<QByteArray> after = Vmouse(QStringLiteral("log")).trimmed().split('\n');
    QCOMPARE(after.mid(log.size()),
             (QList<QByteArray>{LogLine(sens), LogLine(light), LogLine(rate), LogLine(buttons)}));
}

QTEST_GUILESS_MAIN(ButtonsTest)
#include "ButtonsTest.moc"
