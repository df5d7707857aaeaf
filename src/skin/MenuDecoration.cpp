#include "skin/MenuDecoration.h"

#include <QApplication>
#include <QEvent>
#include <QMenu>
#include <QStyle>
#include <algorithm>
#include <memory>
#include <unordered_map>

#include "platform/Trace.h"
#include "skin/CMenuWndHook.h"
#include "skin/MenuLook.h"

namespace {

class MenuDecorationFilter : public QObject {
protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
};

struct DecorationState {
    std::unique_ptr<MenuDecorationFilter> filter;
    std::unordered_map<const QWidget*, std::unique_ptr<CMenuWndHook>> windows;
    std::size_t made = 0;
};

DecorationState& State() {
    static DecorationState state;
    return state;
}

void Release(const QWidget* window) {
    State().windows.erase(window);
}

// Styles that give a menu a thinner border get the missing pixels as contents margins, so
// the frame covers border only and never the items.
void MakeRoomForFrame(QMenu& menu) {
    QStyle* style = menu.style();
    const int panel = style->pixelMetric(QStyle::PM_MenuPanelWidth, nullptr, &menu);
    const int across =
        menu_look::kFrameWidth - panel - style->pixelMetric(QStyle::PM_MenuHMargin, nullptr, &menu);
    const int down =
        menu_look::kFrameWidth - panel - style->pixelMetric(QStyle::PM_MenuVMargin, nullptr, &menu);
    QMargins m = menu.contentsMargins();
    const QMargins before = m;
    m.setLeft(std::max(m.left(), across));
    m.setRight(std::max(m.right(), across));
    m.setTop(std::max(m.top(), down));
    m.setBottom(std::max(m.bottom(), down));
    if (m != before) {
        menu.setContentsMargins(m);
    }
}

void Decorate(QMenu& menu) {
    DecorationState& s = State();
    if (s.windows.count(&menu) != 0) {
        return;
    }
    auto record = std::make_unique<CMenuWndHook>(&menu);
    record->HoldLink(QObject::connect(&menu, &QObject::destroyed, s.filter.get(),
                                      [window = &menu] { Release(window); }));
    s.windows.emplace(&menu, std::move(record));
    ++s.made;
    menu.update();
}

bool MenuDecorationFilter::eventFilter(QObject* watched, QEvent* event) {
    const QEvent::Type type = event->type();
    if (type != QEvent::Polish && type != QEvent::Show && type != QEvent::Hide) {
        return false;
    }
    auto* menu = qobject_cast<QMenu*>(watched);
    if (menu == nullptr || !menu->isWindow()) {
        return false;
    }
    if (type == QEvent::Polish) {
        MakeRoomForFrame(*menu);
    } else if (type == QEvent::Show) {
        Decorate(*menu);
    } else {
        Release(menu);
    }
    return false;
}

}  // namespace

void InstallMenuDecoration() {
    DecorationState& s = State();
    if (s.filter || QCoreApplication::instance() == nullptr) {
        return;
    }
    s.windows.reserve(1000);
    s.made = 0;
    s.filter = std::make_unique<MenuDecorationFilter>();
    QCoreApplication::instance()->installEventFilter(s.filter.get());
    qCDebug(lcApp) << "menu decoration installed";
}

void RemoveMenuDecoration() {
    DecorationState& s = State();
    if (!s.filter) {
        return;
    }
    s.windows.clear();
    if (QCoreApplication::instance() != nullptr) {
        QCoreApplication::instance()->removeEventFilter(s.filter.get());
    }
    s.filter.reset();
    qCDebug(lcApp) << "menu decoration removed";
}

bool MenuDecorationInstalled() {
    return State().filter != nullptr;
}

std::size_t DecoratedMenuCount() {
    return State().windows.size();
}

std::size_t MenuDecorationsMade() {
    return State().made;
}

const CMenuWndHook* FindMenuWndHook(const QWidget* menuWindow) {
    const auto& windows = State().windows;
    const auto it = windows.find(menuWindow);
    return it != windows.end() ? it->second.get() : nullptr;
}
