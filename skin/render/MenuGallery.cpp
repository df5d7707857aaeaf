// The owner-drawn menus in the gallery: a menu as the main window's More menu builds it, with
// no item, the first and the submenu item hovered, and its submenu.
#include <QApplication>
#include "GalleryStrip.h"

#include "skin/CExMenu.h"
#include "skin/MenuDecoration.h"

bool RenderMenuGallery(const std::filesystem::path& skinFolder, const QString& out) {
    InstallMenuDecoration();
    CExMenu more(skinFolder);
    CExMenu sub(skinFolder);
    sub.AppendItem(2101, u"Left Click");
    sub.AppendItem(2102, u"Right Click");
    sub.AppendItem(2103, u"Middle Click");
    sub.FitItemWidth(120);
    more.AppendItem(1011, u"Copy Profile");
    more.AppendItem(1012, u"Import Profile");
    more.AppendItem(1013, u"Export Profile");
    more.AppendItem(1014, u"Mouse Functions", &sub);
    more.FitItemWidth(140);

    struct Shot {
        const char* name;
        int hovered;  // index of the hovered item, -1 for none
    };
    const Shot shots[] = {{"normal", -1}, {"first item hovered", 0}, {"submenu item hovered", 3}};
    std::vector<std::pair<QString, QImage>> pictures;
    for (const Shot& s : shots) {
        more.popup(QPoint(100, 100));
        QCoreApplication::processEvents();
        const QList<QAction*> actions = more.actions();
        more.setActiveAction(s.hovered >= 0 ? actions[s.hovered] : nullptr);
        QCoreApplication::processEvents();
        pictures.emplace_back(QString::fromLatin1(s.name), more.grab().toImage());
        more.hide();
    }
    sub.popup(QPoint(300, 100));
    QCoreApplication::processEvents();
    sub.setActiveAction(sub.actions()[1]);
    QCoreApplication::processEvents();
    pictures.emplace_back(QStringLiteral("submenu, second item hovered"), sub.grab().toImage());
    sub.hide();

    const QImage gallery = GalleryStrip(pictures, 180);
    RemoveMenuDecoration();
    return gallery.save(out + QStringLiteral("/menus.png"));
}
