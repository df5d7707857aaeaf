// What every end-to-end test of the real program needs: the staged demo folder, the virtual
// mouse's log lines, short helper processes, and control places from the skin layout files.
#pragma once

#include <QByteArray>
#include <QElapsedTimer>
#include <QProcess>
#include <QProcessEnvironment>
#include <QRect>
#include <QString>
#include <QStringList>
#include <array>
#include <cstdint>

#include "skin/QtRect.h"
#include "skin/SkinEntry.h"
#include "skin/SkinIni.h"

namespace e2e {

inline QString DemoFolder() {
    return qEnvironmentVariable("CORVANE_DEMO_FOLDER");
}

// A report as the virtual mouse logs it for variant 1: "v1 04 22 ...".
template <std::size_t N>
QByteArray LogLine(const std::array<std::uint8_t, N>& bytes) {
    QByteArray line = "v1";
    for (std::uint8_t b : bytes) {
        line += ' ' + QByteArray::number(b, 16).rightJustified(2, '0');
    }
    return line;
}

// Runs a short helper (corvane-vmouse, xdotool) to its end and returns what it printed.
inline QByteArray Run(const QString& program, const QStringList& args,
                      const QProcessEnvironment& env) {
    QProcess p;
    p.setProcessEnvironment(env);
    p.start(program, args);
    p.waitForFinished(10000);
    return p.readAllStandardOutput();
}

// A control's entry in a window's layout file of the staged skin.
inline SkinEntry Entry(const QString& layout, int key) {
    return ParseSkinEntry(
        ReadSkinString((DemoFolder() + QStringLiteral("/skins/") + layout).toStdString(),
                       u"BUTTONPOS", QString::number(key).toStdU16String()));
}

inline QRect EntryRect(const QString& layout, int key) {
    return ToQRect(Entry(layout, key));
}

// The program's environment in a test: its own settings folder and virtual mouse (plugged
// in), the X11 platform, and the debug traces the tests wait on.
inline QProcessEnvironment ProgramEnvironment(
    const QString& configHome, const QString& vmouseDir,
    const QString& logging = QStringLiteral("corvane.app.debug=true")) {
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("XDG_CONFIG_HOME"), configHome);
    env.insert(QStringLiteral("CORVANE_VMOUSE_DIR"), vmouseDir);
    env.insert(QStringLiteral("CORVANE_VMOUSE_PLUGGED"), QStringLiteral("1"));
    env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("xcb"));
    env.insert(QStringLiteral("QT_LOGGING_RULES"), logging);
    return env;
}

// Reads the program's traces into trace until line has come count times, or ms have passed.
inline bool WaitForTrace(QProcess& program, QByteArray& trace, const QByteArray& line, int count,
                         int ms) {
    QElapsedTimer t;
    t.start();
    while (trace.count(line) < count && t.elapsed() < ms) {
        program.waitForReadyRead(50);
        trace += program.readAllStandardError();
    }
    return trace.count(line) >= count;
}

}  // namespace e2e
