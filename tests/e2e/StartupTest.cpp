// Starts the real binary with its own user folder and watches what it writes and traces.
#include <QElapsedTimer>
#include <QFileInfo>
#include <QProcess>
#include <QTemporaryDir>
#include <QtTest>
#include <cstring>
#include <memory>

#include "common/StringTable.h"
#include "data/ProfileDefaults.h"

namespace {

class Instance {
public:
    Instance(const QString& configHome, const QStringList& args = {}) {
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert(QStringLiteral("XDG_CONFIG_HOME"), configHome);
        env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
        env.insert(QStringLiteral("QT_LOGGING_RULES"), QStringLiteral("corvane.*.debug=true"));
        process_.setProcessEnvironment(env);
        process_.setProcessChannelMode(QProcess::SeparateChannels);
        process_.start(qEnvironmentVariable("CORVANE_BINARY"), args);
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

QTEST_GUILESS_MAIN(StartupTest)
#include "StartupTest.moc"
