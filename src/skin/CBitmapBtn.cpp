#include "skin/CBitmapBtn.h"

#include <QApplication>
#include <QMouseEvent>
#include <QPainter>

#include "common/Messages.h"
#include "platform/MessageEvent.h"
#include "platform/QtText.h"
#include "skin/QtRect.h"
#include "skin/SkinImage.h"

CBitmapBtn::CBitmapBtn(QWidget* parent) : QAbstractButton(parent) {
    // Owner-drawn and never in the tab order; the whole picture is painted, so no erase.
    setFocusPolicy(Qt::ClickFocus);
    setAttribute(Qt::WA_OpaquePaintEvent);
    setMouseTracking(true);
}

void CBitmapBtn::SetSkinPictures(const QImage& normal, const QImage& over, const QImage& down,
                                 const QImage& disable, const QRect& rect) {
    const QImage* screens[4] = {&normal, &over, &down, &disable};
    for (int i = 0; i < 4; ++i) {
        CutSkinImage(pictures_[i], *screens[i], ToSkinRect(rect));
    }
}

void CBitmapBtn::SetTooltip(const std::u16string& text, bool activate) {
    tooltip_ = text;
    setToolTip(activate ? ToQString(text) : QString());
    UpdateNames();
}

void CBitmapBtn::SetCaption(const std::u16string& text) {
    caption_ = text;
    UpdateNames();
}

void CBitmapBtn::SetTwoTextsNamed(const std::u16string& name) {
    twoTextName_ = name;
    UpdateNames();
}

// Screen readers and tests find a button by what it says, else by its tooltip.
void CBitmapBtn::UpdateNames() {
    const std::u16string& name =
        !caption_.empty() ? caption_ : (!twoTextName_.empty() ? twoTextName_ : tooltip_);
    setAccessibleName(ToQString(name));
    if (!name.empty()) {
        setObjectName(ToQString(name));
    }
}

void CBitmapBtn::SetCheckBoxMode(bool on) {
    checkBoxMode_ = on;
    if (on) {
        setCheckable(true);
    }
}

void CBitmapBtn::SetTwoTexts(const std::u16string& textA, const QRect& rectA,
                             const std::u16string& textB, const QRect& rectB) {
    twoTexts_ = true;
    textA_ = textA;
    textB_ = textB;
    rectA_ = rectA;
    rectB_ = rectB;
}

void CBitmapBtn::SetHover(bool hover) {
    if (hover != hover_) {
        hover_ = hover;
        update();
    }
}

ButtonState CBitmapBtn::State() const {
    return {checkBoxMode_, isChecked(), isDown(), hover_, !isEnabled()};
}

const QImage& CBitmapBtn::Picture(ButtonPicture which) const {
    return pictures_[static_cast<int>(which)];
}

std::vector<TextStyle> CBitmapBtn::TextStyles() const {
    std::vector<TextStyle> styles;
    if (caption_.empty() && textA_.empty() && textB_.empty()) {
        return styles;
    }
    const std::uint32_t colour = CurrentTextColour();
    auto add = [&](const std::u16string& text, const SkinRect& r, std::uint32_t format) {
        TextStyle s;
        s.text = text;
        s.colour = colour;
        s.format = shrinkToFit_ ? format : format | dt::kEndEllipsis;
        s.shrinkToFit = shrinkToFit_;
        s.rect = r;
        styles.push_back(s);
    };
    const std::uint32_t centred = dt::kSingleLine | dt::kVCenter | dt::kCenter;
    if (twoTexts_) {
        add(textA_, ToSkinRect(rectA_), centred);
        add(textB_, ToSkinRect(rectB_), centred);
    } else {
        const CaptionPlace place = PlaceCaption(captionLayout_, ToSkinRect(rect()));
        add(caption_, place.rect, place.format);
    }
    return styles;
}

std::vector<PreparedText> CBitmapBtn::PreparedTexts() const {
    std::vector<PreparedText> out;
    for (const TextStyle& s : TextStyles()) {
        out.push_back(PrepareSkinText(s, fontHeight_));
    }
    return out;
}

void CBitmapBtn::paintEvent(QPaintEvent*) {
    QImage frame = OffscreenFrame(*this);
    {
        QPainter p(&frame);
        p.setRenderHint(QPainter::SmoothPixmapTransform);
        const QImage& picture = Picture(CurrentPicture());
        if (picture.isNull()) {
            // No skin picture: a flat panel in the theme, so the button can still be found.
            p.fillRect(rect(), QColor(0x30, 0x33, 0x38));
            p.setPen(QColor(1, 81, 142));
            p.drawRect(rect().adjusted(0, 0, -1, -1));
        } else {
            p.drawImage(0, 0, picture);
        }
        for (const TextStyle& s : TextStyles()) {
            DrawSkinText(s, p, fontHeight_);
        }
    }
    QPainter(this).drawImage(0, 0, frame);
}

void CBitmapBtn::PostHover(bool entered) {
    if (QWidget* parent = parentWidget()) {
        PostMessageTo(parent, msg::kButtonHover, entered ? 1 : 0, tag_);
    }
    emit hoverChanged(entered);
}

void CBitmapBtn::EnterHover() {
    if (hover_ || QApplication::activeWindow() == nullptr || parentWidget() == nullptr) {
        return;
    }
    // A drag that started elsewhere does not light the button up.
    if (QApplication::mouseButtons() & Qt::LeftButton) {
        return;
    }
    hover_ = true;
    PostHover(true);
    update();
}

void CBitmapBtn::LeaveHover() {
    if (!hover_) {
        return;
    }
    hover_ = false;
    PostHover(false);
    update();
}

void CBitmapBtn::enterEvent(QEnterEvent* e) {
    EnterHover();
    QAbstractButton::enterEvent(e);
}

void CBitmapBtn::leaveEvent(QEvent* e) {
    LeaveHover();
    QAbstractButton::leaveEvent(e);
}

void CBitmapBtn::mouseMoveEvent(QMouseEvent* e) {
    if (rect().contains(e->position().toPoint())) {
        EnterHover();
    }
    QAbstractButton::mouseMoveEvent(e);
}

void CBitmapBtn::mousePressEvent(QMouseEvent* e) {
    if (e->button() == Qt::LeftButton && !window()->isActiveWindow()) {
        window()->activateWindow();
    }
    QAbstractButton::mousePressEvent(e);
}

void CBitmapBtn::mouseReleaseEvent(QMouseEvent* e) {
    if (!checkBoxMode_ || e->button() != Qt::LeftButton) {
        QAbstractButton::mouseReleaseEvent(e);
        return;
    }
    // A check box toggles itself and reports one click; the standard handling would report
    // a second. A press that began elsewhere, or a release off the button, is no click.
    const bool click = isDown() && hitButton(e->position().toPoint());
    setDown(false);
    if (click) {
        setChecked(!isChecked());
        repaint();
        emit clicked(isChecked());
    } else {
        update();
    }
    e->accept();
}

// Keyboard clicks and click() report without switching: the mouse release above switches a
// check box, and the owner sets every other button.
void CBitmapBtn::nextCheckState() {}

void CBitmapBtn::focusOutEvent(QFocusEvent* e) {
    hover_ = false;
    PostHover(false);
    update();
    QAbstractButton::focusOutEvent(e);
}
