#include "pages/common/CDlgMenuFunc.h"

#include <QPainter>

#include "common/Messages.h"
#include "data/FixedText.h"
#include "data/MacroLibrary.h"
#include "data/ProfileList.h"
#include "platform/MessageEvent.h"
#include "platform/QtText.h"
#include "skin/CListBoxEx.h"
#include "skin/CSkinScrollWnd.h"
#include "skin/SkinImage.h"

namespace {
constexpr std::uint32_t kWhite = 0xFFFFFF;
constexpr std::uint32_t kTheme = 0x8E5101;
constexpr std::uint32_t kBlack = 0;
}  // namespace

CDlgMenuFunc::CDlgMenuFunc(QWidget* owner)
    : QWidget(owner, Qt::Tool | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint), owner_(owner) {
    setAttribute(Qt::WA_DeleteOnClose);
}

CDlgMenuFunc::~CDlgMenuFunc() = default;

void CDlgMenuFunc::Create(const std::filesystem::path& skinFolder,
                          const std::vector<std::u16string>& names) {
    if (mode == kModeMacros) {
        LoadSkinImage(skinFolder / "list_mask.bmp", picture_);
    }
    const int height = rows * kRowHeight;
    setGeometry(screenX, screenY, listWidth, height);

    list_ = new CListBoxEx(this);
    list_->SetControlId(kListId);
    // Without a frame every row is exactly 25 pixels of the pop-up's height.
    list_->setFrameShape(QFrame::NoFrame);
    list_->setGeometry(0, 0, listWidth, height);
    list_->SetRowHeight(kRowHeight);
    list_->SetTextColour(kWhite);
    list_->SetHighlightColour(kTheme);
    list_->SetHighlightTextColour(kBlack);
    list_->SetBackColour(kBlack);
    list_->SetBackgroundBrush(kBlack);
    if (mode == kModeMacros || mode == kModeProfiles) {
        for (const std::u16string& name : names) {
            list_->AddRow(ToQString(name), 0);
        }
    }
    QImage bar;
    LoadSkinImage(skinFolder / "res" / "res_136.bmp", bar, devicePixelRatioF());
    CSkinScrollWnd::Attach(list_, bar);
    if (selection >= 0 && selection < list_->count()) {
        list_->setCurrentRow(selection);
    } else {
        // Set through the view, so that it counts as chosen: otherwise the view makes the
        // first entry current when the list takes the focus.
        list_->setCurrentIndex(QModelIndex());
        list_->clearSelection();
    }
    // Connected after the preselection, which is no pick. Only a row that became selected
    // is one: the view may move the current row without selecting it (on focus).
    connect(list_, &QListWidget::currentRowChanged, this, [this](int row) {
        if (row >= 0 && list_->item(row)->isSelected()) {
            Pick(row);
        }
    });
    connect(list_, &QListWidget::itemDoubleClicked, this,
            [this](QListWidgetItem* it) { Pick(list_->row(it)); });
    // A click on the entry that was already selected is a pick as well; a click on another
    // one was reported by its selection change already.
    connect(list_, &QListWidget::itemClicked, this, [this](QListWidgetItem* it) {
        if (list_->row(it) != lastPicked_) {
            Pick(list_->row(it));
        }
    });
}

void CDlgMenuFunc::Pick(int row) {
    if (row < 0) {
        return;
    }
    lastPicked_ = row;
    if (owner_) {
        PostMessageTo(owner_, msg::kListChoice, static_cast<std::uintptr_t>(row), mode);
    }
    emit chosen(row, mode);
}

void CDlgMenuFunc::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.fillRect(rect(), Qt::black);
    if (!picture_.isNull()) {
        p.drawImage(0, 0, picture_);
    }
}

CDlgMenuFunc* OpenDropDown(QPointer<CDlgMenuFunc>& slot, QWidget* owner,
                           const std::filesystem::path& skinFolder,
                           const DropDownRequest& request) {
    CloseDropDown(slot);
    if (request.names.empty()) {
        return nullptr;
    }
    auto* popup = new CDlgMenuFunc(owner);
    popup->screenX = request.anchor.left();
    popup->screenY = request.anchor.top() + request.anchor.height();
    popup->listWidth = request.width;
    popup->itemCount = static_cast<int>(request.names.size());
    popup->rows = CDlgMenuFunc::RowsFor(popup->itemCount);
    popup->mode = request.mode;
    popup->selection = request.selection;
    popup->Create(skinFolder, request.names);
    popup->show();
    popup->raise();
    popup->activateWindow();
    popup->List()->setFocus();
    slot = popup;
    return popup;
}

void CloseDropDown(QPointer<CDlgMenuFunc>& slot) {
    if (CDlgMenuFunc* popup = slot.data()) {
        slot = nullptr;
        popup->hide();
        popup->deleteLater();
    }
}

std::vector<std::u16string> MacroNames(const MacroLibrary& library) {
    std::vector<std::u16string> names;
    for (std::size_t i = 0; i < library.Size(); ++i) {
        names.push_back(ReadFixedText(library.RecordAt(i)->name));
    }
    return names;
}

std::vector<std::u16string> ProfileNames(const ProfileList& list) {
    std::vector<std::u16string> names;
    for (std::size_t i = 0; i < list.Size(); ++i) {
        names.push_back(ReadFixedText(list.At(i).name));
    }
    return names;
}
