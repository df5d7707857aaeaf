#include "pages/macro/CInsertMac2Dlg.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>

#include "common/StringTable.h"
#include "pages/macro/PaintedLabel.h"
#include "platform/QtText.h"
#include "skin/CBitmapBtn.h"
#include "skin/CBmpEdit.h"
#include "skin/SkinWindow.h"

namespace {
constexpr int kModeKeys[3] = {1, 2, 3};
constexpr int kModeStrings[3] = {12, 13, 14};
constexpr int kDelayKey = 4;
constexpr int kRecordKey = 6;
constexpr int kDelayLimit = 5;
}  // namespace

CInsertMac2Dlg::CInsertMac2Dlg(QWidget* parent, const std::filesystem::path& skinFolder,
                               const StringTable& strings, InsertDialogState& state)
    : QWidget(parent),
      strings_(strings),
      state_(state),
      skin_(std::make_unique<SkinWindow>(*this)) {
    skin_->Load(skinFolder, "skin_InsertMacro2.ini");
    for (int mode = 0; mode < 3; ++mode) {
        CBitmapBtn* b = skin_->CreateButton(kModeKeys[mode]);
        b->SetTooltip(skin_->Entry(kModeKeys[mode]).text, true);
        SetButtonCaption(b, strings.Get(kModeStrings[mode]));
        b->SetFontHeight(17);
        b->SetCaptionLayout(8);
        b->SetShrinkToFit(true);
        b->setCheckable(true);
        // As on the macro page: the chosen mode's patch is the accent colour, and its text
        // stays white on it.
        ButtonColours colours;
        colours.pressedOrOn = 0xFFFFFF;
        b->SetTextColours(colours);
        connect(b, &QAbstractButton::clicked, this, [this, mode] {
            state_.SetMode(mode);
            ShowState();
        });
        modes_[mode] = b;
    }
    delay_ = skin_->CreateControl<CBmpEdit>(kDelayKey);
    delay_->SetColours(0xFFFFFF, 0x000000);
    delay_->SetDecimalFilter(true);
    delay_->setAlignment(Qt::AlignCenter);
    delay_->setMaxLength(kDelayLimit);
    delay_->setAccessibleName(ToQString(skin_->Entry(kDelayKey).text));
    delay_->setText(QString::number(state.RecordValue()));
    connect(delay_, &CBmpEdit::edited, this,
            [this] { state_.SetRecordPageText(ToU16(delay_->text())); });

    record_ = skin_->CreateButton(kRecordKey);
    record_->SetTooltip(skin_->Entry(kRecordKey).text, true);
    record_->SetCheckBoxMode(true);
    record_->SetCaptionLayout(0);
    connect(record_, &QAbstractButton::clicked, this, [this] {
        const InsertMessage m = state_.RecordToggled(record_->isChecked());
        ShowState();
        if (post) {
            post(m);
        }
    });

    const std::u16string unit = strings.Get(15);
    skin_->SetTextPainter(
        [unit](QPainter& p) { PaintLabel(p, unit, QRect(790, 312, 56, 25), 13); });
    skin_->SetDragEnabled(false);
    skin_->Finish();
    ShowState();
}

CInsertMac2Dlg::~CInsertMac2Dlg() = default;

void CInsertMac2Dlg::Reset() {
    state_.ResetRecording();
    ShowState();
}

void CInsertMac2Dlg::ShowState() {
    for (int mode = 0; mode < 3; ++mode) {
        modes_[mode]->setChecked(mode == state_.Mode());
        modes_[mode]->setEnabled(state_.ModeButtonEnabled(mode));
    }
    delay_->setEnabled(state_.RecordDelayBoxEnabled());
    record_->setChecked(state_.Recording());
    SetButtonCaption(record_, strings_.Get(state_.RecordCaption()));
}

void CInsertMac2Dlg::mousePressEvent(QMouseEvent* e) {
    if (e->button() == Qt::LeftButton && backgroundClicked) {
        backgroundClicked();
    }
}

void CInsertMac2Dlg::keyPressEvent(QKeyEvent* e) {
    e->accept();
}
