#include "pages/sensitivity/SensitivityTexts.h"

TextStyle PaintedTextStyle(const sens::PaintedText& t, std::u16string shown) {
    TextStyle s;
    s.text = std::move(shown);
    s.weight = 400;
    s.colour = t.colour;
    s.rect = t.rect;
    if (t.wrapped) {
        s.format = dt::kWordBreak | dt::kLeft;
        s.centreVertically = true;
    } else {
        s.format = dt::kSingleLine | dt::kVCenter | dt::kLeft;
    }
    return s;
}
