// The two-dimensional colour field: three coordinates z (from the bar), x (left to right)
// and y (bottom to top) in one of the six models, the colour they give, and what the mouse
// and the keys do to them. Change notices (1294) go synchronously to the linked bar, the
// linked well and the parent; a drag's end (1117) is posted to itself and then passed on
// to the well.
#pragma once

#include <cstdint>
#include <functional>

#include "pages/lighting/ColourConversion.h"
#include "skin/SkinRect.h"

class ColourBar;
class ColourWell;

class ColourSelector {
public:
    explicit ColourSelector(int id = 0) : id_(id) {}

    int Id() const { return id_; }
    // What the owner sets directly: coordinates 0, the maxima and a field redraw.
    void SetModel(int model, int xMax, int yMax);
    void SetColour(std::uint32_t c);
    std::uint32_t Colour() const { return colour_; }
    int Model() const { return model_; }
    FieldPoint Point() const { return p_; }
    int XMax() const { return xMax_; }
    int YMax() const { return yMax_; }

    // Stores the bar and the well here and this selector in both.
    void Link(ColourBar* bar, ColourWell* well);
    ColourBar* Bar() const { return bar_; }
    ColourWell* Well() const { return well_; }

    // Client size; the field is the client inset by 1.
    void Resize(int width, int height);
    const SkinRect& Field() const { return field_; }

    // Mouse, in client coordinates. LeftDown and MiddleDown return true when the press
    // starts a drag (the window then captures the mouse).
    bool LeftDown(int px, int py);
    bool MiddleDown(int px, int py);
    void Move(int px, int py);
    // True when a drag ended here (the window releases the capture).
    bool LeftUp();
    bool Dragging() const { return dragging_; }
    bool ButtonDown() const { return buttonDown_; }

    // Keys 33..40; ignored while dragging.
    void Key(int virtualKey);

    // 1294 from the bar with the z it stands for.
    void OnBarNotice(int z);
    // 1117, posted to itself at the end of a drag or sent by the bar: on to the well.
    void OnDragEnded();

    // Where the marker is centred, and whether it is black (brightest component 128 or more).
    void MarkerCentre(double& x, double& y) const;
    bool MarkerBlack() const;

    // The field must be rendered again (z or the model changed); cleared on reading.
    bool TakeFieldRedraw();

    std::function<void(int id, std::uint32_t colour)> notifyParent;  // 1294 to the parent
    std::function<void()> postDragEnded;                             // 1117 to itself
    std::function<void()> invalidate;

private:
    void Recompute();
    void Notify();
    void DragTo(int px, int py);
    bool StartDrag(int px, int py);

    int id_;
    int model_ = kHsvModel;
    FieldPoint p_{-1, -1, -1};
    int xMax_ = 0;
    int yMax_ = 0;
    std::uint32_t colour_ = 0;
    bool fieldRedraw_ = true;
    bool dragging_ = false;
    bool buttonDown_ = false;
    SkinRect field_;
    ColourBar* bar_ = nullptr;
    ColourWell* well_ = nullptr;
};
