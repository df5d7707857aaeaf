// One control's place in a window, as a layout file gives it.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

#include "skin/SkinRect.h"

// The entry is its rectangle, so it goes wherever a rectangle does.
struct SkinEntry : SkinRect {
    // The fields of the layout record hold 39 and 399 units; longer values are cut.
    static constexpr std::size_t kNameUnits = 39;
    static constexpr std::size_t kTextUnits = 399;

    std::u16string name;
    std::u16string text;
};

// "name,x,y,width,height,text". Numbers that cannot be read stay 0; without a text field the
// text is whatever follows the last comma (the height digits).
SkinEntry ParseSkinEntry(std::u16string_view value);
