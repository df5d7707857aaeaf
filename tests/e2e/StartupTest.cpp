// Starts the real binary with its own user folder and watches what it writes and traces.
#include <QDir>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QProcess>
#include <QTemporaryDir>
#include <QtTest>
#include <cstring>
#include <memory>
#include <optional>

#include <sys/stat.h>

#include "common/StringTable.h"
#include "data/ProfileDefaults.h"

namespace {

// The staged folder whose variant 1 is the virtual mouse, and a display to show windows on;
// empty when this run has neither.
QString DemoFolder() {
    if (qEnvironmentVariableIsEmpty("DISPLAY")) {
        return {};
    }
    return qEnvironmentVariable("CORVANE_DEMO_FOLDER");
}

// With a virtual mouse, plugged in at start or not, under the real X server.
struct WithMouse {
    QString vmouseDir;
    bool plugged = false;
};

class Instance {
public:
    Instance(const QString& configHome, const QStringList& args = {},
             const std::optional<WithMouse>& mouse = std::nullopt) {
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert(QStringLiteral("XDG_CONFIG_HOME"), configHome);
        env.insert(QStringLiteral("QT_QPA_PLATFORM"),
                   mouse ? QStringLiteral("xcb") : QStringLiteral("offscreen"));
        env.insert(QStringLiteral("QT_LOGGING_RULES"), QStringLiteral("corvane.*.debug=true"));
        QString program = qEnvironmentVariable("CORVANE_BINARY");
        if (mouse) {
            env.insert(QStringLiteral("CORVANE_VMOUSE_DIR"), mouse->vmouseDir);
            env.insert(QStringLiteral("CORVANE_VMOUSE_PLUGGED"),
                       mouse->plugged ? QStringLiteral("1") : QStringLiteral("0"));
            program = DemoFolder() + QStringLiteral("/corvane");
        }
        process_.setProcessEnvironment(env);
        process_.setProcessChannelMode(QProcess::SeparateChannels);
        process_.start(program, args);
    }
    ~Instance() {
        if (process_.state() != QProcess::NotRunning) {
            process_.kill();
            process_.waitForFinished(5000);
        }
    }

