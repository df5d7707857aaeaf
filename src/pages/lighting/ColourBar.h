// The one-dimensional colour bar beside the field: it chooses z. Its position runs with z,
// or against it on a reversed bar (model | 0x80). It follows the selector's notices and
// reports its own moves to the selector (or, without one, to its parent).
#pragma once

#include <cstdint>
#include <functional>
#include <vector>

#include "pages/lighting/ColourSelector.h"

class ColourBar {
public:
    static constexpr int kReversed = 0x80;
    static constexpr std::uint32_t kHorizontal = 0x8000;
    static constexpr std::uint32_t kFlipGradient = 0x4000;
    static constexpr std::uint32_t kMarkerFirstSide = 0x2000;
    static constexpr std::uint32_t kMarkerSecondSide = 0x1000;
    static constexpr int kMarkerSize = 6;

    explicit ColourBar(int id = 0) : id_(id) {}

    int Id() const { return id_; }
    // Range, steps and start position for the model; a model above 6 is refused.
    bool SetModel(int modelWithFlag);
    int Model() const { return model_; }
    bool Reversed() const { return reversed_; }
    void SetStyle(std::uint32_t flags) { style_ = flags; }
    std::uint32_t Style() const { return style_; }

    int Minimum() const { return minimum_; }
    int Maximum() const { return maximum_; }
    int Position() const { return position_; }
    // The z the position stands for.
    int ZOfPosition() const { return reversed_ ? maximum_ - position_ : position_; }

    void LinkSelector(ColourSelector* s) { selector_ = s; }

    // Client size: inner, bar and track rectangles.
    void Resize(int width, int height);
    const SkinRect& Inner() const { return inner_; }
    const SkinRect& BarRect() const { return bar_; }
    const SkinRect& Track() const { return track_; }
    int TrackLength() const;
    bool Horizontal() const { return (style_ & kHorizontal) != 0; }
    // Pixel along the track (y of a vertical bar, x of a horizontal one) of the marker.
    int MarkerAt() const;

    bool LeftDown(int px, int py);
    void Move(int px, int py);
    bool LeftUp();
    bool Dragging() const { return dragging_; }
    // Keys 33..40; ignored while dragging.
    void Key(int virtualKey);

    // 1294 from the selector.
    void OnSelectorNotice(const ColourSelector& sender);
    int FieldX() const { return fieldX_; }
    int FieldY() const { return fieldY_; }

    // One 0xAARRGGBB colour per track pixel plus one, in drawing order: entry 0 goes to the
    // bottom row of a vertical bar, the left column of a horizontal one.
    std::vector<std::uint32_t> Gradient() const;

    std::function<void(int id, int position)> notifyParent;  // 1294 when no selector
    std::function<void()> invalidate;

private:
    void Notify();
    void DragTo(int px, int py);
    void Invalidate() {
        if (invalidate) {
            invalidate();
        }
    }

    int id_;
    int model_ = kHsvModel;
    bool reversed_ = false;
    std::uint32_t style_ = kFlipGradient | kMarkerFirstSide | kMarkerSecondSide;
    int minimum_ = 0;
    int maximum_ = 3599;
    int smallStep_ = 10;
    int largeStep_ = 100;
    int position_ = 0;
    int fieldX_ = 0;
    int fieldY_ = 0;
    bool dragging_ = false;
    SkinRect inner_, bar_, track_;
    ColourSelector* selector_ = nullptr;
};
