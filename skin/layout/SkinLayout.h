// What every skinned window reads from its layout file: its size, the controls by key with
// their rectangles and looks, and where the window paints texts of its own. The builder draws
// and writes from this table, and the skin check reads the written files back against it.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace art {

struct Rect {
    int x = 0;
    int y = 0;
    int w = 0;
    int h = 0;

    int Right() const { return x + w; }
    int Bottom() const { return y + h; }
    bool Empty() const { return w <= 0 || h <= 0; }
    bool Intersects(const Rect& o) const {
        return x < o.Right() && o.x < Right() && y < o.Bottom() && o.y < Bottom();
    }
    bool Contains(const Rect& o) const {
        return o.x >= x && o.y >= y && o.Right() <= Right() && o.Bottom() <= Bottom();
    }
};

// Rectangles the windows give as left, top, right, bottom.
constexpr Rect Ltrb(int l, int t, int r, int b) {
    return Rect{l, t, r - l, b - t};
}

enum class Kind {
    Area,        // a place only: page area, preview, dialog host; no picture of its own
    Button,      // captioned push button
    Tab,         // page tab of the main window
    Slot,        // profile slot
    Option,      // check box or radio: indicator at the left, caption indented 20
    DropDown,    // field with a chevron that opens a list or menu
    IconButton,  // glyph only
    Close,
    Minimise,
    Logo,    // decorative emblem
    Led,     // decorative two-state light
    Level,   // sensitivity level with two value lines
    Assign,  // button page: assignment of one mouse button
    Marker,  // button page: numbered spot on the mouse
    Swatch,  // preset colour
    Edit,    // edit box; the box paints itself, the art frames it
    Slider,  // track; only the groove is art, the thumb is its own picture
    List,    // list box with a skinned scroll bar
    Spin,    // number box with up and down arrows at its right edge
    ColourField,
    ColourBar,
    ColourWell,
};

enum class Glyph { None, Plus, Trash, Dots, Pencil, Up, Down, Record, Profile };

struct Control {
    int key = 0;
    std::string name;  // the entry's name field: a label for the skin author
    Rect rect;
    Kind kind = Kind::Area;
    std::string tooltip;  // the entry's text field; never holds a comma
    Glyph glyph = Glyph::None;
    std::uint32_t colour = 0;  // swatch colour as 0xRRGGBB; marker number
    std::string picture;       // slider thumb picture in the skin folder
};

// A text the window paints itself over its background; no control may cover it.
struct PaintedText {
    int string = 0;
    Rect rect;
};

enum class Chrome {
    Main,     // rounded frame, title bar, tab row, bottom bar
    Page,     // fills the main window's page area
    Dialog,   // rounded top-level dialog with a title bar
    Overlay,  // a panel at a fixed place over a page; the rest of the window is cut away
};

struct Panel {
    Rect rect;
    bool flat = false;  // filled with flatColour exactly (a window paints over it)
    std::uint32_t flatColour = 0;
};

struct Window {
    std::string layout;  // layout file name without ".ini"
    std::string prefix;  // first part of the picture names
    int width = 0;
    int height = 0;
    Chrome chrome = Chrome::Page;
    std::vector<Control> controls;
    std::vector<PaintedText> texts;
    std::vector<Panel> panels;
    Rect opaque;  // Overlay: the only part of the window that is kept

    std::string LayoutFile() const { return layout + ".ini"; }
    // Mask, Normal, Over, Down, Disable.
    std::string ScreenFile(int screen) const;
    const Control* Find(int key) const;
};

inline constexpr const char* kScreenKeys[5] = {"Mask", "Normal", "Over", "Down", "Disable"};

// A picture read without a layout entry; width and height 0 when the windows fix no size.
struct FixedPicture {
    std::string file;  // relative to the skin folder
    int width = 0;
    int height = 0;
    bool twin = false;  // drawn a second time at twice the pixels, for screens of ratio 2
};

const std::vector<Window>& Windows();
const std::vector<FixedPicture>& FixedPictures();
const Window& WindowNamed(const std::string& layout);

// The lighting page's light zones 1 to 5, in page coordinates.
inline constexpr Rect kZones[5] = {{253, 224, 70, 120},
                                   {168, 232, 52, 47},
                                   {134, 232, 69, 47},
                                   {101, 232, 68, 47},
                                   {85, 232, 50, 47}};
// Where the lighting page shows light_dis.jpg, and the dark panel it paints over hidden
// slider labels (colour 17, 17, 17).
inline constexpr Rect kLightDisabled{430, 108, 436, 211};
inline constexpr Rect kLightSliderPanel{430, 370, 280, 134};
inline constexpr std::uint32_t kLightPanelColour = 0x111111;

// The scroll-bar picture: nine cells across, three rows (normal, hover, pressed).
inline constexpr int kScrollUnit = 14;
// Keys of the thumb pictures' transparent colour (their top-left pixel).
inline constexpr std::uint32_t kThumbKey = 0xFF00FF;

// "name,x,y,width,height,text" as the layout file holds it.
std::string EntryValue(const Control& c);

}  // namespace art
