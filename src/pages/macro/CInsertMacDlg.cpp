#include "pages/macro/CInsertMacDlg.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>

#include "common/StringTable.h"
#include "pages/macro/CInsertMac1Dlg.h"
#include "pages/macro/CInsertMac2Dlg.h"
#include "pages/macro/PaintedLabel.h"
#include "platform/MessageEvent.h"
#include "platform/QtText.h"
#include "skin/CBitmapBtn.h"
#include "skin/CExMenu.h"
#include "skin/SkinWindow.h"

namespace {
constexpr int kChoiceKey = 2;
constexpr int kPagesKey = 3;
constexpr int kOkKey = 4;
constexpr int kCancelKey = 5;
constexpr int kCancelString = 52;
constexpr int kTitleString = 18;
}  // namespace

CInsertMacDlg::CInsertMacDlg(QWidget* parent, QObject* page,
                             const std::filesystem::path& skinFolder, const StringTable& strings)
    : QWidget(parent),
      page_(page),
      skinFolder_(skinFolder),
      strings_(strings),
      skin_(std::make_unique<SkinWindow>(*this)) {
    skin_->Load(skinFolder, "skin_InsertMacro.ini");
    auto button = [this](int key) {
        CBitmapBtn* b = skin_->CreateButton(key);
        b->SetTooltip(skin_->Entry(key).text, true);
        return b;
    };
    choice_ = button(kChoiceKey);
    choice_->SetCaptionLayout(1);
    ok_ = button(kOkKey);
    cancel_ = button(kCancelKey);
    SetButtonCaption(cancel_, strings.Get(kCancelString));
    connect(choice_, &QAbstractButton::clicked, this, &CInsertMacDlg::OpenChoiceMenu);
    connect(ok_, &QAbstractButton::clicked, this, [this] { Post(state_.Ok()); });
    connect(cancel_, &QAbstractButton::clicked, this,
            [this] { Post(InsertDialogState::Cancel()); });

    const QRect pages = SkinWindow::RectOf(skin_->Entry(kPagesKey));
    delayPage_ = new CInsertMac1Dlg(this, skinFolder, strings, state_);
    delayPage_->setGeometry(pages);
    recordPage_ = new CInsertMac2Dlg(this, skinFolder, strings, state_);
    recordPage_->setGeometry(pages);
    recordPage_->post = [this](const InsertMessage& m) { Post(m); };
    auto clicked = [this] {
        if (backgroundClicked) {
            backgroundClicked();
        }
    };
    delayPage_->backgroundClicked = clicked;
    recordPage_->backgroundClicked = clicked;

    const std::u16string title = strings.Get(kTitleString);
    skin_->SetTextPainter(
        [title](QPainter& p) { PaintLabel(p, title, QRect(550, 208, 80, 28), 15); });
    skin_->SetDragEnabled(false);
    skin_->Finish();
    ShowChoice();
}

CInsertMacDlg::~CInsertMacDlg() = default;

void CInsertMacDlg::Choose(int command) {
    state_.Choose(command);
    ShowChoice();
}

void CInsertMacDlg::ShowChoice() {
    delayPage_->setVisible(!state_.RecordingPageShown());
    recordPage_->setVisible(state_.RecordingPageShown());
    SetButtonCaption(choice_, strings_.Get(state_.ChoiceCaption()));
    SetButtonCaption(ok_, strings_.Get(state_.OkCaption()));
}

void CInsertMacDlg::OpenChoiceMenu() {
    CExMenu menu(skinFolder_, this);
    for (int i = 0; i < InsertDialogState::kChoiceCount; ++i) {
        menu.AppendItem(InsertDialogState::kFirstChoiceCommand + i,
                        strings_.Get(InsertDialogState::kFirstChoiceString + i));
    }
    menu.FitItemWidth(InsertDialogState::kMenuMinWidth);
    menu.Track(choice_->mapToGlobal(QPoint(0, choice_->height())), this,
               [this](int id) { Choose(id); });
    choice_->SetHover(false);
}

void CInsertMacDlg::Post(const InsertMessage& m) {
    if (page_) {
        PostMessageTo(page_, m.number, m.wParam, m.lParam);
    }
}

void CInsertMacDlg::mousePressEvent(QMouseEvent* e) {
    if (e->button() == Qt::LeftButton && backgroundClicked) {
        backgroundClicked();
    }
}

void CInsertMacDlg::keyPressEvent(QKeyEvent* e) {
    e->accept();
}
