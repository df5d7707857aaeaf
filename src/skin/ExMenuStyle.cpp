#include "skin/ExMenuStyle.h"

#include <QAction>
#include <QPainter>
#include <QStyleOption>

#include "skin/CExMenu.h"
#include "skin/MenuLook.h"

namespace {
QColor FromColorRef(std::uint32_t c) {
    return QColor(static_cast<int>(c & 0xFF), static_cast<int>((c >> 8) & 0xFF),
                  static_cast<int>((c >> 16) & 0xFF));
}

// The option carries no action; the item is the one laid out at the option's rectangle.
const QAction* ActionAt(const CExMenu& menu, const QRect& rect) {
    for (const QAction* a : menu.actions()) {
        if (a->isVisible() && menu.actionGeometry(const_cast<QAction*>(a)) == rect) {
            return a;
        }
    }
    return nullptr;
}
}  // namespace

ExMenuStyle::ExMenuStyle(CExMenu* menu) : menu_(menu) {
    setParent(menu);
}

const CExMenu* ExMenuStyle::MenuOf(const QWidget* widget) const {
    return widget == menu_ ? menu_ : nullptr;
}

void ExMenuStyle::drawControl(ControlElement element, const QStyleOption* option, QPainter* painter,
                              const QWidget* widget) const {
    const CExMenu* menu = MenuOf(widget);
    if (menu != nullptr && element == CE_MenuItem) {
        const bool selected = option->state & State_Selected;
        menu->DrawItem(*painter, option->rect, selected, ActionAt(*menu, option->rect));
        return;
    }
    if (menu != nullptr && element == CE_MenuEmptyArea) {
        painter->fillRect(option->rect, FromColorRef(menu->normalBack));
        return;
    }
    QProxyStyle::drawControl(element, option, painter, widget);
}

void ExMenuStyle::drawPrimitive(PrimitiveElement element, const QStyleOption* option,
                                QPainter* painter, const QWidget* widget) const {
    const CExMenu* menu = MenuOf(widget);
    if (menu != nullptr && element == PE_PanelMenu) {
        painter->fillRect(option->rect, FromColorRef(menu->normalBack));
        return;
    }
    if (menu != nullptr && element == PE_FrameMenu) {
        return;  // the menu decoration paints the frame over the border
    }
    QProxyStyle::drawPrimitive(element, option, painter, widget);
}

QSize ExMenuStyle::sizeFromContents(ContentsType type, const QStyleOption* option,
                                    const QSize& size, const QWidget* widget) const {
    const CExMenu* menu = MenuOf(widget);
    if (menu != nullptr && type == CT_MenuItem) {
        return menu->MeasureItem();
    }
    return QProxyStyle::sizeFromContents(type, option, size, widget);
}

int ExMenuStyle::pixelMetric(PixelMetric metric, const QStyleOption* option,
                             const QWidget* widget) const {
    if (MenuOf(widget) != nullptr) {
        switch (metric) {
            case PM_MenuPanelWidth:
                return menu_look::kFrameWidth;
            case PM_MenuHMargin:
            case PM_MenuVMargin:
                return 0;
            default:
                break;
        }
    }
    return QProxyStyle::pixelMetric(metric, option, widget);
}
