// The number rules of the spin control: stepping by its buttons and correcting typed text.
#pragma once

#include <optional>
#include <string_view>

struct SpinRange {
    int step = 1;
    int minimum = 0;
    int maximum = 10;
};

// The number at the start of the text as the classic text-to-integer call reads it: leading
// blanks, an optional sign, digits; 0 without any. Held to the int range.
int LeadingNumber(std::u16string_view text);

// The multiple of step nearest to v, halves upward; a step below 1 leaves v as it is.
int NearestMultiple(int v, int step);

// The button's new value, or nothing when the shown value is already past the end it moves
// towards. The result always lies in the range.
std::optional<int> SpinUp(int shown, const SpinRange& r);
std::optional<int> SpinDown(int shown, const SpinRange& r);

// A typed value moved to a multiple of step and held to the range.
int SpinCorrected(int typed, const SpinRange& r);
