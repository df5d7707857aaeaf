#include "skin/CWarningDlg.h"

#include <QKeyEvent>
#include <QPainter>

#include "skin/CBitmapBtn.h"
#include "skin/SkinColours.h"
#include "skin/SkinText.h"

namespace {
// The message rectangle reaches to (480, 330); a dialog without artwork still holds it.
const QSize kFallbackSize(500, 380);
}  // namespace

TextStyle WarningTitleStyle(const std::u16string& title) {
    TextStyle s;
    s.text = title;
    s.colour = skin_colour::kAccentText;
    s.format = dt::kSingleLine | dt::kVCenter | dt::kLeft;
    s.rect = {34, 0, 234, 58};
    return s;
}

TextStyle WarningMessageStyle(const std::u16string& message) {
    TextStyle s;
    s.text = message;
    s.colour = skin_colour::kAccentText;
    s.format = dt::kCenter | dt::kWordBreak;
    s.centreVertically = true;
    s.rect = {20, 60, 480, 330};
    return s;
}

CWarningDlg::CWarningDlg(QWidget* owner, const std::filesystem::path& skinFolder,
                         const std::u16string& okCaption, const std::u16string& cancelCaption)
    : QDialog(owner, Qt::Dialog | Qt::FramelessWindowHint), skin_(*this) {
    setModal(true);
    skin_.Load(skinFolder, "skin_warning.ini", kFallbackSize);
    // Without layout entries the buttons would have no size, and a modal dialog nobody can
    // answer would hold the program; they get places of their own then.
    ok_ = MakeButton(1, okCaption, QRect(130, 336, 110, 32));
    cancel_ = MakeButton(2, cancelCaption, QRect(260, 336, 110, 32));
    close_ = MakeButton(3, std::u16string(), QRect(462, 12, 26, 26));
    skin_.Finish();
    skin_.SetTextPainter([this](QPainter& p) { PaintTexts(p); });

    connect(ok_, &QAbstractButton::clicked, this, [this] { done(kOk); });
    connect(cancel_, &QAbstractButton::clicked, this, [this] { done(kCancel); });
    connect(close_, &QAbstractButton::clicked, this, [this] { done(kCancel); });
}

CBitmapBtn* CWarningDlg::MakeButton(int key, const std::u16string& caption, const QRect& fallback) {
    const SkinEntry entry = skin_.Entry(key);
    CBitmapBtn* button = skin_.CreateButton(key);
    if (button->geometry().isEmpty()) {
        button->setGeometry(fallback);
    }
    button->SetCaption(caption);
    button->SetCaptionLayout(0);
    button->SetTooltip(entry.text, true);
    return button;
}

void CWarningDlg::PaintTexts(QPainter& painter) const {
    DrawSkinText(WarningTitleStyle(title_), painter, kWarningFontHeight);
    DrawSkinText(WarningMessageStyle(message_), painter, kWarningFontHeight);
}

void CWarningDlg::reject() {
    done(kCancel);
}

void CWarningDlg::keyPressEvent(QKeyEvent* e) {
    // Neither key answers the question for the user.
    if (e->key() == Qt::Key_Escape || e->key() == Qt::Key_Return || e->key() == Qt::Key_Enter) {
        e->accept();
        return;
    }
    QDialog::keyPressEvent(e);
}
