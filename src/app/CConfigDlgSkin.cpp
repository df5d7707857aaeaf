// The main window's look: its controls from skin_Config.ini and what they show.
#include <QPainter>
#include <QStackedWidget>

#include "app/AppGlobals.h"
#include "app/ApplyProgressBar.h"
#include "app/MainWindowModel.h"
#include "app/CConfigDlg.h"
#include "common/Messages.h"
#include "common/StringIds.h"
#include "data/FixedText.h"
#include "pages/Page.h"
#include "pages/PageFactory.h"
#include "pages/common/CDlgMenuFunc.h"
#include "platform/KeyboardLayout.h"
#include "platform/MessageEvent.h"
#include "platform/QtText.h"
#include "platform/Trace.h"
#include "skin/CBitmapBtn.h"
#include "skin/SkinWindow.h"

namespace {

struct ControlSetup {
    int key;
    int caption;  // string number, 0 for none
    bool shrink;
};

// In creation order.
constexpr ControlSetup kControls[] = {
    {control::kClose, 0, false},
    {control::kMinimise, 0, false},
    {control::kLogo, 0, false},
    {tab::kSensitivity, str::kSensitivityTab, true},
    {tab::kButtons, str::kButtonsTab, true},
    {tab::kLighting, str::kLightingTab, true},
    {tab::kMacro, str::kMacroTab, true},
    {control::kRestoreDefaults, str::kRestoreDefaults, true},
    {control::kApply, str::kApply, true},
    {control::kOk, str::kOk, true},
    {control::kCancel, str::kCancel, true},
    {control::kSlot1, str::kSlot1, true},
    {control::kSlot2, str::kSlot2, true},
    {control::kSlot3, str::kSlot3, true},
    {control::kProfileList, 0, false},
    {control::kNewProfile, 0, false},
    {control::kDeleteProfile, 0, false},
    {control::kMoreMenu, 0, false},
};

constexpr int kPageAreaKey = control::kPageArea;

bool IsTab(int key) {
    return MainWindowModel::PageOfTab(key).has_value();
}

}  // namespace

void CConfigDlg::BuildFromSkin() {
    const AppGlobals& g = Globals();
    skin_ = std::make_unique<SkinWindow>(*this);
    skin_->Load(g.skinFolder, "skin_Config.ini", QSize(960, 600));
    for (const ControlSetup& c : kControls) {
        CBitmapBtn* b = skin_->CreateButton(c.key);
        b->SetTooltip(skin_->Entry(c.key).text, true);
        if (c.caption != 0) {
            b->SetCaption(g.strings.Get(c.caption));
        }
        b->SetShrinkToFit(c.shrink);
        // Tabs and slots show which one is current; only this window changes that.
        b->setCheckable(IsTab(c.key) || (c.key >= control::kSlot1 && c.key <= control::kSlot3));
        // Keys stay with the window, which swallows Escape, Enter and Space.
        b->setFocusPolicy(Qt::NoFocus);
        if (IsTab(c.key)) {
            b->SetFontHeight(18);
            ButtonColours tab;
            tab.normal = 0x808080;
            tab.hover = tab.pressedOrOn = tab.disabled = 0xFFFFFF;
            b->SetTextColours(tab);
        }
        if (c.key == control::kRestoreDefaults || c.key >= control::kApply) {
            b->SetCaptionLayout(0);
        }
        const int key = c.key;
        connect(b, &QAbstractButton::clicked, this, [this, key] { OnControl(key); });
        controls_[key] = b;
    }
    listAnchor_ = SkinWindow::RectOf(skin_->Entry(control::kProfileList));
    pageArea_ = SkinWindow::RectOf(skin_->Entry(kPageAreaKey));
    applyProgress_ = new ApplyProgressBar(this);
    applyProgress_->setGeometry(pageArea_.left(), pageArea_.bottom() + 6, pageArea_.width(), 3);
    CreatePages();
    SelectTab(tab::kButtons);
}

void CConfigDlg::ApplyWindowRegion() {
    skin_->Finish();
}

