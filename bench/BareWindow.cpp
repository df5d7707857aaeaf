// The yardstick of the start-up bench: a bare Qt window of the main window's size, shown as
// soon as the event loop runs.
#include <QApplication>
#include <QWidget>

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QWidget window;
    window.setWindowTitle(QStringLiteral("BareWindow"));
    window.resize(960, 712);
    window.show();
    return QApplication::exec();
}
