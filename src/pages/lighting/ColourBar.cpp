#include "pages/lighting/ColourBar.h"

#include <algorithm>

#include "pages/lighting/PickerKeys.h"

bool ColourBar::SetModel(int modelWithFlag) {
    const int model = modelWithFlag & ~kReversed;
    if (model > 6 || model < 0) {
        return false;
    }
    model_ = model;
    reversed_ = (modelWithFlag & kReversed) != 0;
    minimum_ = 0;
    if (model == 3) {
        maximum_ = 3599;
        smallStep_ = 10;
        largeStep_ = 100;
    } else if (model == 4 || model == 5) {
        maximum_ = 1000;
        smallStep_ = 10;
        largeStep_ = 100;
    } else {
        maximum_ = 255;
        smallStep_ = 1;
        largeStep_ = 10;
    }
    position_ = reversed_ ? maximum_ : minimum_;
    Invalidate();
    return true;
}

void ColourBar::Resize(int w, int h) {
    inner_ = {2, 2, w - 3, h - 3};
    bar_ = inner_;
    const int in = kMarkerSize + 1;
    const int along = kMarkerSize - 3;  // room at both ends for the marker's tip
    if (Horizontal()) {
        if (style_ & kMarkerFirstSide) {
            bar_.top += in;
        }
        if (style_ & kMarkerSecondSide) {
            bar_.bottom -= in;
        }
        bar_.left += along;
        bar_.right -= along;
    } else {
        if (style_ & kMarkerFirstSide) {
            bar_.left += in;
        }
        if (style_ & kMarkerSecondSide) {
            bar_.right -= in;
        }
        bar_.top += along;
        bar_.bottom -= along;
    }
    track_ = {bar_.left + 2, bar_.top + 2, bar_.right - 2, bar_.bottom - 2};
}

int ColourBar::TrackLength() const {
    return std::max(0, Horizontal() ? track_.Width() : track_.Height());
}

int ColourBar::MarkerAt() const {
    const int start = Horizontal() ? track_.left : track_.top;
    if (maximum_ == minimum_) {
        return start;
    }
    return start + static_cast<int>(static_cast<long long>(position_ - minimum_) * TrackLength() /
                                    (maximum_ - minimum_));
}

void ColourBar::Notify() {
    if (id_ == 0) {
        return;
    }
    if (selector_ != nullptr) {
        selector_->OnBarNotice(ZOfPosition());
    } else if (notifyParent) {
        notifyParent(id_, position_);
    }
}

bool ColourBar::LeftDown(int px, int py) {
    if (!inner_.Contains(px, py)) {
        return false;
    }
    dragging_ = true;
    DragTo(px, py);
    return true;
}

void ColourBar::Move(int px, int py) {
    if (dragging_) {
        DragTo(px, py);
    }
}

void ColourBar::DragTo(int px, int py) {
    const int length = TrackLength();
    int offset = 0;
    if (Horizontal()) {
        offset = std::clamp(px, track_.left, std::max(track_.left, track_.right)) - track_.left;
    } else {
        offset = std::clamp(py, track_.top, std::max(track_.top, track_.bottom)) - track_.top;
    }
    const double span = maximum_ - minimum_;
    const double exact = length > 0 ? static_cast<double>(offset) / length * span : 0;
    const int next = minimum_ + static_cast<int>(minimum_ < maximum_ ? exact + 0.5 : exact - 0.5);
    if (next == position_) {
        return;
    }
    position_ = next;
    Invalidate();
    Notify();
}

bool ColourBar::LeftUp() {
    if (!dragging_) {
        return false;
    }
    dragging_ = false;
    Notify();
    if (selector_ != nullptr) {
        selector_->OnDragEnded();
    }
    return true;
}

void ColourBar::Key(int key) {
    if (dragging_ || key < pickerkey::kPageUp || key > pickerkey::kDown) {
        return;
    }
    int next = position_;
    switch (key) {
        case pickerkey::kPageUp:
            next -= largeStep_;
            break;
        case pickerkey::kPageDown:
            next += largeStep_;
            break;
        case pickerkey::kEnd:
            next = maximum_;
            break;
        case pickerkey::kHome:
            next = minimum_;
            break;
        case pickerkey::kRight:
        case pickerkey::kDown:
            next += smallStep_;
            break;
        default:  // left, up
            next -= smallStep_;
            break;
    }
    next = std::clamp(next, minimum_, maximum_);
    if (next == position_) {
        return;
    }
    position_ = next;
    Notify();
    Invalidate();
}

void ColourBar::OnSelectorNotice(const ColourSelector& sender) {
    const FieldPoint p = sender.Point();
    const ModelMaxima m = MaximaOf(model_);
    if (p.x >= 0 && p.x <= m.x && p.x != fieldX_) {
        fieldX_ = p.x;
        Invalidate();
    }
    if (p.y >= 0 && p.y <= m.y && p.y != fieldY_) {
        fieldY_ = p.y;
        Invalidate();
    }
    const int wanted = std::clamp(reversed_ ? maximum_ - p.z : p.z, minimum_, maximum_);
    if (wanted != position_) {
        position_ = wanted;
        Invalidate();
    }
}

std::vector<std::uint32_t> ColourBar::Gradient() const {
    const int n = TrackLength() + 1;
    std::vector<std::uint32_t> out(static_cast<std::size_t>(n));
    const ModelMaxima m = MaximaOf(model_);
    for (int i = 0; i < n; ++i) {
        const double t = n > 1 ? static_cast<double>(i) / (n - 1) : 0;
        std::uint32_t c = 0;
        if (model_ == 3) {
            c = ColourOfPoint(3, {static_cast<int>(t * 3600), 1000, 1000}, 1000, 1000);
        } else {
            const int z = static_cast<int>(t * m.z + 0.5);
            c = ColourOfPoint(model_, {z, fieldX_, fieldY_}, m.x, m.y);
        }
        out[static_cast<std::size_t>(i)] = colour::ToArgb(c);
    }
    const bool flip = reversed_ ? (style_ & kHorizontal) != 0 : (style_ & kFlipGradient) != 0;
    if (flip) {
        std::reverse(out.begin(), out.end());
    }
    return out;
}
