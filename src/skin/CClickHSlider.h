// The track of a skinned horizontal slider: it shows the page's background under it, so only
// its thumb (CPHSlider) stands out. A click jumps to the clicked place, the wheel steps while
// the pointer is over the track, and every notice reaches the page with the track's id:
// 1094 value changing, 1095 value settled (wParam the value), 1096 thumb moved (wParam the
// thumb's left edge in the track).
#pragma once

#include <QImage>
#include <QRect>
#include <QWidget>
#include <cstdint>
#include <filesystem>

#include "skin/WheelNotches.h"

class CPHSlider;

class CClickHSlider : public QWidget {
    Q_OBJECT
signals:
    // Typed forms of 1094, 1095 and 1096 for the page that owns the slider.
    void changing(int value);
    void settled(int value);
    void thumbMoved(int x);

public:
    explicit CClickHSlider(QWidget* parent = nullptr);

    // Creates the track at rect of the parent and its thumb at position 0. False, and
    // nothing shown, when the thumb picture cannot be loaded; the slider then only keeps
    // the values set on it.
    bool Create(const std::filesystem::path& thumbImage, QWidget* parent, std::int32_t id,
                const QRect& rect);
    // The part of the parent's Normal screen under the track.
    void SetBackgroundFrom(const QImage& parentNormal);

    // Sets the track's and the thumb's range and snapping. A range without
    // maximum > minimum is refused and both keep the old one.
    bool SetRange(std::int32_t minimum, std::int32_t maximum, bool snap);
    // Stores the value as given and shows it, held to the range; no 1094 or 1095.
    void SetValue(std::int32_t value);
    std::int32_t Value() const { return value_; }

    std::int32_t Id() const { return id_; }
    CPHSlider* Thumb() const { return thumb_; }
    bool WheelEnabled() const { return wheelEnabled_; }
    const QImage& Background() const { return background_; }

protected:
    bool event(QEvent* e) override;
    void paintEvent(QPaintEvent* e) override;
    void mousePressEvent(QMouseEvent* e) override;
    void mouseReleaseEvent(QMouseEvent* e) override;
    void mouseMoveEvent(QMouseEvent* e) override;
    void leaveEvent(QEvent* e) override;
    void wheelEvent(QWheelEvent* e) override;

private:
    void Report(std::int32_t value);
    bool OnThumb(const QPoint& p) const;

    QWidget* owner_ = nullptr;
    CPHSlider* thumb_ = nullptr;
    QRect rect_;
    QImage background_;
    std::int32_t id_ = 0;
    std::int32_t minimum_ = 0;
    std::int32_t maximum_ = 10;
    std::int32_t value_ = 0;
    int wheelStep_ = 1;
    WheelNotches wheel_;
    int snapStep_ = 1;
    bool snap_ = false;
    bool wheelEnabled_ = false;
    bool tracking_ = false;
};
