#include "skin/ListRowRules.h"

int RowIcon(std::uint32_t value) {
    const int k = static_cast<int>(value & 0x0F);
    return k >= 2 && k <= 9 ? k : 0;
}

RowPairing RowPairingOf(std::uint32_t value) {
    switch ((value >> 4) & 0x0F) {
        case 1:
            return RowPairing::Press;
        case 2:
            return RowPairing::Release;
        default:
            return RowPairing::None;
    }
}

int RowPairCode(std::uint32_t value) {
    return static_cast<int>((value >> 8) & 0xFF);
}

int FindPartnerRow(const std::vector<std::uint32_t>& values, int row) {
    if (row < 0 || row >= static_cast<int>(values.size())) {
        return -1;
    }
    const RowPairing pairing = RowPairingOf(values[static_cast<std::size_t>(row)]);
    if (pairing == RowPairing::None) {
        return -1;
    }
    const int code = RowPairCode(values[static_cast<std::size_t>(row)]);
    const int dir = pairing == RowPairing::Press ? 1 : -1;
    for (int i = row + dir; i >= 0 && i < static_cast<int>(values.size()); i += dir) {
        if (RowPairCode(values[static_cast<std::size_t>(i)]) == code) {
            return i;
        }
    }
    return -1;
}

RowTriangle HoverTriangle(int top, int right, int bottom) {
    return {{right - 16, (top + bottom) / 2}, {right - 6, top + 5}, {right - 6, bottom - 5}};
}
