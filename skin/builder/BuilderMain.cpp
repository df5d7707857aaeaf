// corvane_skin_builder <skin folder> <font file>...: draws the skin into the folder.
#include <QFontDatabase>
#include <QGuiApplication>
#include <cstdio>

#include "SkinWriter.h"

int main(int argc, char** argv) {
    // Drawing needs no screen; the build machine may have none.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    QGuiApplication app(argc, argv);
    if (argc < 3) {
        std::fprintf(stderr, "usage: %s <skin folder> <font file>...\n", argv[0]);
        return 2;
    }
    for (int i = 2; i < argc; ++i) {
        if (QFontDatabase::addApplicationFont(QString::fromLocal8Bit(argv[i])) < 0) {
            std::fprintf(stderr, "cannot load font %s\n", argv[i]);
            return 1;
        }
    }
    return art::WriteSkin(QString::fromLocal8Bit(argv[1])) ? 0 : 1;
}
