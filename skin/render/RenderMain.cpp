// corvane_skin_render <skin folder> <output folder> [string table]: review pictures of every
// window, one as the user sees it and one with its layout rectangles outlined, plus the main
// window holding each page and the macro page with its insert panel open.
#include <QDir>
#include <QFontDatabase>
#include <QGuiApplication>
#include <QPainter>
#include <cstdio>

#include "ReviewPainter.h"

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    QGuiApplication app(argc, argv);
    if (argc < 3) {
        std::fprintf(stderr, "usage: %s <skin folder> <output folder> [strings]\n", argv[0]);
        return 2;
    }
    QFontDatabase::addApplicationFont(
        "/usr/share/fonts/truetype/liberation2/LiberationSans-Regular.ttf");
    const QString out = QString::fromLocal8Bit(argv[2]);
    QDir().mkpath(out);
    const review::ReviewPainter painter(QString::fromLocal8Bit(argv[1]),
                                        review::LoadStrings(argc > 3 ? argv[3] : ""));
    bool ok = true;
    for (const art::Window& w : art::Windows()) {
        const QString name = QString::fromStdString(w.layout);
        ok = painter.Look(w).save(out + "/" + name + "_look.png") && ok;
        ok = painter.Annotated(w).save(out + "/" + name + ".png") && ok;
    }
    // Composites: each page in the main window's page area; the insert panel over its page.
    const art::Window& main = art::WindowNamed("skin_Config");
    const art::Rect area = main.Find(10)->rect;
    for (const char* page :
         {"skin_button", "skin_sensitivity", "skin_light", "skin_macro_manager"}) {
        QImage frame = painter.Look(main);
        QPainter p(&frame);
        p.drawImage(area.x, area.y, painter.Look(art::WindowNamed(page)));
        p.end();
        ok = frame.save(out + "/main_" + QString(page).mid(5) + ".png") && ok;
    }
    QImage macro = painter.Look(art::WindowNamed("skin_macro_manager"));
    {
        QPainter p(&macro);
        p.drawImage(0, 0, painter.Look(art::WindowNamed("skin_InsertMacro")));
        p.drawImage(0, 0, painter.Look(art::WindowNamed("skin_InsertMacro2")));
    }
    ok = macro.save(out + "/macro_insert_record.png") && ok;
    if (!ok) {
        std::fprintf(stderr, "a review picture could not be written\n");
    }
    return ok ? 0 : 1;
}
