// The capture against a real X server: this test starts its own Xvfb, a second X client
// that prints the keys it gets, and drives the keyboard with xdotool.
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <QApplication>
#include <QProcess>
#include <QStandardPaths>
#include <QtTest>
#include <cstdio>
#include <string>

#include "KeyProbe.h"
#ifdef CORVANE_HAVE_KEYS
#include "keys/BuiltInUsLayout.h"
#include "keys/KeyCodes.h"
#include "keys/XKeyTranslation.h"
#include "platform/KeyboardLayout.h"
#endif
#include "platform/linux/X11KeyboardCapture.h"

namespace {

// Xvfb on a display it picks itself (-displayfd), ended with the test.
class Xvfb {
public:
    Xvfb() {
        const QString exe = QStandardPaths::findExecutable(QStringLiteral("Xvfb"));
        if (exe.isEmpty()) {
            return;
        }
        int fds[2];
        if (pipe(fds) != 0) {
            return;
        }
        pid_ = fork();
        if (pid_ == 0) {
            close(fds[0]);
            const std::string fd = std::to_string(fds[1]);
            const std::string path = exe.toStdString();
            execl(path.c_str(), "Xvfb", "-displayfd", fd.c_str(), "-screen", "0", "800x600x24",
                  "-nolisten", "tcp", static_cast<char*>(nullptr));
            _exit(127);
        }
        close(fds[1]);
        char buf[32] = {};
        std::size_t n = 0;
        while (n < sizeof buf - 1 && read(fds[0], buf + n, 1) == 1 && buf[n] != '\n') {
            ++n;
        }
        close(fds[0]);
        if (n > 0) {
            display_ = QByteArray(":") + QByteArray(buf, static_cast<qsizetype>(n));
        }
    }
    ~Xvfb() {
        if (pid_ > 0) {
            kill(pid_, SIGTERM);
            waitpid(pid_, nullptr, 0);
        }
    }
    const QByteArray& Display() const { return display_; }

private:
    pid_t pid_ = -1;
    QByteArray display_;
};

// The other client: shows a window and prints "press <keysym>" for every key it gets.
class Listener : public QWidget {
protected:
    void keyPressEvent(QKeyEvent* e) override {
        std::printf("press %x\n", e->nativeVirtualKey());
        std::fflush(stdout);
    }
};

int RunListener(int argc, char** argv) {
    QApplication app(argc, argv);
    Listener w;
    w.setFocusPolicy(Qt::StrongFocus);
    w.setGeometry(0, 0, 800, 600);
    w.show();
    w.setFocus();
    QTimer::singleShot(300, [&] {
        std::printf("ready %llu\n", static_cast<unsigned long long>(w.winId()));
        std::fflush(stdout);
    });
    return app.exec();
}

bool Xdotool(const QStringList& args) {
    return QProcess::execute(QStringLiteral("xdotool"), args) == 0;
}

}  // namespace

class CaptureX11Test : public QObject {
    Q_OBJECT
public:
    explicit CaptureX11Test(bool haveServer) : haveServer_(haveServer) {}

private slots:
    void initTestCase();
    void keysReachOnlyTheHolderUntilReleased();
    void physicalKeysFollowTheServersLayout();
    void cleanupTestCase();

private:
    bool WaitForLine(const QByteArray& start, QByteArray* line = nullptr, int ms = 5000);
    void FocusListener();

    bool haveServer_;
    QProcess listener_;
    QByteArray listenerWindow_;
    QByteArray listened_;
};

void CaptureX11Test::initTestCase() {
    if (!haveServer_) {
        QSKIP("Xvfb is not installed: the X11 capture is not tested against a real server");
    }
    QVERIFY2(!QStandardPaths::findExecutable(QStringLiteral("xdotool")).isEmpty(),
             "xdotool is needed to drive the keyboard");
    QProcess::execute(QStringLiteral("setxkbmap"), {QStringLiteral("us")});
    listener_.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    listener_.start(QCoreApplication::applicationFilePath(), {QStringLiteral("--listen")});
    QByteArray ready;
    QVERIFY2(WaitForLine("ready ", &ready), "the listening client did not start");
    listenerWindow_ = ready.mid(6).trimmed();
}

void CaptureX11Test::cleanupTestCase() {
    if (listener_.state() != QProcess::NotRunning) {
        listener_.kill();
        listener_.waitForFinished(3000);
    }
}

bool CaptureX11Test::WaitForLine(const QByteArray& start, QByteArray* line, int ms) {
    QElapsedTimer t;
    t.start();
    while (t.elapsed() < ms) {
        listener_.waitForReadyRead(50);
        listened_ += listener_.readAllStandardOutput();
        const qsizetype at = listened_.indexOf(start);
        if (at >= 0 && listened_.indexOf('\n', at) > at) {
            const qsizetype end = listened_.indexOf('\n', at);
            if (line) {
                *line = listened_.mid(at, end - at);
            }
            listened_.remove(0, end + 1);
            return true;
        }
        QCoreApplication::processEvents();
    }
    return false;
}

