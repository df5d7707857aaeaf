// The swatch beside the picker: it shows the selector's colour and tells its parent.
#pragma once

#include <cstdint>
#include <functional>

class ColourSelector;

class ColourWell {
public:
    explicit ColourWell(std::uint32_t initial = 0) : colour_(initial) {}

    std::uint32_t Colour() const { return colour_; }
    void SetColour(std::uint32_t c) { colour_ = c; }
    void LinkSelector(ColourSelector* s) { selector_ = s; }
    ColourSelector* Selector() const { return selector_; }

    // The selector's change notice: take its colour, post 1115 to the parent.
    void OnSelectorNotice(const ColourSelector& sender);
    // A drag ended in the selector (1117 sent to the well): post 1117 to the parent.
    void OnDragEnded();

    // Messages posted to the parent (1115, 1117) and repaint requests.
    std::function<void(std::uint32_t message)> postToParent;
    std::function<void()> invalidate;

private:
    std::uint32_t colour_;
    ColourSelector* selector_ = nullptr;
};
