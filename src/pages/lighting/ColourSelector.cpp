#include "pages/lighting/ColourSelector.h"

#include <algorithm>
#include <cmath>

#include "pages/lighting/ColourBar.h"
#include "pages/lighting/ColourWell.h"
#include "pages/lighting/PickerKeys.h"

void ColourSelector::SetModel(int model, int xMax, int yMax) {
    model_ = model;
    p_ = {0, 0, 0};
    xMax_ = xMax;
    yMax_ = yMax;
    fieldRedraw_ = true;
    if (invalidate) {
        invalidate();
    }
}

void ColourSelector::SetColour(std::uint32_t c) {
    const FieldPoint next = PointOfColour(model_, c, p_);
    if (next.z != p_.z) {
        fieldRedraw_ = true;
    }
    p_ = next;
    Recompute();
    Notify();
    if (invalidate) {
        invalidate();
    }
}

void ColourSelector::Link(ColourBar* bar, ColourWell* well) {
    bar_ = bar;
    well_ = well;
    if (bar != nullptr) {
        bar->LinkSelector(this);
    }
    if (well != nullptr) {
        well->LinkSelector(this);
    }
}

void ColourSelector::Resize(int width, int height) {
    field_ = {1, 1, width - 1, height - 1};
    fieldRedraw_ = true;
}

void ColourSelector::Recompute() {
    colour_ = ColourOfPoint(model_, p_, xMax_, yMax_);
}

void ColourSelector::Notify() {
    if (id_ == 0) {
        return;
    }
    if (bar_ != nullptr) {
        bar_->OnSelectorNotice(*this);
    }
    if (well_ != nullptr) {
        well_->OnSelectorNotice(*this);
    }
    if (notifyParent) {
        notifyParent(id_, colour_);
    }
}

bool ColourSelector::StartDrag(int px, int py) {
    if (!field_.Contains(px, py)) {
        return false;
    }
    dragging_ = true;
    DragTo(px, py);
    return true;
}

bool ColourSelector::LeftDown(int px, int py) {
    buttonDown_ = true;
    return StartDrag(px, py);
}

bool ColourSelector::MiddleDown(int px, int py) {
    return StartDrag(px, py);
}

void ColourSelector::Move(int px, int py) {
    if (dragging_) {
        DragTo(px, py);
    }
}

void ColourSelector::DragTo(int px, int py) {
    const int cx = std::clamp(px, field_.left, std::max(field_.left, field_.right));
    const int cy = std::clamp(py, field_.top, std::max(field_.top, field_.bottom));
    const int w = std::max(1, field_.Width());
    const int h = std::max(1, field_.Height());
    const auto x = static_cast<std::int16_t>(
        static_cast<int>(std::ceil(static_cast<double>(cx - field_.left) * xMax_ / w)));
    const auto y = static_cast<std::int16_t>(
        static_cast<int>(std::ceil(static_cast<double>(field_.bottom - cy) * yMax_ / h)));
    if (x == p_.x && y == p_.y) {
        return;
    }
    p_.x = x;
    p_.y = y;
    if (invalidate) {
        invalidate();
    }
    Recompute();
    Notify();
}

bool ColourSelector::LeftUp() {
    if (!dragging_) {
        return false;
    }
    buttonDown_ = false;
    dragging_ = false;
    Recompute();
    Notify();
    if (postDragEnded) {
        postDragEnded();
    }
    return true;
}

void ColourSelector::Key(int key) {
    if (dragging_) {
        return;
    }
    int x = p_.x;
    int y = p_.y;
    switch (key) {
        case pickerkey::kPageUp:
            x = xMax_;
            y = yMax_;
            break;
        case pickerkey::kPageDown:
            x = xMax_;
            y = 0;
            break;
        case pickerkey::kEnd:
            x = 0;
            y = 0;
            break;
        case pickerkey::kHome:
            x = 0;
            y = yMax_;
            break;
        case pickerkey::kLeft:
            --x;
            break;
        case pickerkey::kRight:
            ++x;
            break;
        case pickerkey::kUp:
            ++y;
            break;
        case pickerkey::kDown:
            --y;
            break;
        default:
            return;
    }
    x = std::clamp(x, 0, std::max(0, xMax_));
    y = std::clamp(y, 0, std::max(0, yMax_));
    if (x == p_.x && y == p_.y) {
        return;
    }
    p_.x = x;
    p_.y = y;
    if (invalidate) {
        invalidate();
    }
    Recompute();
    Notify();
}

void ColourSelector::OnBarNotice(int z) {
    if (z < 0 || z > MaximaOf(model_).z) {
        return;
    }
    p_.z = z;
    fieldRedraw_ = true;
    Recompute();
    Notify();
    if (invalidate) {
        invalidate();
    }
}

void ColourSelector::OnDragEnded() {
    if (well_ != nullptr) {
        well_->OnDragEnded();
    }
}

void ColourSelector::MarkerCentre(double& x, double& y) const {
    const double fx = xMax_ != 0 ? static_cast<double>(p_.x) / xMax_ : 0;
    const double fy = yMax_ != 0 ? static_cast<double>(p_.y) / yMax_ : 0;
    x = field_.left + field_.Width() * fx;
    y = field_.bottom - field_.Height() * fy;
}

bool ColourSelector::MarkerBlack() const {
    return std::max({colour::Red(colour_), colour::Green(colour_), colour::Blue(colour_)}) >= 128;
}

bool ColourSelector::TakeFieldRedraw() {
    const bool r = fieldRedraw_;
    fieldRedraw_ = false;
    return r;
}
