#include "pages/buttons/CShortCutDlg.h"

#include <QKeyEvent>
#include <QPainter>

#include "common/Messages.h"
#include "common/StringTable.h"
#include "keys/KeyCodes.h"
#include "keys/KeyNames.h"
#include "platform/KeyboardCapture.h"
#include "platform/MessageEvent.h"
#include "platform/QtText.h"
#include "skin/KeyFilter.h"
#include "skin/CBitmapBtn.h"
#include "skin/SkinColours.h"
#include "skin/CBmpEdit.h"
#include "skin/SkinText.h"

namespace {
// The accent's light tint reads on the dark ground; the accent itself does not.
constexpr std::uint32_t kTextColour = skin_colour::kAccentText;
constexpr int kTextHeight = 15;
constexpr int kOkCaption = 87, kCancelCaption = 88, kTitle = 90, kHint = 95;
constexpr int kToggleCaptions[4] = {91, 92, 93, 94};  // Ctrl, Shift, Alt, Win

TextStyle Label(const std::u16string& text, SkinRect rect) {
    TextStyle s;
    s.text = text;
    s.colour = kTextColour;
    s.format = dt::kSingleLine | dt::kVCenter | dt::kLeft;
    s.rect = rect;
    return s;
}
}  // namespace

CShortCutDlg::CShortCutDlg(QWidget* parent, const std::filesystem::path& skinFolder,
                           const StringTable& strings, const KeyboardLayout& layout,
                           KeyboardCapture& capture)
    : QDialog(parent, Qt::Dialog | Qt::FramelessWindowHint),
      skin_(*this),
      strings_(strings),
      layout_(layout),
      capture_(capture) {
    setModal(true);
    setWindowTitle(ToQString(strings.Get(kTitle)));
    skin_.Load(skinFolder, "skin_shortcut.ini", QSize(520, 340));

    keyField_ = skin_.CreateControl<CBmpEdit>(8, kTextHeight);
    keyField_->SetColours(0x000000, 0xFFFFFF);
    keyField_->setAlignment(Qt::AlignCenter);
    // Keys come from the capture only; typing never reaches the field.
    keyField_->setReadOnly(true);
    keyField_->setFocusPolicy(Qt::NoFocus);
    keyField_->setAccessibleName(ToQString(skin_.Entry(8).text));

    auto make = [&](int key, int caption) {
        CBitmapBtn* b = skin_.CreateButton(key);
        b->SetTooltip(skin_.Entry(key).text, true);
        if (caption != 0) {
            b->SetCaption(strings.Get(caption));
        }
        b->setFocusPolicy(Qt::NoFocus);
        buttons_[key] = b;
        return b;
    };
    make(1, kOkCaption)->SetCaptionLayout(0);
    make(2, kCancelCaption)->SetCaptionLayout(0);
    make(3, 0);
    for (int i = 0; i < 4; ++i) {
        CBitmapBtn* toggle = make(4 + i, kToggleCaptions[i]);
        toggle->SetCheckBoxMode(true);
        toggle->SetCaptionLayout(8);
        ButtonColours colours;
        colours.pressedOrOn = 0xFFFFFF;  // readable on the accent patch of a toggle that is on
        toggle->SetTextColours(colours);
        // The switches mirror the toggles, whoever sets them.
        connect(toggle, &QAbstractButton::toggled, this, [this, i](bool on) {
            bool* switches[4] = {&values_.ctrl, &values_.shift, &values_.alt, &values_.win};
            *switches[i] = on;
        });
    }
    connect(buttons_[1], &QAbstractButton::clicked, this, [this] { done(kOk); });
    connect(buttons_[2], &QAbstractButton::clicked, this, [this] { done(kCancel); });
    connect(buttons_[3], &QAbstractButton::clicked, this, [this] { done(kCancel); });
    skin_.Finish();
    skin_.SetTextPainter([this](QPainter& p) { PaintTexts(p); });
    ShowKey();
}

CShortCutDlg::~CShortCutDlg() {
    ReleaseKeyboard();
}

CBitmapBtn* CShortCutDlg::Button(int key) const {
    return key >= 1 && key <= 7 ? buttons_[key] : nullptr;
}

void CShortCutDlg::SetValues(const ShortcutValues& values) {
    values_ = values;
    const bool on[4] = {values.ctrl, values.shift, values.alt, values.win};
    for (int i = 0; i < 4; ++i) {
        if (buttons_[4 + i]->isChecked() != on[i]) {
            buttons_[4 + i]->setChecked(on[i]);
            buttons_[4 + i]->repaint();
        }
    }
    ShowKey();
}

void CShortCutDlg::ShowKey() {
    keyField_->selectAll();
    keyField_->setText(ToQString(DeviceCodeName(values_.key, layout_, strings_)));
}

void CShortCutDlg::showEvent(QShowEvent* e) {
    QDialog::showEvent(e);
    if (!capturing_) {
        // Without the system-wide capture the dialog still works, with this program's keys.
        capture_.Install(this);
        capturing_ = true;
    }
}

void CShortCutDlg::ReleaseKeyboard() {
    if (capturing_) {
        capture_.Remove(this);
        capturing_ = false;
    }
}

void CShortCutDlg::done(int result) {
    ReleaseKeyboard();
    QDialog::done(result);
}

bool CShortCutDlg::event(QEvent* e) {
    if (auto* m = dynamic_cast<MessageEvent*>(e); m && m->Number() == msg::kKeyEvent) {
        // Presses and releases alike: the key whose event came last is the one kept.
        values_.key = static_cast<std::uint8_t>(
            VirtualKeyToDeviceCode(static_cast<std::uint32_t>(m->WParam()), layout_).code);
        ShowKey();
        return true;
    }
    return QDialog::event(e);
}

void CShortCutDlg::keyPressEvent(QKeyEvent* e) {
    if (IsSwallowedKey(e->key())) {
        e->accept();
        return;
    }
    QDialog::keyPressEvent(e);
}

void CShortCutDlg::PaintTexts(QPainter& painter) const {
    DrawSkinText(Label(strings_.Get(kTitle), {34, 0, 234, 58}), painter, kTextHeight);
    DrawSkinText(Label(strings_.Get(kHint), {160, 200, 360, 222}), painter, kTextHeight);
}
