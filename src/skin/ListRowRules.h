// What a list row's 32-bit item value says about it: bits 0-3 its icon, bits 4-7 press (1)
// or release (2), bits 8-15 the code that pairs a press with its release.
#pragma once

#include <cstdint>
#include <vector>

enum class RowPairing { None, Press, Release };

// The icon's resource number 2..9, or 0 for a row without an icon.
int RowIcon(std::uint32_t value);
RowPairing RowPairingOf(std::uint32_t value);
int RowPairCode(std::uint32_t value);

// The partner of `row`: from a press downward, from a release upward, the first row with the
// same pairing code; -1 for none or for a row that pairs with nothing.
int FindPartnerRow(const std::vector<std::uint32_t>& values, int row);

struct RowTrianglePoint {
    int x = 0;
    int y = 0;
};
// The hover mark of a row rectangle (right and bottom exclusive): a triangle pointing left.
struct RowTriangle {
    RowTrianglePoint tip, top, bottom;
};
RowTriangle HoverTriangle(int top, int right, int bottom);
