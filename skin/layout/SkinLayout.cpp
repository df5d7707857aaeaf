#include "SkinLayout.h"

#include <stdexcept>

#include "SkinTables.h"

namespace art {

std::string Window::ScreenFile(int screen) const {
    static const char* const kSuffix[5] = {"mask", "normal", "over", "down", "disable"};
    return prefix + "_" + kSuffix[screen] + ".bmp";
}

const Control* Window::Find(int key) const {
    for (const Control& c : controls) {
        if (c.key == key) {
            return &c;
        }
    }
    return nullptr;
}

const std::vector<Window>& Windows() {
    static const std::vector<Window> windows = [] {
        std::vector<Window> all;
        AddPageWindows(all);
        AddDialogWindows(all);
        return all;
    }();
    return windows;
}

const Window& WindowNamed(const std::string& layout) {
    for (const Window& w : Windows()) {
        if (w.layout == layout) {
            return w;
        }
    }
    throw std::out_of_range("no window " + layout);
}

const std::vector<FixedPicture>& FixedPictures() {
    static const std::vector<FixedPicture> pictures = [] {
        const Rect preview = WindowNamed("skin_light").Find(29)->rect;
        std::vector<FixedPicture> p = {
            // The macro list popup: 190 wide, at most ten rows of 25.
            {"list_mask.bmp", 190, 250},
            {"slider_arrow_up.bmp", 0, 0, true},
            {"slider_arrow_down.bmp", 0, 0, true},
            {"slider_arrow_rect.bmp", 0, 0, true},
            {"Mouse.png", preview.w, preview.h, true},
            {"light_dis.jpg", kLightDisabled.w, kLightDisabled.h},
            {"res/res_136.bmp", 9 * kScrollUnit, 3 * kScrollUnit, true},
            {"res/res_2.bmp", 15, 15, true},
            {"res/res_3.bmp", 15, 15, true},
            {"res/res_4.bmp", 15, 15, true},
            {"res/res_5.bmp", 15, 15, true},
            {"res/res_129.png", 32, 32, true},
            {"res/res_128.png", 256, 256},
        };
        for (int z = 0; z < 5; ++z) {
            p.push_back({std::to_string(z + 1) + ".png", kZones[z].w, kZones[z].h, true});
        }
        return p;
    }();
    return pictures;
}

std::string EntryValue(const Control& c) {
    if (c.tooltip.find(',') != std::string::npos) {
        // The reader takes the text after the last comma; a comma would cut the tooltip.
        throw std::invalid_argument("tooltip with a comma: " + c.name);
    }
    return c.name + "," + std::to_string(c.rect.x) + "," + std::to_string(c.rect.y) + "," +
           std::to_string(c.rect.w) + "," + std::to_string(c.rect.h) + "," + c.tooltip;
}

}  // namespace art
