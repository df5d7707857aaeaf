#include "skin/CExMenu.h"

#include <QAction>
#include <QCoreApplication>
#include <QEvent>
#include <QFontMetrics>
#include <QMetaObject>
#include <QPainter>
#include <QPointer>
#include <algorithm>
#include <utility>

#include "platform/QtText.h"
#include "skin/ExMenuStyle.h"
#include "skin/MenuLook.h"
#include "skin/QtRect.h"
#include "skin/SkinImage.h"
#include "skin/SkinText.h"

namespace {
QColor FromColorRef(std::uint32_t c) {
    return QColor(static_cast<int>(c & 0xFF), static_cast<int>((c >> 8) & 0xFF),
                  static_cast<int>((c >> 16) & 0xFF));
}
}  // namespace

CExMenu::CExMenu(const std::filesystem::path& skinFolder, QWidget* parent) : QMenu(parent) {
    // At the screen's ratio, so a 2x screen gets the arrow's twin; it paints at its 1x size.
    LoadSkinImage(skinFolder / "res" / "res_129.png", arrow_, devicePixelRatioF());
    style_ = new ExMenuStyle(this);
    setStyle(style_);
}

CExMenu::~CExMenu() {
    // Back to the application's style before ours, a child, goes away.
    setStyle(nullptr);
}

void CExMenu::AppendItem(int id, const std::u16string& text, CExMenu* submenu) {
    QAction* action = nullptr;
    if (submenu != nullptr) {
        action = addMenu(submenu);
        action->setText(ToQString(text));
    } else {
        action = addAction(ToQString(text));
    }
    action->setData(id);
    items_.Add(id, text);
    ++itemCount_;
}

int CExMenu::FitItemWidth(int minimum) {
    int widest = 0;
    for (const CMenuItemList::Entry& e : items_.Entries()) {
        const QString text = ToQString(e.text);
        MeasureTextWidth(text, widest);
        // Drawn a little larger than measured; the drawn width must fit as well.
        if (!text.isEmpty()) {
            const QFont font = SkinFont(menu_look::kTextHeight);
            widest = std::max(widest, QFontMetrics(font).horizontalAdvance(text));
        }
    }
    SetItemWidth(MenuItemWidth(widest, minimum));
    return itemWidth_;
}

void CExMenu::SetItemWidth(int width) {
    itemWidth_ = std::max(0, width);
    // The menu lays its items out again with the new width.
    QEvent change(QEvent::StyleChange);
    QCoreApplication::sendEvent(this, &change);
    updateGeometry();
}

bool CExMenu::Track(QPoint screenPoint, QObject* owner, std::function<void(int id)> onCommand) {
    if (actions().isEmpty()) {
        return false;
    }
    QPointer<QObject> target(owner);
    QAction* chosen = exec(screenPoint);
    if (chosen != nullptr && target && onCommand) {
        const int id = CommandOf(chosen);
        QMetaObject::invokeMethod(
            target.data(), [onCommand = std::move(onCommand), id] { onCommand(id); },
            Qt::QueuedConnection);
    }
    return true;
}

QSize CExMenu::MeasureItem() const {
    return QSize(itemWidth_, ItemHeight(itemBaseHeight));
}

int CExMenu::TotalHeight() const {
    return itemCount_ * ItemHeight(itemBaseHeight);
}

int CExMenu::CommandOf(const QAction* item) {
    return item != nullptr ? item->data().toInt() : 0;
}

void CExMenu::DrawItem(QPainter& painter, const QRect& rect, bool selected,
                       const QAction* item) const {
    const MenuItemColours colours =
        ItemColours(selected, normalBack, selectedBack, normalText, selectedText);
    painter.fillRect(rect, FromColorRef(colours.back));

    TextStyle text;
    text.text = item != nullptr ? items_.TextOf(CommandOf(item)) : std::u16string();
    text.colour = colours.text;
    text.format = menu_look::kTextFormat;
    const SkinRect whole = ToSkinRect(rect);
    text.rect = whole;
    text.rect.left += menu_look::kTextLeftPad;
    DrawSkinText(text, painter, menu_look::kTextHeight);

    if (item != nullptr && item->menu() != nullptr && !arrow_.isNull()) {
        const MenuPoint at = ArrowOrigin(whole);
        painter.drawImage(at.x, at.y, arrow_);
    }
}
