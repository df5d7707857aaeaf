// One popup-menu window caught by the menu decoration: paints the frame over the window's
// border after the window has painted itself, on screen and when the window is grabbed.
#pragma once

#include <QObject>

class QPainter;
class QWidget;

class CMenuWndHook : public QObject {
public:
    explicit CMenuWndHook(QWidget* menuWindow);
    ~CMenuWndHook() override;

    QWidget* Window() const { return window_; }
    // Cut when the record goes, so a window caught many times keeps no stale links.
    void HoldLink(QMetaObject::Connection link) { link_ = link; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QWidget* window_;
    bool forwarding_ = false;
    QMetaObject::Connection link_;
};

// The 3-pixel frame of a window of w x h: blue outside, two black lines within.
void DrawMenuFrame(QPainter& painter, int width, int height);