    // Collects stderr until the trace line shows up or the time runs out.
    bool WaitForTrace(const QByteArray& line, int ms = 20000) {
        QElapsedTimer t;
        t.start();
        while (!trace_.contains(line) && t.elapsed() < ms) {
            process_.waitForReadyRead(100);
            trace_ += process_.readAllStandardError();
            if (process_.state() == QProcess::NotRunning) {
                trace_ += process_.readAllStandardError();
                break;
            }
        }
        return trace_.contains(line);
    }
    QProcess& Process() { return process_; }
    const QByteArray& Trace() const { return trace_; }

private:
    QProcess process_;
    QByteArray trace_;
};

// Whether a window titled as ours is mapped on the display.
bool MainWindowVisible() {
    QProcess p;
    p.start(QStringLiteral("xdotool"), {QStringLiteral("search"), QStringLiteral("--onlyvisible"),
                                        QStringLiteral("--name"), QStringLiteral("^Corvane$")});
    p.waitForFinished(10000);
    return !p.readAllStandardOutput().trimmed().isEmpty();
}

QByteArray ReadFile(const QString& path) {
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

}  // namespace

class StartupTest : public QObject {
    Q_OBJECT
private slots:
    void firstStartCreatesTheRecordFiles();
    void secondInstanceNotifiesTheFirstAndEnds();
    void terminationRunsTheShutdownSequence();
    void unreadableFilesAreKeptAndNamedOnce();
    void withoutAMouseNothingShowsEvenWhenAskedTwice();
    void withAMouseTheWindowShows();
};

void StartupTest::firstStartCreatesTheRecordFiles() {
    QTemporaryDir home;
    const QString config = home.path() + QStringLiteral("/Corvane/Config/");
    {
        Instance first(home.path());
        QVERIFY2(first.WaitForTrace("main window initialised"), first.Trace().constData());
    }
    const QByteArray state = ReadFile(config + QStringLiteral("Config.data"));
    const QByteArray list = ReadFile(config + QStringLiteral("Profile.data"));
    QCOMPARE(state.size(), 301788);
    QCOMPARE(list.size(), 180900);

    // The bytes are the defaults, named from the program folder's string table.
    StringTable strings;
    const QString program = QFileInfo(qEnvironmentVariable("CORVANE_BINARY")).absolutePath();
    QVERIFY(strings.Load((program + QStringLiteral("/lan/strings.txt")).toStdString()));
    auto expected = std::make_unique<tagSTATEBLOCK>();
    ResetStateDefaults(*expected, strings.Get(49));
    QVERIFY(std::memcmp(state.constData(), expected.get(), sizeof(tagSTATEBLOCK)) == 0);
    for (int i = 0; i < 3; ++i) {
        QVERIFY(std::memcmp(list.constData() + i * 60300, &expected->profiles[i], 60300) == 0);
    }

    // A second start reads the files and writes neither.
    const QDateTime stateTime = QFileInfo(config + QStringLiteral("Config.data")).lastModified();
    const QDateTime listTime = QFileInfo(config + QStringLiteral("Profile.data")).lastModified();
    {
        Instance again(home.path());
        QVERIFY2(again.WaitForTrace("main window initialised"), again.Trace().constData());
    }
    QCOMPARE(QFileInfo(config + QStringLiteral("Config.data")).lastModified(), stateTime);
    QCOMPARE(QFileInfo(config + QStringLiteral("Profile.data")).lastModified(), listTime);
    QCOMPARE(ReadFile(config + QStringLiteral("Config.data")), state);
    QCOMPARE(ReadFile(config + QStringLiteral("Profile.data")), list);
    QVERIFY(!QFileInfo::exists(config + QStringLiteral("Profile.data.bad")));
}

void StartupTest::secondInstanceNotifiesTheFirstAndEnds() {
    QTemporaryDir home;
    Instance first(home.path());
    QVERIFY2(first.WaitForTrace("single instance: listening"), first.Trace().constData());
    QVERIFY(first.WaitForTrace("main window initialised"));

    Instance second(home.path());
    second.Process().waitForFinished(10000);
    QCOMPARE(second.Process().state(), QProcess::NotRunning);
    QCOMPARE(second.Process().exitStatus(), QProcess::NormalExit);
    QCOMPARE(second.Process().exitCode(), 0);
    QVERIFY(second.WaitForTrace("another instance is running", 1000));
    QVERIFY2(first.WaitForTrace("received message 1039"), first.Trace().constData());
    QVERIFY(!second.Trace().contains("main window initialised"));

    // An instance for another user folder is not a second instance.
    QTemporaryDir otherHome;
    Instance other(otherHome.path());
    QVERIFY2(other.WaitForTrace("main window initialised"), other.Trace().constData());
    QCOMPARE(other.Process().state(), QProcess::Running);
}

void StartupTest::terminationRunsTheShutdownSequence() {
    QTemporaryDir home;
    Instance first(home.path());
    QVERIFY2(first.WaitForTrace("main window initialised"), first.Trace().constData());
    first.Process().terminate();
    QVERIFY(first.WaitForTrace("main window destroyed"));
    first.Process().waitForFinished(5000);  // false when it has already ended
    QCOMPARE(first.Process().state(), QProcess::NotRunning);
    QCOMPARE(first.Process().exitStatus(), QProcess::NormalExit);
    QCOMPARE(first.Process().exitCode(), 0);

    // The lock and the socket are gone with it: the next start is a first instance again.
    Instance next(home.path());
    QVERIFY2(next.WaitForTrace("single instance: listening"), next.Trace().constData());
}

// A FIFO where Config.data belongs would block a plain open for ever; a folder where
// Profile.data belongs cannot be read. The program starts on defaults, says so once and
// replaces neither.
void StartupTest::unreadableFilesAreKeptAndNamedOnce() {
    QTemporaryDir home;
    const QString config = home.path() + QStringLiteral("/Corvane/Config/");
    QVERIFY(QDir().mkpath(config + QStringLiteral("Profile.data")));
    QVERIFY(::mkfifo(QFile::encodeName(config + QStringLiteral("Config.data")).constData(), 0600) == 0);
    Instance first(home.path());
    QVERIFY2(first.WaitForTrace("main window initialised"), first.Trace().constData());
    QVERIFY2(first.WaitForTrace("files could not be used: 2"), first.Trace().constData());
    QCOMPARE(first.Trace().count("files could not be used"), 1);
    first.Process().terminate();
    QVERIFY(first.WaitForTrace("main window destroyed"));
    QVERIFY(QFileInfo(config + QStringLiteral("Profile.data")).isDir());
    QVERIFY(!QFileInfo(config + QStringLiteral("Config.data")).isFile());
    QVERIFY(QFileInfo::exists(config + QStringLiteral("Config.data")));
}

// Started without a mouse: no window and no notification-area icon, and a second start
// (which asks the first to show itself) changes neither.
void StartupTest::withoutAMouseNothingShowsEvenWhenAskedTwice() {
    if (DemoFolder().isEmpty()) {
        QSKIP("needs the staged program folder and an X display");
    }
    QTemporaryDir home, vmouse;
    const WithMouse unplugged{vmouse.path() + QStringLiteral("/vm"), false};
    Instance first(home.path(), {}, unplugged);
    QVERIFY2(first.WaitForTrace("main window initialised"), first.Trace().constData());
    QVERIFY2(first.WaitForTrace("device states 0 0"), first.Trace().constData());

    Instance second(home.path(), {}, unplugged);
    QVERIFY(second.Process().waitForFinished(10000));
    QCOMPARE(second.Process().exitCode(), 0);
    // Handled after everything the start queued, so a window it had shown would be mapped.
    QVERIFY2(first.WaitForTrace("received message 1039"), first.Trace().constData());
    QVERIFY(!MainWindowVisible());
    QVERIFY2(!first.Trace().contains("tray icon added"), first.Trace().constData());
    QCOMPARE(first.Process().state(), QProcess::Running);
}

void StartupTest::withAMouseTheWindowShows() {
    if (DemoFolder().isEmpty()) {
        QSKIP("needs the staged program folder and an X display");
    }
    QTemporaryDir home, vmouse;
    Instance first(home.path(), {}, WithMouse{vmouse.path() + QStringLiteral("/vm"), true});
    QVERIFY2(first.WaitForTrace("tray icon added"), first.Trace().constData());
    QTRY_VERIFY_WITH_TIMEOUT(MainWindowVisible(), 10000);
}

QTEST_GUILESS_MAIN(StartupTest)
#include "StartupTest.moc"
