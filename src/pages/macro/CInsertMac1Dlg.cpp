#include "pages/macro/CInsertMac1Dlg.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>

#include "common/StringTable.h"
#include "pages/macro/InsertDialogState.h"
#include "pages/macro/PaintedLabel.h"
#include "platform/QtText.h"
#include "skin/CBmpEdit.h"
#include "skin/SkinWindow.h"

namespace {
constexpr int kDelayKey = 2;
constexpr int kDelayLimit = 5;
}  // namespace

CInsertMac1Dlg::CInsertMac1Dlg(QWidget* parent, const std::filesystem::path& skinFolder,
                               const StringTable& strings, InsertDialogState& state)
    : QWidget(parent), skin_(std::make_unique<SkinWindow>(*this)) {
    skin_->Load(skinFolder, "skin_InsertMacro1.ini");
    delay_ = skin_->CreateControl<CBmpEdit>(kDelayKey);
    delay_->SetColours(0xFFFFFF, 0x000000);
    delay_->SetDecimalFilter(true);
    delay_->setAlignment(Qt::AlignCenter);
    delay_->setMaxLength(kDelayLimit);
    delay_->setAccessibleName(ToQString(skin_->Entry(kDelayKey).text));
    delay_->setText(QString::number(state.DelayPageValue()));
    connect(delay_, &CBmpEdit::edited, this,
            [this, &state] { state.SetDelayPageText(ToU16(delay_->text())); });
    const std::u16string label = strings.Get(58);
    const std::u16string unit = strings.Get(15);
    skin_->SetTextPainter([label, unit](QPainter& p) {
        PaintLabel(p, label, QRect(550, 312, 170, 25), 14);
        PaintLabel(p, unit, QRect(790, 312, 56, 25), 14);
    });
    skin_->SetDragEnabled(false);
    skin_->Finish();
}

CInsertMac1Dlg::~CInsertMac1Dlg() = default;

void CInsertMac1Dlg::mousePressEvent(QMouseEvent* e) {
    if (e->button() == Qt::LeftButton && backgroundClicked) {
        backgroundClicked();
    }
}

void CInsertMac1Dlg::keyPressEvent(QKeyEvent* e) {
    // Esc and Enter close nothing here.
    e->accept();
}
