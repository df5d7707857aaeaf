#include "app/TrayIcon.h"

#include "common/StringIds.h"
#include <QAction>
#include <QApplication>
#include <QIcon>
#include <QMenu>
#include <QPainter>
#include <QSystemTrayIcon>

#include "common/Messages.h"
#include "common/StringTable.h"
#include "platform/QtText.h"

namespace {
constexpr int kTipUnits = 128;  // the shell takes 127 characters

// The program's icon until the skin supplies one: the accent ring on a dark disc.
QIcon DefaultIcon() {
    QPixmap pixmap(32, 32);
    pixmap.fill(Qt::transparent);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    p.setBrush(QColor(18, 20, 24));
    p.setPen(QPen(QColor(1, 81, 142), 4));
    p.drawEllipse(QRectF(3, 3, 26, 26));
    p.setBrush(QColor(1, 81, 142));
    p.setPen(Qt::NoPen);
    p.drawEllipse(QRectF(12, 8, 8, 12));
    return QIcon(pixmap);
}
}  // namespace

TrayIcon::TrayIcon(const StringTable& strings, CommandFn onCommand, QObject* parent)
    : QObject(parent), onCommand_(std::move(onCommand)), menu_(std::make_unique<QMenu>()) {
    QAction* show = menu_->addAction(ToQString(strings.Get(str::kTrayShow)));
    menu_->setDefaultAction(show);
    connect(show, &QAction::triggered, this, [this] { onCommand_(msg::kCmdShowWindow); });
    autoRun_ = menu_->addAction(ToQString(strings.Get(str::kStartWithSystem)));
    autoRun_->setCheckable(true);
    connect(autoRun_, &QAction::triggered, this, [this] { onCommand_(msg::kCmdToggleAutoRun); });
    menu_->addSeparator();
    QAction* exit = menu_->addAction(ToQString(strings.Get(str::kTrayExit)));
    connect(exit, &QAction::triggered, this, [this] { onCommand_(msg::kCmdExit); });

    icon_ = new QSystemTrayIcon(
        QApplication::windowIcon().isNull() ? DefaultIcon() : QApplication::windowIcon(), this);
    icon_->setToolTip(ToQString(strings.Get(str::kTrayTip, kTipUnits)));
    icon_->setContextMenu(menu_.get());
    connect(icon_, &QSystemTrayIcon::activated, this, [this](QSystemTrayIcon::ActivationReason r) {
        if (r == QSystemTrayIcon::Trigger || r == QSystemTrayIcon::DoubleClick) {
            onCommand_(msg::kCmdShowWindow);
        }
    });
}

TrayIcon::~TrayIcon() = default;

void TrayIcon::Add() {
    icon_->show();
}
void TrayIcon::Remove() {
    icon_->hide();
}
bool TrayIcon::Shown() const {
    return icon_->isVisible();
}
void TrayIcon::SetAutoRunChecked(bool on) {
    autoRun_->setChecked(on);
}
