// The colour field window: paints what ColourSelector holds and hands it the mouse and the
// keys. The field is rendered into an off-screen picture only when z, the model or the size
// changed; every paint copies one finished picture to the screen.
#pragma once

#include <QImage>
#include <QWidget>

#include "pages/lighting/ColourSelector.h"

class GTColorSliderWnd;
class GTColorWellWnd;

class GTColorSelectorWnd : public QWidget {
    Q_OBJECT
public:
    explicit GTColorSelectorWnd(QWidget* parent = nullptr, int id = 100);

    ColourSelector& Core() { return core_; }
    const ColourSelector& Core() const { return core_; }
    void SetModel(int model, int xMax, int yMax) { core_.SetModel(model, xMax, yMax); }
    void SetColour(std::uint32_t c) { core_.SetColour(c); }
    std::uint32_t Colour() const { return core_.Colour(); }
    void Link(GTColorSliderWnd* bar, GTColorWellWnd* well);

protected:
    bool event(QEvent* e) override;
    void paintEvent(QPaintEvent* e) override;
    void resizeEvent(QResizeEvent* e) override;
    void mousePressEvent(QMouseEvent* e) override;
    void mouseMoveEvent(QMouseEvent* e) override;
    void mouseReleaseEvent(QMouseEvent* e) override;
    void mouseDoubleClickEvent(QMouseEvent* e) override;
    void keyPressEvent(QKeyEvent* e) override;

private:
    ColourSelector core_;
    QImage field_;
};

// The classic navigation key of a Qt key, 0 for any other.
int PickerKeyOf(int qtKey);
