// The list box, its skinned scroll bar and the spin control in the gallery: the event list as
// the macro page fills it, with nothing selected, a press selected (its release lit too), and
// scrolled to the end; the colour spin box at 0, 128 and 255.
#include <QApplication>
#include <QMouseEvent>
#include <QScrollBar>
#include "GalleryStrip.h"

#include "skin/CListBoxEx.h"
#include "skin/CSkinScrollBar.h"
#include "skin/CSkinScrollWnd.h"
#include "skin/CSpinWnd.h"
#include "skin/SkinImage.h"
#include "skin/SkinWindow.h"

namespace {
std::uint32_t Row(int code, int kind) {
    return std::uint32_t(code) << 8 | std::uint32_t(kind);
}
}  // namespace

bool RenderListGallery(const std::filesystem::path& skinFolder, const QString& out) {
    QImage bar;
    if (LoadSkinImage(skinFolder / "res" / "res_136.bmp", bar).isEmpty()) {
        return false;
    }
    QWidget window;
    window.setAutoFillBackground(true);
    window.setPalette(QPalette(QColor(17, 17, 17)));
    window.resize(230, 226);
    auto* list = new CListBoxEx(&window);
    list->setFrameShape(QFrame::Box);
    list->setGeometry(10, 10, 200, 206);
    list->SetRowIcons(CListBoxEx::LoadRowIcons(skinFolder));
    list->SetHighlightColour(0x8E5101);
    list->SetBackColour(0);
    list->SetTextColour(0xFFFFFF);
    list->SetBackgroundBrush(0);
    const char* keys[] = {"A", "Left Shift", "F5", "Space", "Enter", "Tab"};
    for (int i = 0; i < 6; ++i) {
        list->AddRow(keys[i], Row(10 + i, 0x12));
        list->AddRow("30", Row(0xFF, 0x04));
        list->AddRow(keys[i], Row(10 + i, 0x23));
    }
    CSkinScrollWnd* wrap = CSkinScrollWnd::Attach(list, bar);
    if (wrap == nullptr) {
        return false;
    }
    window.show();
    QCoreApplication::processEvents();

    std::vector<std::pair<QString, QImage>> shots;
    list->clearSelection();
    QCoreApplication::processEvents();
    shots.emplace_back(QStringLiteral("list, top"), window.grab().toImage());
    list->setCurrentRow(3);
    QCoreApplication::processEvents();
    shots.emplace_back(QStringLiteral("press selected, release lit"), window.grab().toImage());
    list->verticalScrollBar()->setValue(list->verticalScrollBar()->maximum());
    QCoreApplication::processEvents();
    shots.emplace_back(QStringLiteral("scrolled to the end"), window.grab().toImage());

    QWidget lightPage;
    SkinWindow light(lightPage);
    if (!light.Load(skinFolder, "skin_light.ini")) {
        return false;
    }
    const QRect place = SkinWindow::RectOf(light.Entry(4));
    for (int value : {0, 128, 255}) {
        QWidget holder;
        holder.setAutoFillBackground(true);
        holder.setPalette(QPalette(QColor(17, 17, 17)));
        holder.resize(place.width() + 20, place.height() + 20);
        auto* spin = new CSpinWnd(&holder);
        spin->setGeometry(QRect(QPoint(10, 10), place.size()));
        spin->SetSkinPictures(light.Screen(0), light.Screen(1), light.Screen(2), light.Screen(3),
                              place);
        spin->SetMaximum(255);
        spin->SetValue(value);
        holder.show();
        QCoreApplication::processEvents();
        shots.emplace_back(QStringLiteral("spin at %1").arg(value), holder.grab().toImage());
    }

    const QImage gallery = GalleryStrip(shots, 120);
    return gallery.save(out + QStringLiteral("/lists.png"));
}
