// The swatch of the picked colour; it posts 1115 (colour changed) and 1117 (drag ended) to
// its parent.
#pragma once

#include <QWidget>

#include "pages/lighting/ColourWell.h"

class GTColorWellWnd : public QWidget {
    Q_OBJECT
public:
    explicit GTColorWellWnd(QWidget* parent = nullptr, std::uint32_t initial = 0);
    ColourWell& Core() { return core_; }
    std::uint32_t Colour() const { return core_.Colour(); }

protected:
    void paintEvent(QPaintEvent* e) override;

private:
    ColourWell core_;
};
