// The dialogs. The insert host and its two pages share the macro page's coordinates: each is
// as large as the page, and its mask keeps only its panel, so the event list stays in view.
#include "SkinTables.h"

namespace art {
namespace {

// Fixed by the texts the insert windows paint (550..846 across, 208..337 down).
constexpr Rect kInsertPanel{534, 196, 332, 240};
constexpr Rect kInsertPages{542, 242, 316, 144};

Window InsertHost() {
    Window w{"skin_InsertMacro", "InsertMacro", 900, 520, Chrome::Overlay, {}, {}, {},
             kInsertPanel};
    w.controls = {
        C(2, "Choice", {640, 208, 212, 28}, Kind::DropDown, "What to insert"),
        C(3, "Pages", {0, 0, 900, 520}, Kind::Area, "Insert pages"),
        C(4, "OK", {648, 394, 98, 30}, Kind::Button, "Insert"),
        C(5, "Cancel", {754, 394, 98, 30}, Kind::Button, "Cancel the insert"),
    };
    w.texts = {{18, {550, 208, 80, 28}}};
    return w;
}

Window InsertDelayPage() {
    Window w{"skin_InsertMacro1", "InsertMacro1", 900, 520, Chrome::Overlay, {}, {}, {},
             kInsertPages};
    w.controls = {
        C(1, "Hint", {550, 252, 296, 48}, Kind::Area, "Delay to insert"),
        C(2, "Delay", {724, 312, 62, 25}, Kind::Edit, "Delay in milliseconds"),
        C(3, "Footer", {550, 350, 296, 26}, Kind::Area, "Delay range"),
    };
    w.texts = {{58, {550, 312, 170, 25}}, {15, {790, 312, 56, 25}}};
    return w;
}

Window InsertRecordPage() {
    Window w{"skin_InsertMacro2", "InsertMacro2", 900, 520, Chrome::Overlay, {}, {}, {},
             kInsertPages};
    w.controls = {
        C(1, "MeasuredDelay", {550, 248, 300, 26}, Kind::Option, "Record the delays as played"),
        C(2, "FixedDelay", {550, 312, 170, 25}, Kind::Option, "One fixed delay between events"),
        C(3, "NoDelay", {550, 280, 300, 26}, Kind::Option, "No delays"),
        C(4, "Delay", {724, 312, 62, 25}, Kind::Edit, "Fixed delay in milliseconds"),
        C(6, "Record", {550, 346, 150, 32}, Kind::Button, "Record events to insert", Glyph::Record),
    };
    w.texts = {{15, {790, 312, 56, 25}}};
    return w;
}

Window SelectMacro() {
    Window w{"skin_select_macro", "select_macro", 520, 350, Chrome::Dialog, {}, {}, {}, {}};
    w.controls = {
        C(1, "OK", {150, 298, 100, 32}, Kind::Button, "Assign the macro"),
        C(2, "Cancel", {270, 298, 100, 32}, Kind::Button, "Close without change"),
        C(3, "Close", {478, 14, 28, 28}, Kind::Close, "Close"),
        C(4, "Macro", {64, 180, 200, 30}, Kind::DropDown, "Choose a macro"),
        C(5, "PlayOnce", {280, 119, 28, 28}, Kind::Option, "Play once per press"),
        C(6, "PlayHeld", {280, 174, 28, 28}, Kind::Option, "Repeat while held"),
        C(7, "PlayToggle", {280, 229, 28, 28}, Kind::Option, "Start and stop with a press"),
    };
    w.texts = {{82, Ltrb(34, 0, 234, 58)},
               {83, Ltrb(64, 128, 238, 173)},
               {84, Ltrb(315, 105, 480, 160)},
               {85, Ltrb(315, 160, 480, 215)},
               {86, Ltrb(315, 215, 480, 270)}};
    return w;
}

Window Shortcut() {
    Window w{"skin_shortcut", "shortcut", 520, 340, Chrome::Dialog, {}, {}, {}, {}};
    w.controls = {
        C(8, "Key", {160, 96, 200, 90}, Kind::Edit, "The captured key"),
        C(1, "OK", {150, 290, 100, 32}, Kind::Button, "Use this combination"),
        C(2, "Cancel", {270, 290, 100, 32}, Kind::Button, "Close without change"),
        C(3, "Close", {478, 14, 28, 28}, Kind::Close, "Close"),
        C(4, "Ctrl", {50, 240, 100, 28}, Kind::Option, "Hold Ctrl"),
        C(5, "Shift", {158, 240, 100, 28}, Kind::Option, "Hold Shift"),
        C(6, "Alt", {266, 240, 100, 28}, Kind::Option, "Hold Alt"),
        C(7, "Win", {374, 240, 100, 28}, Kind::Option, "Hold the Windows key"),
    };
    w.texts = {{90, Ltrb(34, 0, 234, 58)}, {95, Ltrb(160, 200, 360, 222)}};
    return w;
}

Window Warning() {
    Window w{"skin_warning", "warning", 500, 390, Chrome::Dialog, {}, {}, {}, {}};
    w.controls = {
        C(1, "OK", {140, 340, 100, 32}, Kind::Button, "OK"),
        C(2, "Cancel", {260, 340, 100, 32}, Kind::Button, "Cancel"),
        C(3, "Close", {458, 14, 28, 28}, Kind::Close, "Close"),
    };
    w.texts = {{100, Ltrb(34, 0, 234, 58)}, {101, Ltrb(20, 60, 480, 330)}};
    return w;
}

}  // namespace

void AddDialogWindows(std::vector<Window>& out) {
    out.push_back(InsertHost());
    out.push_back(InsertDelayPage());
    out.push_back(InsertRecordPage());
    out.push_back(SelectMacro());
    out.push_back(Shortcut());
    out.push_back(Warning());
}

}  // namespace art
