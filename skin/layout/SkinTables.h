// The windows' tables, kept in two files: the main window with its pages, and the dialogs.
#pragma once

#include <vector>

#include "SkinLayout.h"

namespace art {

void AddPageWindows(std::vector<Window>& out);
void AddDialogWindows(std::vector<Window>& out);

// One control; the short form keeps the tables readable.
inline Control C(int key, const char* name, Rect r, Kind kind, const char* tooltip,
                 Glyph glyph = Glyph::None) {
    Control c;
    c.key = key;
    c.name = name;
    c.rect = r;
    c.kind = kind;
    c.tooltip = tooltip;
    c.glyph = glyph;
    return c;
}

inline Control Thumb(Control c, const char* picture) {
    c.picture = picture;
    return c;
}

inline Control Tagged(Control c, std::uint32_t value) {
    c.colour = value;
    return c;
}

}  // namespace art
