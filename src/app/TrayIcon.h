#pragma once

#include <QObject>
#include <functional>
#include <memory>

class QAction;
class QMenu;
class QSystemTrayIcon;
class StringTable;

// The notification-area icon: a left click shows the window; the right-click menu holds
// "show", "start with the system" and "exit". It exists only while a mouse is connected.
class TrayIcon : public QObject {
public:
    using CommandFn = std::function<void(int command)>;

    TrayIcon(const StringTable& strings, CommandFn onCommand, QObject* parent);
    ~TrayIcon() override;

    void Add();
    void Remove();
    bool Shown() const;
    void SetAutoRunChecked(bool on);
    QMenu* Menu() const { return menu_.get(); }

private:
    CommandFn onCommand_;
    std::unique_ptr<QMenu> menu_;
    QAction* autoRun_ = nullptr;
    QSystemTrayIcon* icon_ = nullptr;
};
