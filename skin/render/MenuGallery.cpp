// The owner-drawn menus in the gallery: a menu as the main window's More menu builds it, with
// no item, the first and the submenu item hovered, and its submenu.
#include <QApplication>
#include <QPainter>

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

    constexpr int kMargin = 16, kLabel = 22;
    int width = kMargin, height = 0;
    for (const auto& [name, picture] : pictures) {
        width += std::max(picture.width(), 180) + kMargin;
        height = std::max(height, picture.height());
    }
    QImage gallery(width, height + kLabel + 2 * kMargin, QImage::Format_RGB32);
    gallery.fill(QColor(24, 26, 30));
    QPainter p(&gallery);
    QFont font(QStringLiteral("Liberation Sans"));
    font.setPixelSize(12);
    p.setFont(font);
    p.setPen(Qt::white);
    int x = kMargin;
    for (const auto& [name, picture] : pictures) {
        p.drawText(x, kMargin, 180, kLabel, Qt::AlignLeft | Qt::AlignVCenter, name);
        p.drawImage(x, kMargin + kLabel, picture);
        x += std::max(picture.width(), 180) + kMargin;
    }
    p.end();
    RemoveMenuDecoration();
    return gallery.save(out + QStringLiteral("/menus.png"));
}
