// The spin control: a number box with an up and a down button. Every change of the box's
// text, typed or stepped, is corrected to the step and the range at once and reported to
// the owner as 1114 (value, tag).
#pragma once

#include <QImage>
#include <QPointer>
#include <QRect>
#include <QWidget>
#include <cstdint>

#include "skin/SpinRules.h"

class CBitmapBtn;
class CBmpEdit;

class CSpinWnd : public QWidget {
    Q_OBJECT
signals:
    void valueChanged(int value);  // typed form of 1114

public:
    static constexpr int kNumberBoxId = 401;
    static constexpr int kButtonWidth = 14;

    explicit CSpinWnd(QWidget* parent = nullptr);

    void SetOwner(QObject* owner) { owner_ = owner; }
    void SetTag(std::intptr_t tag) { tag_ = tag; }
    void SetStep(int step) { range_.step = step; }
    void SetMinimum(int v) { range_.minimum = v; }
    void SetMaximum(int v) { range_.maximum = v; }
    void SetTextLimit(int characters);
    // Shows the value in the box; the change is reported like any other.
    void SetValue(int v);
    int Value() const { return value_; }
    const SpinRange& Range() const { return range_; }

    // The buttons' pictures are cut from the owner's four screens; `placeInScreens` is where
    // this control lies on them. Button rectangles are in the control's own coordinates;
    // by default both sit in the right 14 pixels, up in the upper half.
    void SetSkinPictures(const QImage& normal, const QImage& over, const QImage& down,
                         const QImage& disable, const QRect& placeInScreens);
    void SetButtonRects(const QRect& up, const QRect& down);

    void StepUp();
    void StepDown();

    CBmpEdit* NumberBox() const { return box_; }
    CBitmapBtn* UpButton() const { return up_; }
    CBitmapBtn* DownButton() const { return down_; }

protected:
    bool event(QEvent* e) override;
    void resizeEvent(QResizeEvent* e) override;

private:
    void OnTextChanged();
    void Show(int v);
    int ShownNumber() const;
    void PlaceButtons();

    SpinRange range_;
    int value_ = 0;
    std::intptr_t tag_ = 0;
    QPointer<QObject> owner_;
    CBmpEdit* box_ = nullptr;
    CBitmapBtn* up_ = nullptr;
    CBitmapBtn* down_ = nullptr;
    QRect upRect_, downRect_;
    bool customRects_ = false;
    QImage screens_[4];
    QRect place_;
};
