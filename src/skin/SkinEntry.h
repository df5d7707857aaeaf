// One control's place in a window, as a layout file gives it.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

struct SkinEntry {
    // The fields of the layout record hold 39 and 399 units; longer values are cut.
    static constexpr std::size_t kNameUnits = 39;
    static constexpr std::size_t kTextUnits = 399;

    std::u16string name;
    int left = 0;
    int top = 0;
    int right = 0;
    int bottom = 0;
    std::u16string text;

    int Width() const { return right - left; }
    int Height() const { return bottom - top; }
};

// "name,x,y,width,height,text". Numbers that cannot be read stay 0; without a text field the
// text is whatever follows the last comma (the height digits).
SkinEntry ParseSkinEntry(std::u16string_view value);