// The pages sit in one stack on the page area; the stack shows one at a time.
void CConfigDlg::CreatePages() {
    AppGlobals& g = Globals();
    pageStack_ = new QStackedWidget(this);
    pageStack_->setGeometry(pageArea_);
    PageContext context;
    context.skinFolder = g.skinFolder;
    context.strings = &g.strings;
    context.working = &g.working;
    context.profiles = &g.profiles;
    context.macros = [] { return Globals().macros.get(); };
    keyboardLayout_ = CreateSystemKeyboardLayout();
    context.keyboardLayout = keyboardLayout_.get();
    context.editNotice = [this](int kind) {
        PostMessageTo(this, msg::kEditNotice, static_cast<std::uintptr_t>(kind));
    };
    context.backgroundClicked = [this] { PostMessageTo(this, msg::kClosePopup); };
    constexpr PageKind kByTab[] = {PageKind::Sensitivity, PageKind::Buttons, PageKind::Lighting,
                                   PageKind::Macro};
    for (int i = 0; i < 4; ++i) {
        std::unique_ptr<Page> page = CreatePageOnFirstShow(kByTab[i], pageStack_, context);
        pages_[i] = page.release();  // owned by the stack
        pageStack_->addWidget(pages_[i]);
    }
    pageStack_->show();
}

Page* CConfigDlg::PageOfTab(int key) const {
    const std::optional<int> page = MainWindowModel::PageOfTab(key);
    return page ? pages_[*page] : nullptr;
}

void CConfigDlg::ClosePopups() {
    CloseDropDown(profilePopup_);
    for (Page* page : pages_) {
        if (page != nullptr) {
            page->ClosePopups();
        }
    }
}

// The stored profiles under button "14"; the choice comes back as message 1259.
void CConfigDlg::ShowProfilePopup() {
    const AppGlobals& g = Globals();
    const QRect anchor(mapToGlobal(listAnchor_.topLeft()), listAnchor_.size());
    DropDownRequest request;
    request.mode = CDlgMenuFunc::kModeProfiles;
    request.anchor = anchor;
    request.width = listAnchor_.width();
    request.selection = g.working.slotProfile[g.working.currentSlot];
    request.names = ProfileNames(g.profiles);
    OpenDropDown(profilePopup_, this, g.skinFolder, request);
}

void CConfigDlg::OnProfileChosen(std::uintptr_t index, std::intptr_t mode) {
    CloseDropDown(profilePopup_);
    if (mode != CDlgMenuFunc::kModeProfiles) {
        return;
    }
    // The list may have changed while the popup was open.
    if (const auto position = ChosenEntry(index, Globals().profiles.Size())) {
        store_->BindSlotToProfile(*position);
    }
}

// Exactly one tab is selected: the current page's.
void CConfigDlg::SelectTab(int key) {
    if (!model_->ClickTab(key)) {
        return;
    }
    for (int k = tab::kFirst; k <= tab::kLast; ++k) {
        controls_[k]->setChecked(k == key);
    }
    if (Page* page = PageOfTab(key)) {
        pageStack_->setCurrentWidget(page);
    }
}

void CConfigDlg::SelectSlot(int slot) {
    for (int k = 0; k < kSlotCount; ++k) {
        controls_[control::kSlot1 + k]->setChecked(k == slot);
    }
}

void CConfigDlg::RefreshFromProfile() {
    SelectSlot(Globals().working.currentSlot);
    RefreshPages();
}

void CConfigDlg::RefreshPages() {
    CBitmapBtn* list = controls_[control::kProfileList];
    list->SetCaption(ReadFixedText(Globals().working.Current().name));
    list->repaint();
    // The macro page shows the library, not the profile.
    for (int key : {tab::kButtons, tab::kSensitivity, tab::kLighting}) {
        if (Page* page = PageOfTab(key)) {
            page->RefreshFromProfile();
        }
    }
}

void CConfigDlg::EnableApplyButtons(bool on) {
    for (int key : {control::kApply, control::kOk, control::kRestoreDefaults}) {
        controls_[key]->setEnabled(on);
        controls_[key]->repaint();
    }
}

// The bar under the page area fills and Apply counts the reports, so a long apply is never
// mistaken for a hang.
void CConfigDlg::ShowApplyProgress(int sent, int total) {
    if (applyProgress_ == nullptr) {
        return;
    }
    if (!applyWaiting_) {
        total = 0;  // a late notice after the apply ended
    }
    applyProgress_->SetProgress(sent, total);
    CBitmapBtn* apply = controls_[control::kApply];
    const std::u16string caption =
        total > 0 ? QString(QStringLiteral("%1 / %2")).arg(sent).arg(total).toStdU16String()
                  : Text(str::kApply);
    apply->SetCaption(caption);
    apply->setAccessibleDescription(total > 0 ? QString::fromStdU16String(caption) : QString());
    apply->repaint();
    if (total > 0) {
        qCDebug(lcApp).noquote() << QStringLiteral("apply progress %1 / %2").arg(sent).arg(total);
    }
}

