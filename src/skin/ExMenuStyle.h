// Hands the items of a CExMenu to the menu's own measuring and drawing, and gives the menu
// a black panel with a 3-pixel border for the frame the menu decoration paints.
#pragma once

#include <QProxyStyle>

class CExMenu;

class ExMenuStyle : public QProxyStyle {
public:
    explicit ExMenuStyle(CExMenu* menu);

    void drawControl(ControlElement element, const QStyleOption* option, QPainter* painter,
                     const QWidget* widget) const override;
    void drawPrimitive(PrimitiveElement element, const QStyleOption* option, QPainter* painter,
                       const QWidget* widget) const override;
    QSize sizeFromContents(ContentsType type, const QStyleOption* option, const QSize& size,
                           const QWidget* widget) const override;
    int pixelMetric(PixelMetric metric, const QStyleOption* option,
                    const QWidget* widget) const override;

private:
    const CExMenu* MenuOf(const QWidget* widget) const;

    CExMenu* menu_;
};
