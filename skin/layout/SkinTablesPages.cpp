// The main window and its four pages. The page area of the main window (key "10") is the
// size every page's screens are drawn in.
#include "SkinTables.h"

namespace art {
namespace {

constexpr int kPageW = 900;
constexpr int kPageH = 520;

Window MainWindow() {
    Window w{"skin_Config", "Config", 960, 712, Chrome::Main, {}, {}, {}, {}};
    w.controls = {
        C(1, "Close", {914, 12, 32, 32}, Kind::Close, "Close"),
        C(2, "Minimise", {876, 12, 32, 32}, Kind::Minimise, "Minimise"),
        C(3, "Logo", {18, 10, 36, 36}, Kind::Logo, "Corvane"),
        C(4, "TabSensitivity", {174, 62, 140, 44}, Kind::Tab, "Sensitivity and report rate"),
        C(5, "TabButtons", {30, 62, 140, 44}, Kind::Tab, "Button assignments"),
        C(6, "TabLighting", {318, 62, 140, 44}, Kind::Tab, "Lighting effects"),
        C(7, "TabMacro", {462, 62, 140, 44}, Kind::Tab, "Macro library"),
        C(8, "Restore", {30, 656, 180, 36}, Kind::Button, "Restore the default settings"),
        C(18, "Apply", {620, 656, 96, 36}, Kind::Button, "Send the settings to the mouse"),
        C(19, "OK", {722, 656, 96, 36}, Kind::Button, "Apply and close"),
        C(20, "Cancel", {824, 656, 106, 36}, Kind::Button, "Close without applying"),
        C(11, "Slot1", {290, 656, 96, 36}, Kind::Slot, "Profile slot 1"),
        C(12, "Slot2", {392, 656, 96, 36}, Kind::Slot, "Profile slot 2"),
        C(13, "Slot3", {494, 656, 96, 36}, Kind::Slot, "Profile slot 3"),
        C(14, "Profile", {640, 68, 180, 32}, Kind::DropDown, "Choose a stored profile"),
        C(15, "NewProfile", {826, 68, 32, 32}, Kind::IconButton, "New profile", Glyph::Plus),
        C(16, "DeleteProfile", {862, 68, 32, 32}, Kind::IconButton, "Delete profile", Glyph::Trash),
        C(17, "More", {898, 68, 32, 32}, Kind::IconButton, "Copy - import - export", Glyph::Dots),
        C(10, "PageArea", {30, 118, kPageW, kPageH}, Kind::Area, "Pages"),
    };
    return w;
}

Window ButtonPage() {
    Window w{"skin_button", "button", kPageW, kPageH, Chrome::Page, {}, {}, {}, {}};
    // Left column: buttons 1, 3, 4, 5, 8, 9; right column: 2, 6, 7, 10, 11, 12.
    static const int kLeft[6] = {1, 3, 4, 5, 8, 9};
    static const int kRight[6] = {2, 6, 7, 10, 11, 12};
    // Marker centres on the mouse drawing, by button number.
    static const int kMarker[12][2] = {{392, 112}, {508, 112}, {450, 86},  {344, 214},
                                       {344, 262}, {450, 150}, {450, 192}, {350, 310},
                                       {362, 356}, {556, 262}, {556, 310}, {544, 356}};
    for (int row = 0; row < 6; ++row) {
        const int y = 44 + row * 64;
        const std::string l = std::to_string(kLeft[row]);
        const std::string r = std::to_string(kRight[row]);
        w.controls.push_back(Tagged(C(kLeft[row], ("Button" + l).c_str(), {30, y, 220, 34},
                                      Kind::Assign, ("Function of button " + l).c_str()),
                                    kLeft[row]));
        w.controls.push_back(Tagged(C(kRight[row], ("Button" + r).c_str(), {650, y, 220, 34},
                                      Kind::Assign, ("Function of button " + r).c_str()),
                                    kRight[row]));
    }
    w.controls.push_back(
        C(20, "HandOption0", {296, 462, 150, 30}, Kind::Option, "Button layout for the left hand"));
    w.controls.push_back(C(21, "HandOption1", {456, 462, 150, 30}, Kind::Option,
                           "Button layout for the right hand"));
    for (int b = 0; b < 12; ++b) {
        const std::string n = std::to_string(b + 1);
        w.controls.push_back(Tagged(
            C(31 + b, ("Marker" + n).c_str(), {kMarker[b][0] - 13, kMarker[b][1] - 13, 26, 26},
              Kind::Marker, ("Button " + n).c_str()),
            b + 1));
    }
    return w;
}

Window SensitivityPage() {
    Window w{"skin_sensitivity", "sensitivity", kPageW, kPageH, Chrome::Page, {}, {}, {}, {}};
    w.panels = {{{20, 20, 860, 176}}, {{20, 200, 400, 302}}, {{440, 200, 440, 302}}};
    w.controls = {
        C(8, "LevelLight", {772, 64, 72, 30}, Kind::Led, "Level light"),
        C(9, "Sensor", {40, 40, 136, 136}, Kind::Logo, "Optical sensor"),
    };
    for (int i = 0; i < 5; ++i) {
        const std::string n = std::to_string(i + 1);
        w.controls.push_back(Tagged(C(10 + i, ("Level" + n).c_str(), {30 + i * 72, 322, 66, 48},
                                      Kind::Level, ("Sensitivity level " + n).c_str()),
                                    i + 1));
    }
    w.controls.push_back(
        C(18, "ReportRate", {700, 236, 160, 28}, Kind::DropDown, "Choose the report rate"));
    w.controls.push_back(Thumb(
        C(15, "SliderX", {52, 388, 330, 24}, Kind::Slider, "X sensitivity of the active level"),
        "slider_arrow_down.bmp"));
    w.controls.push_back(Thumb(
        C(22, "SliderY", {52, 426, 330, 24}, Kind::Slider, "Y sensitivity of the active level"),
        "slider_arrow_up.bmp"));
    w.controls.push_back(
        Thumb(C(19, "PointerSpeed", {460, 358, 400, 24}, Kind::Slider, "Pointer speed"),
              "slider_arrow_rect.bmp"));
    w.controls.push_back(
        Thumb(C(20, "Acceleration", {460, 472, 400, 24}, Kind::Slider, "Pointer acceleration"),
              "slider_arrow_rect.bmp"));
    w.controls.push_back(
        C(23, "SeparateXY", {30, 466, 180, 26}, Kind::Option, "Edit X and Y separately"));
    w.texts = {{26, Ltrb(28, 235, 328, 255)},  {27, Ltrb(30, 263, 230, 277)},
               {28, Ltrb(30, 294, 330, 308)},  {38, Ltrb(460, 213, 780, 233)},
               {39, Ltrb(460, 235, 690, 265)}, {44, Ltrb(460, 297, 780, 317)},
               {45, Ltrb(460, 319, 860, 349)}, {46, Ltrb(460, 416, 780, 436)},
               {47, Ltrb(460, 435, 860, 465)}};
    return w;
}

Window LightingPage() {
    Window w{"skin_light", "light", kPageW, kPageH, Chrome::Page, {}, {}, {}, {}};
    // The lower right panel is the colour the page paints over hidden slider labels, so
    // those patches cannot be seen.
    w.panels = {
        {{20, 20, 390, 490}},
        {{430, 20, 436, 70}},
        {{kLightDisabled.x - 6, kLightDisabled.y - 6, kLightDisabled.w + 12, kLightDisabled.h + 9}},
        {{kLightDisabled.x - 6, 326, kLightDisabled.w + 12, 184}, true, kLightPanelColour}};
    w.controls = {
        C(1, "ColourField", {440, 138, 170, 170}, Kind::ColourField, "Pick a colour"),
        C(2, "ColourBar", {618, 138, 20, 170}, Kind::ColourBar, "Hue"),
        C(3, "ColourWell", {650, 138, 40, 76}, Kind::ColourWell, "Chosen colour"),
        C(4, "Red", {800, 134, 60, 24}, Kind::Spin, "Red 0 to 255"),
        C(5, "Green", {800, 164, 60, 24}, Kind::Spin, "Green 0 to 255"),
        C(6, "Blue", {800, 194, 60, 24}, Kind::Spin, "Blue 0 to 255"),
        C(7, "Effect", {490, 332, 180, 26}, Kind::DropDown, "Choose the light effect"),
        Thumb(C(8, "Brightness", {435, 396, 270, 24}, Kind::Slider, "Brightness"),
              "slider_arrow_rect.bmp"),
        Thumb(C(9, "Speed", {435, 470, 270, 24}, Kind::Slider, "Effect speed"),
              "slider_arrow_rect.bmp"),
        C(10, "SourcePicker", {440, 112, 130, 22}, Kind::Option, "Use the colour picker"),
        C(11, "SourcePresets", {650, 226, 130, 22}, Kind::Option, "Use a preset colour"),
    };
    static const std::uint32_t kPresets[16] = {
        0xEC631F, 0xFF0000, 0x0080FF, 0x5AFF00, 0xFFFF00, 0xFFBE00, 0xFF00B4, 0xAE00FF,
        0xB9FF00, 0x00FF00, 0x00A8FF, 0x0055FF, 0x3C00FF, 0xFF1700, 0x00FF96, 0x1EEBDA};
    for (int k = 0; k < 16; ++k) {
        const std::string n = std::to_string(k + 1);
        const Rect r{650 + (k % 8) * 27, 254 + (k / 8) * 30, 22, 22};
        w.controls.push_back(Tagged(
            C(12 + k, ("Preset" + n).c_str(), r, Kind::Swatch, ("Preset colour " + n).c_str()),
            kPresets[k]));
    }
    // The value box rides 20 above the track, from 6 left of its start, 15 high: low enough
    // to leave the explanation above it (down to 436) uncovered.
    w.controls.push_back(Thumb(C(28, "Timing", {28, 458, 350, 22}, Kind::Slider, "Effect timing"),
                               "slider_arrow_rect.bmp"));
    w.controls.push_back(C(29, "Preview", {40, 140, 360, 240}, Kind::Area, "Preview"));
    w.texts = {{71, Ltrb(435, 370, 635, 390)}, {72, Ltrb(435, 444, 635, 464)},
               {75, Ltrb(695, 137, 795, 154)}, {70, Ltrb(430, 335, 480, 355)},
               {81, Ltrb(30, 390, 380, 420)},  {97, Ltrb(30, 416, 380, 436)}};
    return w;
}

Window MacroPage() {
    Window w{"skin_macro_manager", "macro_manager", kPageW, kPageH, Chrome::Page, {}, {}, {}, {}};
    w.panels = {{{20, 20, 236, 482}}, {{272, 20, 608, 482}}};
    w.controls = {
        C(1, "Macro", {34, 60, 190, 30}, Kind::DropDown, "Choose a macro"),
        C(2, "NewMacro", {34, 100, 36, 30}, Kind::IconButton, "New macro", Glyph::Plus),
        C(3, "DeleteMacro", {76, 100, 36, 30}, Kind::IconButton, "Delete macro", Glyph::Trash),
        C(4, "More", {118, 100, 36, 30}, Kind::IconButton, "Copy - import - export", Glyph::Dots),
        C(5, "Name", {34, 228, 190, 30}, Kind::DropDown, "Click to rename", Glyph::Pencil),
        C(6, "NameEdit", {34, 228, 190, 30}, Kind::Edit, "Macro name"),
        C(7, "MeasuredDelay", {34, 322, 190, 24}, Kind::Option, "Record the delays as played"),
        C(8, "FixedDelay", {34, 378, 112, 25}, Kind::Option, "One fixed delay between events"),
        C(9, "NoDelay", {34, 350, 190, 24}, Kind::Option, "No delays"),
        C(10, "Delay", {150, 378, 76, 25}, Kind::Edit, "Fixed delay in milliseconds"),
        C(11, "Record", {34, 430, 190, 40}, Kind::Button, "Record the macro", Glyph::Record),
        C(12, "Modify", {540, 60, 40, 32}, Kind::IconButton, "Edit the selected event",
          Glyph::Pencil),
        C(13, "DeleteEvent", {586, 60, 40, 32}, Kind::IconButton, "Delete the selected event",
          Glyph::Trash),
        C(14, "MoveUp", {632, 60, 40, 32}, Kind::IconButton, "Move up", Glyph::Up),
        C(15, "MoveDown", {678, 60, 40, 32}, Kind::IconButton, "Move down", Glyph::Down),
        C(16, "Events", {290, 60, 230, 430}, Kind::List, "Events of the macro"),
        C(17, "Insert", {724, 60, 136, 32}, Kind::Button, "Insert delays or events"),
        C(20, "InsertArea", {0, 0, kPageW, kPageH}, Kind::Area, "Insert dialog"),
    };
    // Under the event list's right: the macro's share of the mouse's memory, and below it
    // where the mouse would cut a macro too long.
    w.texts = {{10, Ltrb(34, 198, 224, 226)},
               {11, Ltrb(34, 292, 224, 320)},
               {15, Ltrb(230, 378, 286, 403)},
               {2101, {540, 446, 320, 22}},
               {2102, {540, 468, 320, 22}}};
    return w;
}

}  // namespace

void AddPageWindows(std::vector<Window>& out) {
    out.push_back(MainWindow());
    out.push_back(ButtonPage());
    out.push_back(SensitivityPage());
    out.push_back(LightingPage());
    out.push_back(MacroPage());
}

}  // namespace art
