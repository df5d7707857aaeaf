// An owner-drawn popup menu in the skin's colours: black items with white text, the hovered
// item blue with black text, an arrow on items that open a submenu.
//
// Caller protocol: construct, AppendItem for each entry (a submenu is a second CExMenu filled
// the same way), FitItemWidth(minimum), Track(point, owner, onCommand). The chosen command
// reaches onCommand(id) afterwards from the owner's event loop, as a posted command would;
// nothing arrives when the menu is closed without a choice or the owner is gone.
#pragma once

#include <QImage>
#include <QMenu>
#include <QPoint>
#include <cstdint>
#include <filesystem>
#include <functional>
#include <string>

#include "skin/CMenuItemList.h"

class QPainter;
class ExMenuStyle;

class CExMenu : public QMenu {
    Q_OBJECT
public:
    // The submenu arrow comes from res/res_129.png in the skin folder.
    explicit CExMenu(const std::filesystem::path& skinFolder, QWidget* parent = nullptr);
    ~CExMenu() override;

    // A plain item, or, with a submenu, an item that opens it; the submenu stays the
    // caller's and must outlive this menu's tracking.
    void AppendItem(int id, const std::u16string& text, CExMenu* submenu = nullptr);

    // itemWidth from the widest item text, at least the caller's minimum; returns it.
    int FitItemWidth(int minimum);
    void SetItemWidth(int width);
    int ItemWidth() const { return itemWidth_; }

    // Shows the menu with its top-left corner at the screen point until it closes. False
    // when there is nothing to show.
    bool Track(QPoint screenPoint, QObject* owner, std::function<void(int id)> onCommand);

    // Owner draw: every item is itemBaseHeight + 2 high and itemWidth wide.
    QSize MeasureItem() const;
    void DrawItem(QPainter& painter, const QRect& rect, bool selected, const QAction* item) const;

    int ItemCount() const { return itemCount_; }
    int TotalHeight() const;
    const CMenuItemList& Items() const { return items_; }
    static int CommandOf(const QAction* item);

    int itemBaseHeight = 18;
    std::uint32_t normalBack = 0x000000;  // COLORREF
    std::uint32_t selectedBack = 0x8E5101;
    std::uint32_t normalText = 0xFFFFFF;
    std::uint32_t selectedText = 0x000000;

private:
    CMenuItemList items_;
    int itemWidth_ = 0;
    int itemCount_ = 0;
    QImage arrow_;
    ExMenuStyle* style_ = nullptr;
};
