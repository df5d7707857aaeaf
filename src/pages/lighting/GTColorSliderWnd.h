// The colour bar window: paints what ColourBar holds (gradient, frame, marker arrows) and
// hands it the mouse and the keys.
#pragma once

#include <QImage>
#include <QWidget>

#include "pages/lighting/ColourBar.h"

class GTColorSliderWnd : public QWidget {
    Q_OBJECT
public:
    explicit GTColorSliderWnd(QWidget* parent = nullptr, int id = 101);

    ColourBar& Core() { return core_; }
    bool SetModel(int modelWithFlag) { return core_.SetModel(modelWithFlag); }
    // Style flags (see ColourBar); the geometry follows at once.
    void SetStyle(std::uint32_t flags) {
        core_.SetStyle(flags);
        core_.Resize(width(), height());
        update();
    }

protected:
    bool event(QEvent* e) override;
    void paintEvent(QPaintEvent* e) override;
    void resizeEvent(QResizeEvent* e) override;
    void mousePressEvent(QMouseEvent* e) override;
    void mouseMoveEvent(QMouseEvent* e) override;
    void mouseReleaseEvent(QMouseEvent* e) override;
    void keyPressEvent(QKeyEvent* e) override;

private:
    ColourBar core_;
};
