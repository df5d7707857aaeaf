// What the lighting page's controls do to the current profile. The page keeps the colour
// being edited; every edit says whether the preview has to start again.
#pragma once

#include <cstdint>

struct tagPROFILE;

class LightingEdits {
public:
    explicit LightingEdits(tagPROFILE* profile = nullptr) : p_(profile) {}
    void SetProfile(tagPROFILE* profile) { p_ = profile; }
    tagPROFILE* Profile() const { return p_; }

    // The colour being edited (red until the first refresh).
    std::uint32_t Current() const { return current_; }
    void SetCurrent(std::uint32_t c) { current_ = c; }

    // Effect menu command 1001..1010: stores the mode and returns it.
    int ChooseEffect(int command);
    // Swatch k (0..15): lightColor and the current colour become the preset; true when the
    // preview must restart (steady light only). Out-of-range k changes nothing.
    bool Swatch(int k);
    // The well's colour after 1115: true when the preview must restart.
    bool PickerColourChanged(std::uint32_t wellColour);
    // A spin box's value (1114): the new current colour, which goes to the selector; the
    // colour is stored as after a picker change. `restart` as above.
    std::uint32_t ComponentChanged(int id, std::uintptr_t value, bool& restart);
    // Colour source button 0 (picker) or 1 (swatches).
    void ChooseSource(int source);
    // Slider notices by id; `settled` also answers whether the preview restarts.
    void SliderChanging(int id, int value);
    bool SliderSettled(int id, int value);

private:
    bool TakeColour(std::uint32_t c);

    tagPROFILE* p_;
    std::uint32_t current_ = 0x0000FF;
};
