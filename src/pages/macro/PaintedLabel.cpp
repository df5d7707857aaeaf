#include "pages/macro/PaintedLabel.h"

#include "skin/CBitmapBtn.h"
#include "skin/SkinText.h"

void PaintLabel(QPainter& p, const std::u16string& text, const QRect& rect, float size,
                std::uint32_t argb) {
    TextStylePlus s;
    s.text = text;
    s.argb = argb;
    s.lineAlignment = 1;
    s.noWrap = true;
    s.shrinkToFit = true;
    s.x = float(rect.x());
    s.y = float(rect.y());
    s.width = float(rect.width());
    s.height = float(rect.height());
    DrawSkinTextPlus(s, p, 0, size);
}

void SetButtonCaption(CBitmapBtn* button, const std::u16string& text) {
    button->SetCaption(text);
    button->update();
}
