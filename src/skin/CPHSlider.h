// The thumb of a skinned slider: a child of the track, shaped by its picture without the key
// colour, dragged along the track. It reports 1094, 1095 and 1096 to the track, which
// forwards them to its page.
#pragma once

#include <QImage>
#include <QPoint>
#include <QRect>
#include <QWidget>
#include <cstdint>
#include <filesystem>

#include "skin/SliderScale.h"

// Slider values travel signed in wParam, as a sign-extended int would.
inline std::uintptr_t SliderWParam(std::int32_t value) {
    return static_cast<std::uintptr_t>(static_cast<std::intptr_t>(value));
}
inline std::int32_t SliderValueOf(std::uintptr_t wParam) {
    return static_cast<std::int32_t>(static_cast<std::intptr_t>(wParam));
}

class CPHSlider : public QWidget {
    Q_OBJECT
public:
    explicit CPHSlider(QWidget* track = nullptr);

    // Loads the picture (kept while the thumb lives) and places the thumb on the movement
    // rectangle's left edge, vertically centred. False, and nothing shown, when the picture
    // cannot be loaded.
    bool Create(const std::filesystem::path& image, QWidget* track, std::int32_t id,
                const QRect& movement);

    // The range must have maximum > minimum; any other is refused and the old one kept.
    bool SetRange(std::int32_t minimum, std::int32_t maximum, bool snap);
    // Shows the value (held to the range for display) and reports the thumb's new place.
    void SetPosition(std::int32_t value);

    std::int32_t Current() const { return current_; }
    bool Dragging() const { return dragging_; }
    const SliderScale& Scale() const { return scale_; }
    const QImage& Picture() const { return bitmap_; }

protected:
    void paintEvent(QPaintEvent* e) override;
    void mousePressEvent(QMouseEvent* e) override;
    void mouseMoveEvent(QMouseEvent* e) override;
    void mouseReleaseEvent(QMouseEvent* e) override;

private:
    void Post(std::uint32_t number, std::int32_t value, std::intptr_t lParam);
    void MoveTo(int x);

    QImage bitmap_;
    QImage painted_;  // what is painted: bitmap_, or its 2x twin
    SliderScale scale_;
    std::int32_t id_ = 0;
    int y_ = 0;
    bool snap_ = false;
    int step_ = 1;
    bool enabled_ = false;
    bool dragging_ = false;
    bool movedSincePlaced_ = false;
    QPoint dragStart_;
    std::int32_t current_ = 0;
};
