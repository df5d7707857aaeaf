// The skinned button: one of four pictures cut from the window's screens, an optional text
// over it, push-button or check-box behaviour, hover notices (1124) to its parent.
//
// The on/off state is QAbstractButton's: a button that shows one (a selected tab, a check
// box) is setCheckable(true) and set with setChecked; toggled() follows every change. Only a
// check box switches itself, on a mouse click; any other checkable button is set by its owner.
#pragma once

#include <QAbstractButton>
#include <QImage>
#include <QRect>
#include <string>
#include <vector>

#include "skin/ButtonLook.h"
#include "skin/SkinText.h"

class CBitmapBtn : public QAbstractButton {
    Q_OBJECT
public:
    explicit CBitmapBtn(QWidget* parent = nullptr);

    void SetSkinPictures(const QImage& normal, const QImage& over, const QImage& down,
                         const QImage& disable, const QRect& rect);
    void SetTooltip(const std::u16string& text, bool activate);
    void SetCaption(const std::u16string& text);

    void SetTag(int tag) { tag_ = tag; }
    int Tag() const { return tag_; }
    void SetFontHeight(int height) { fontHeight_ = height; }
    void SetCaptionLayout(int layout) { captionLayout_ = layout; }
    // Check-box pictures, and a mouse click toggles the state; implies setCheckable(true).
    void SetCheckBoxMode(bool on);
    void SetShrinkToFit(bool on) { shrinkToFit_ = on; }
    void SetTextColours(const ButtonColours& colours) { colours_ = colours; }
    // Two-text mode: both texts in their own rectangles, each centred on one line.
    void SetTwoTexts(const std::u16string& textA, const QRect& rectA, const std::u16string& textB,
                     const QRect& rectB);
    // A name for screen readers when the button shows two texts and no caption.
    void SetTwoTextsNamed(const std::u16string& name);
    void SetHover(bool hover);  // owners clear it after a menu has held the mouse
    bool Hover() const { return hover_; }

    ButtonState State() const;
    ButtonPicture CurrentPicture() const { return ChoosePicture(State()); }
    std::uint32_t CurrentTextColour() const { return ChooseTextColour(State(), colours_); }
    // The texts as the next paint draws them.
    std::vector<PreparedText> PreparedTexts() const;

signals:
    // Typed form of 1124: the pointer entered (true) or left the button.
    void hoverChanged(bool entered);

protected:
    void paintEvent(QPaintEvent* e) override;
    void enterEvent(QEnterEvent* e) override;
    void leaveEvent(QEvent* e) override;
    void mouseMoveEvent(QMouseEvent* e) override;
    void mousePressEvent(QMouseEvent* e) override;
    void mouseReleaseEvent(QMouseEvent* e) override;
    void focusOutEvent(QFocusEvent* e) override;
    void nextCheckState() override;

private:
    const QImage& Picture(ButtonPicture which) const;
    std::vector<TextStyle> TextStyles() const;
    void EnterHover();
    void LeaveHover();
    void PostHover(bool entered);
    void UpdateNames();

    QImage pictures_[4];
    std::u16string caption_;
    std::u16string tooltip_;
    std::u16string twoTextName_;
    std::u16string textA_, textB_;
    QRect rectA_, rectB_;
    ButtonColours colours_;
    int tag_ = 0;
    int fontHeight_ = 15;
    int captionLayout_ = 0;
    bool twoTexts_ = false;
    bool checkBoxMode_ = false;
    bool shrinkToFit_ = false;
    bool hover_ = false;
};
