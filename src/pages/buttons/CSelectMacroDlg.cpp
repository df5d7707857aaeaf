#include "pages/buttons/CSelectMacroDlg.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>

#include "common/StringTable.h"
#include "data/FixedText.h"
#include "data/MacroLibrary.h"
#include "pages/common/CDlgMenuFunc.h"
#include "platform/QtText.h"
#include "skin/KeyFilter.h"
#include "skin/CBitmapBtn.h"
#include "skin/SkinColours.h"
#include "skin/SkinText.h"

namespace {
// The accent's light tint reads on the dark ground; the accent itself does not.
constexpr std::uint32_t kTextColour = skin_colour::kAccentText;
constexpr int kDropDownKey = 4;
constexpr int kFirstOptionKey = 5;

struct PaintedText {
    int string;
    SkinRect rect;
    int height;
    std::uint32_t format;
    bool centred;
};
constexpr PaintedText kTexts[] = {
    {82, {34, 0, 234, 58}, 15, dt::kSingleLine | dt::kVCenter, false},
    {83, {64, 128, 238, 173}, 14, dt::kWordBreak | dt::kBottom, false},
    {84, {315, 105, 480, 160}, 14, dt::kWordBreak | dt::kVCenter, true},
    {85, {315, 160, 480, 215}, 14, dt::kWordBreak | dt::kVCenter, true},
    {86, {315, 215, 480, 270}, 14, dt::kWordBreak | dt::kVCenter, true},
};
}  // namespace

CSelectMacroDlg::CSelectMacroDlg(QWidget* parent, const std::filesystem::path& skinFolder,
                                 const StringTable& strings, const MacroLibrary* library)
    : QDialog(parent, Qt::Dialog | Qt::FramelessWindowHint),
      skin_(*this),
      skinFolder_(skinFolder),
      strings_(strings),
      library_(library) {
    setModal(true);
    setWindowTitle(ToQString(strings.Get(82)));
    skin_.Load(skinFolder, "skin_select_macro.ini", QSize(520, 350));
    const int captions[8] = {0, 87, 88, 0, 0, 0, 0, 0};
    for (int key = 1; key <= 7; ++key) {
        CBitmapBtn* b = skin_.CreateButton(key);
        b->SetTooltip(skin_.Entry(key).text, true);
        if (captions[key] != 0) {
            b->SetCaption(strings.Get(captions[key]));
            b->SetCaptionLayout(0);
        }
        b->setFocusPolicy(Qt::NoFocus);
        b->setCheckable(key >= kFirstOptionKey);  // the three playback options
        buttons_[key] = b;
        connect(b, &QAbstractButton::clicked, this, [this, key] {
            ClosePopup();
            switch (key) {
                case 1:
                    done(kOk);
                    break;
                case 2:
                case 3:
                    done(kCancel);
                    break;
                case kDropDownKey:
                    OpenPopup();
                    break;
                default:
                    CheckOption(key - kFirstOptionKey);
                    break;
            }
        });
    }
    skin_.Finish();
    skin_.SetTextPainter([this](QPainter& p) { PaintTexts(p); });
    SetSelection(selection_);
}

CSelectMacroDlg::~CSelectMacroDlg() {
    ClosePopup();
}

CBitmapBtn* CSelectMacroDlg::Button(int key) const {
    return key >= 1 && key <= 7 ? buttons_[key] : nullptr;
}

void CSelectMacroDlg::SetSelection(const MacroSelection& selection) {
    selection_ = selection;
    CheckOption(selection.playbackMode);
    selectedMacro_ = nullptr;
    if (library_ != nullptr && selection.selectedIndex >= 0) {
        selectedMacro_ = library_->RecordAt(static_cast<std::size_t>(selection.selectedIndex));
    }
    buttons_[kDropDownKey]->SetCaption(
        selectedMacro_ != nullptr ? ReadFixedText(selectedMacro_->name) : std::u16string());
}

void CSelectMacroDlg::CheckOption(int mode) {
    selection_.playbackMode = mode;
    for (int i = 0; i < 3; ++i) {
        CBitmapBtn* option = buttons_[kFirstOptionKey + i];
        const bool on = i == mode;
        if (option->isChecked() != on) {
            option->setChecked(on);
            option->repaint();
        }
    }
}

void CSelectMacroDlg::OpenPopup() {
    if (library_ == nullptr || library_->Empty()) {
        return;
    }
    CBitmapBtn* field = buttons_[kDropDownKey];
    DropDownRequest request;
    request.mode = CDlgMenuFunc::kModeMacros;
    request.anchor = QRect(field->mapToGlobal(QPoint(0, 0)), field->size());
    request.width = field->width();
    request.selection = selection_.selectedIndex;
    request.names = MacroNames(*library_);
    if (CDlgMenuFunc* popup = OpenDropDown(popup_, this, skinFolder_, request)) {
        connect(popup, &CDlgMenuFunc::chosen, this, &CSelectMacroDlg::OnPick);
    }
}

void CSelectMacroDlg::OnPick(int index, int mode) {
    if (mode != CDlgMenuFunc::kModeMacros) {
        return;
    }
    ClosePopup();
    // The library cannot change while the dialog is open; an index past it is ignored.
    const tagElement* macro = library_ != nullptr && index >= 0
                                  ? library_->RecordAt(static_cast<std::size_t>(index))
                                  : nullptr;
    if (macro == nullptr) {
        return;
    }
    selection_.selectedIndex = index;
    selectedMacro_ = macro;
    buttons_[kDropDownKey]->SetCaption(ReadFixedText(macro->name));
    buttons_[kDropDownKey]->repaint();
}

void CSelectMacroDlg::ClosePopup() {
    CloseDropDown(popup_);
}

void CSelectMacroDlg::done(int result) {
    ClosePopup();
    QDialog::done(result);
}

void CSelectMacroDlg::hideEvent(QHideEvent* e) {
    ClosePopup();
    QDialog::hideEvent(e);
}

void CSelectMacroDlg::keyPressEvent(QKeyEvent* e) {
    if (IsSwallowedKey(e->key())) {
        e->accept();
        return;
    }
    QDialog::keyPressEvent(e);
}

void CSelectMacroDlg::mousePressEvent(QMouseEvent* e) {
    // The skin's drag follows; the list does not stay behind.
    ClosePopup();
    QDialog::mousePressEvent(e);
}

void CSelectMacroDlg::PaintTexts(QPainter& painter) const {
    for (const PaintedText& t : kTexts) {
        TextStyle s;
        s.text = strings_.Get(t.string);
        s.colour = kTextColour;
        s.format = t.format;
        s.centreVertically = t.centred;
        s.rect = t.rect;
        DrawSkinText(s, painter, t.height);
    }
}
