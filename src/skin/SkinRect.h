// A rectangle by its edges, right and bottom exclusive: the one form the layout files, the
// window shapes and the text rules share, so no caller converts between near-copies.
#pragma once

struct SkinRect {
    int left = 0;
    int top = 0;
    int right = 0;
    int bottom = 0;

    constexpr int Width() const { return right - left; }
    constexpr int Height() const { return bottom - top; }
    constexpr bool Contains(int x, int y) const {
        return x >= left && x < right && y >= top && y < bottom;
    }
    bool operator==(const SkinRect&) const = default;
};