void CaptureX11Test::FocusListener() {
    // --sync returns once the server reports the focus there.
    QVERIFY(Xdotool({QStringLiteral("windowfocus"), QStringLiteral("--sync"),
                     QString::fromLatin1(listenerWindow_)}));
}

void CaptureX11Test::keysReachOnlyTheHolderUntilReleased() {
#ifdef CORVANE_HAVE_KEYS
    // The key table's translation on the US layout that Xvfb runs with.
    BuiltInUsLayout layout;
    X11KeyboardCapture capture(
        [&layout](std::uint32_t keycode, std::uint32_t keysym, bool released) {
            const KeyEventCode k = TranslateXKeyEvent(keycode, keysym, released, layout);
            return CapturedKey{k.virtualKey, k.flags};
        });
#else
    X11KeyboardCapture capture(TestTranslate);
#endif
    KeyProbe holder;
    holder.setAttribute(Qt::WA_ShowWithoutActivating);
    holder.setGeometry(600, 400, 100, 100);
    holder.show();
    QVERIFY(QTest::qWaitForWindowExposed(&holder));

    FocusListener();
    QVERIFY(Xdotool({QStringLiteral("key"), QStringLiteral("a")}));
    QVERIFY2(WaitForLine("press 61"), "the listener does not get keys even without a capture");

    capture.Install(&holder);
    QTRY_VERIFY(capture.SystemWide());
    QVERIFY(Xdotool({QStringLiteral("key"), QStringLiteral("a"), QStringLiteral("Up")}));
    const std::vector<KeyProbe::Message> expected{
        {0x41, 0x00}, {0x41, 0x80}, {0x26, 0x01}, {0x26, 0x81}};
    QTRY_COMPARE(holder.messages, expected);
    QVERIFY(holder.keys.empty());
    QVERIFY2(!WaitForLine("press", nullptr, 500), listened_.constData());

    capture.Remove(&holder);
    QVERIFY(!capture.SystemWide());
    FocusListener();
    QVERIFY(Xdotool({QStringLiteral("key"), QStringLiteral("b")}));
    QVERIFY2(WaitForLine("press 62"), "keys do not reach other windows after the release");
    QCOMPARE(holder.messages.size(), expected.size());
}

// On AZERTY the key in the Q position writes "a": it must arrive as VK_A and be stored as
// the device code of the physical key, 0x14.
void CaptureX11Test::physicalKeysFollowTheServersLayout() {
#ifndef CORVANE_HAVE_KEYS
    QSKIP("the key table is not built");
#else
    QCOMPARE(QProcess::execute(QStringLiteral("setxkbmap"), {QStringLiteral("fr")}), 0);
    const std::unique_ptr<KeyboardLayout> layout = CreateSystemKeyboardLayout();
    X11KeyboardCapture capture(
        [&layout](std::uint32_t keycode, std::uint32_t keysym, bool released) {
            const KeyEventCode k = TranslateXKeyEvent(keycode, keysym, released, *layout);
            return CapturedKey{k.virtualKey, k.flags};
        });
    KeyProbe holder;
    holder.setGeometry(600, 400, 100, 100);
    holder.show();
    QVERIFY(QTest::qWaitForWindowExposed(&holder));
    capture.Install(&holder);
    QTRY_VERIFY(capture.SystemWide());
    // xdotool types "a" with the key that writes it on the server's keymap: the Q position.
    QVERIFY(Xdotool({QStringLiteral("key"), QStringLiteral("a"), QStringLiteral("KP_Enter")}));
    const std::vector<KeyProbe::Message> expected{
        {0x41, 0x00}, {0x41, 0x80}, {0x0D, 0x01}, {0x0D, 0x81}};
    QTRY_COMPARE(holder.messages, expected);
    QCOMPARE(VirtualKeyToDeviceCode(holder.messages[0].first, *layout),
             (KeyConversion{true, 0x14}));
    capture.Remove(&holder);
    QProcess::execute(QStringLiteral("setxkbmap"), {QStringLiteral("us")});
#endif
}

int main(int argc, char** argv) {
    if (argc > 1 && qstrcmp(argv[1], "--listen") == 0) {
        return RunListener(argc, argv);
    }
    Xvfb server;
    const bool haveServer = !server.Display().isEmpty();
    if (haveServer) {
        qputenv("DISPLAY", server.Display());
        qputenv("QT_QPA_PLATFORM", "xcb");
    }
    QApplication app(argc, argv);
    CaptureX11Test test(haveServer);
    return QTest::qExec(&test, argc, argv);
}

#include "CaptureX11Test.moc"
