#include "skin/CSpinWnd.h"

#include "common/Messages.h"
#include "platform/MessageEvent.h"
#include "platform/QtText.h"
#include "skin/CBitmapBtn.h"
#include "skin/CBmpEdit.h"
#include "skin/SkinMessages.h"

CSpinWnd::CSpinWnd(QWidget* parent) : QWidget(parent), owner_(parent) {
    box_ = new CBmpEdit(this);
    box_->setProperty("controlId", kNumberBoxId);
    box_->SetColours(0xFFFFFF, 0x000000);
    box_->SetBorderStyle(-1);
    box_->setAlignment(Qt::AlignCenter);
    up_ = new CBitmapBtn(this);
    down_ = new CBitmapBtn(this);
    connect(up_, &CBitmapBtn::clicked, this, &CSpinWnd::StepUp);
    connect(down_, &CBitmapBtn::clicked, this, &CSpinWnd::StepDown);
    PlaceButtons();
}

void CSpinWnd::SetTextLimit(int characters) {
    box_->setMaxLength(characters);
}

void CSpinWnd::SetValue(int v) {
    value_ = v;
    Show(v);
}

void CSpinWnd::SetSkinPictures(const QImage& normal, const QImage& over, const QImage& down,
                               const QImage& disable, const QRect& placeInScreens) {
    screens_[0] = normal;
    screens_[1] = over;
    screens_[2] = down;
    screens_[3] = disable;
    place_ = placeInScreens;
    PlaceButtons();
}

void CSpinWnd::SetButtonRects(const QRect& up, const QRect& down) {
    upRect_ = up;
    downRect_ = down;
    customRects_ = true;
    PlaceButtons();
}

void CSpinWnd::PlaceButtons() {
    if (!customRects_) {
        const int h = height();
        upRect_ = QRect(width() - kButtonWidth, 0, kButtonWidth, h / 2);
        downRect_ = QRect(width() - kButtonWidth, h / 2, kButtonWidth, h - h / 2);
    }
    // The box covers the whole control; the buttons lie over its right end.
    box_->setGeometry(rect());
    up_->setGeometry(upRect_);
    down_->setGeometry(downRect_);
    up_->raise();
    down_->raise();
    if (!screens_[0].isNull()) {
        const QPoint at = place_.topLeft();
        up_->SetSkinPictures(screens_[0], screens_[1], screens_[2], screens_[3],
                             upRect_.translated(at));
        down_->SetSkinPictures(screens_[0], screens_[1], screens_[2], screens_[3],
                               downRect_.translated(at));
    }
}

void CSpinWnd::resizeEvent(QResizeEvent* e) {
    QWidget::resizeEvent(e);
    PlaceButtons();
}

int CSpinWnd::ShownNumber() const {
    return LeadingNumber(ToU16(box_->text()));
}

void CSpinWnd::Show(int v) {
    // The whole text is replaced, so the box reports the change like a typed one.
    box_->setText(QString::number(v));
}

void CSpinWnd::StepUp() {
    if (const std::optional<int> v = SpinUp(ShownNumber(), range_)) {
        value_ = *v;
        Show(*v);
    }
}

void CSpinWnd::StepDown() {
    if (const std::optional<int> v = SpinDown(ShownNumber(), range_)) {
        value_ = *v;
        Show(*v);
    }
}

void CSpinWnd::OnTextChanged() {
    QString text = box_->text();
    while (!text.isEmpty() && text.back().isSpace()) {
        text.chop(1);
    }
    const int typed = LeadingNumber(ToU16(text));
    const int corrected = SpinCorrected(typed, range_);
    if (corrected != typed) {
        Show(corrected);
    }
    value_ = corrected;
    if (owner_) {
        PostMessageTo(owner_, msg::kSpinValue, static_cast<std::uintptr_t>(value_), tag_);
    }
    emit valueChanged(value_);
}

bool CSpinWnd::event(QEvent* e) {
    if (e->type() == static_cast<QEvent::Type>(msg::kBitmapEditChanged)) {
        auto* m = static_cast<MessageEvent*>(e);
        if (m->LParam() == 0) {
            OnTextChanged();
        }
        return true;
    }
    return QWidget::event(e);
}
