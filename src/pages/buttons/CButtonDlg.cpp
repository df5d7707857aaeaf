#include "pages/buttons/CButtonDlg.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPointer>
#include <vector>

#include "common/StringTable.h"
#include "keys/BuiltInUsLayout.h"
#include "pages/buttons/CSelectMacroDlg.h"
#include "pages/buttons/CShortCutDlg.h"
#include "pages/buttons/FunctionCatalogue.h"
#include "platform/KeyboardCapture.h"
#include "platform/QtText.h"
#include "skin/KeyFilter.h"
#include "skin/CBitmapBtn.h"
#include "skin/CExMenu.h"
#include "skin/MenuLook.h"
#include "skin/SkinText.h"
#include "skin/SkinWindow.h"
#include "skin/WarningDialog.h"

namespace {
constexpr int kHandCaptions[2] = {36, 37};
constexpr int kWarningTitle = 100;
constexpr int kWarningText = 101;
constexpr int kSubmenuItemBase = 1101;

// The width an item needs for its label, as the menu draws it.
int ItemWidth(const QString& label) {
    int widest = 0;
    MeasureTextWidth(label, widest);
    if (!label.isEmpty()) {
        widest = std::max(widest,
                          QFontMetrics(SkinFont(menu_look::kTextHeight)).horizontalAdvance(label));
    }
    return MenuItemWidth(widest, 0);
}
}  // namespace

// The dialogs a choice opens, over the page.
class PageDialogs : public AssignmentDialogs {
public:
    explicit PageDialogs(CButtonDlg& page) : page_(page) {}

    void WarnLeftClickNeeded() override {
        const StringTable& s = *page_.Context().strings;
        ShowWarningDialog(&page_, s.Get(kWarningTitle, StringTable::kWarningBufferUnits),
                          s.Get(kWarningText, StringTable::kWarningBufferUnits), false);
    }

    std::optional<ShortcutValues> AskShortcut(const ShortcutValues& initial) override {
        CShortCutDlg dlg(&page_, page_.Context().skinFolder, *page_.Context().strings,
                         page_.Layout(), KeyboardCapture::Instance());
        dlg.SetValues(initial);
        if (Run(dlg) != CShortCutDlg::kOk) {
            return std::nullopt;
        }
        return dlg.Values();
    }

    std::optional<MacroSelection> AskMacro(const MacroSelection& initial) override {
        const MacroLibrary* library = page_.Context().macros ? page_.Context().macros() : nullptr;
        CSelectMacroDlg dlg(&page_, page_.Context().skinFolder, *page_.Context().strings, library);
        dlg.SetSelection(initial);
        if (Run(dlg) != CSelectMacroDlg::kOk) {
            return std::nullopt;
        }
        return dlg.Selection();
    }

private:
    // The page can end the dialog when it closes its popups.
    int Run(QDialog& dlg) {
        page_.dialog_ = &dlg;
        const int result = dlg.exec();
        page_.dialog_ = nullptr;
        return result;
    }

    CButtonDlg& page_;
};

CButtonDlg::CButtonDlg(QWidget* parent, PageContext context)
    : Page(parent, std::move(context)),
      skin_(std::make_unique<SkinWindow>(*this)),
      assignment_([this]() -> tagPROFILE& { return Profile(); },
                  [this]() -> const MacroLibrary* {
                      return Context().macros ? Context().macros() : nullptr;
                  }),
      dialogs_(std::make_unique<PageDialogs>(*this)) {
    const StringTable& strings = *Context().strings;
    skin_->Load(Context().skinFolder, "skin_button.ini");
    auto make = [&](int key) {
        CBitmapBtn* b = skin_->CreateButton(key);
        b->SetTooltip(skin_->Entry(key).text, true);
        b->setFocusPolicy(Qt::NoFocus);
        return b;
    };
    for (int i = 0; i < kButtonCount; ++i) {
        assign_[i] = make(kFirstAssignKey + i);
        assign_[i]->SetTag(kAssignTag + i);
        connect(assign_[i], &QAbstractButton::clicked, this, [this, i] { ShowFunctionMenu(i); });
    }
    for (int i = 0; i < 2; ++i) {
        hand_[i] = make(kFirstHandKey + i);
        hand_[i]->setCheckable(true);
        hand_[i]->SetCaption(strings.Get(kHandCaptions[i]));
        hand_[i]->SetFontHeight(14);
        hand_[i]->SetCaptionLayout(8);
        // The selected option's patch is the accent colour: its text stays white on it.
        ButtonColours colours;
        colours.pressedOrOn = 0xFFFFFF;
        hand_[i]->SetTextColours(colours);
        connect(hand_[i], &QAbstractButton::clicked, this, [this, i] { OnHandOption(i); });
    }
    for (int i = 0; i < kButtonCount; ++i) {
        markers_[i] = make(kFirstMarkerKey + i);
        markers_[i]->SetTag(kMarkerTag + i);
        connect(markers_[i], &QAbstractButton::clicked, this, [this, i] { ShowFunctionMenu(i); });
    }
    // A button and its marker light up together.
    for (int i = 0; i < kButtonCount; ++i) {
        CBitmapBtn* a = assign_[i];
        CBitmapBtn* m = markers_[i];
        connect(a, &CBitmapBtn::hoverChanged, this, [m](bool on) {
            m->SetHover(on);
            m->repaint();
        });
        connect(m, &CBitmapBtn::hoverChanged, this, [a](bool on) {
            a->SetHover(on);
            a->repaint();
        });
    }
    skin_->Finish();
}

CButtonDlg::~CButtonDlg() = default;

tagPROFILE& CButtonDlg::Profile() const {
    return Context().working->Current();
}

const KeyboardLayout& CButtonDlg::Layout() const {
    static const BuiltInUsLayout us;
    return Context().keyboardLayout != nullptr ? *Context().keyboardLayout : us;
}

void CButtonDlg::RefreshFromProfile() {
    const tagPROFILE& p = Profile();
    for (int i = 0; i < kButtonCount; ++i) {
        SetButtonText(p.buttons[i].type, i);
    }
    CheckHandButton(p.handedness);
}

void CButtonDlg::SetButtonText(std::uint8_t code, int button) {
    assign_[button]->SetCaption(
        AssignmentText(Profile().buttons[button], code, Layout(), *Context().strings));
    assign_[button]->repaint();
}

void CButtonDlg::CheckHandButton(int index) {
    for (int i = 0; i < 2; ++i) {
        const bool on = i == index;
        if (hand_[i]->isChecked() != on) {
            hand_[i]->setChecked(on);
            hand_[i]->repaint();
        }
    }
}

void CButtonDlg::OnHandOption(int index) {
    if (!assignment_.SelectHandedness(index)) {
        return;
    }
    CheckHandButton(index);
    for (const auto& pair : kHandedPairs) {
        for (int b : pair) {
            SetButtonText(Profile().buttons[b].type, b);
        }
    }
    if (Context().editNotice) {
        Context().editNotice(0);
    }
}

void CButtonDlg::ShowFunctionMenu(int button) {
    if (button < 0 || button >= kButtonCount || menu_) {
        return;
    }
    assignment_.SetCurrentButton(button);
    const StringTable& strings = *Context().strings;
    const std::filesystem::path& skin = Context().skinFolder;
    auto label = [&](int number) { return strings.Get(number); };
    const catalogue::MenuWidths widths =
        catalogue::MeasureMenu([&](int number) { return ItemWidth(ToQString(label(number))); });

    CExMenu main(skin, this);
    std::vector<std::unique_ptr<CExMenu>> subs;
    for (const catalogue::Function& f : catalogue::Functions()) {
        if (f.submenu == catalogue::kMainLevel) {
            main.AppendItem(f.command, label(f.label));
        }
    }
    for (int s = 0; s < catalogue::kSubmenuCount; ++s) {
        auto sub = std::make_unique<CExMenu>(skin, &main);
        for (const catalogue::Function& f : catalogue::Functions()) {
            if (f.submenu == s) {
                sub->AppendItem(f.command, label(f.label));
            }
        }
        sub->SetItemWidth(widths.submenus[static_cast<std::size_t>(s)]);
        // Submenu items are never chosen; their own numbers keep their titles apart.
        main.AppendItem(kSubmenuItemBase + s,
                        label(catalogue::SubmenuTitles()[static_cast<std::size_t>(s)]), sub.get());
        subs.push_back(std::move(sub));
    }
    main.SetItemWidth(widths.main);
    menu_ = &main;

    CBitmapBtn* anchor = assign_[button];
    main.Track(anchor->mapToGlobal(QPoint(0, anchor->height())), this,
               [this](int command) { OnFunctionCommand(command); });
    menu_ = nullptr;
    subs.clear();
    // The menu held the pointer: the button and its marker look as if it had just left.
    anchor->SetHover(false);
    markers_[button]->SetHover(false);
    anchor->repaint();
    markers_[button]->repaint();
    setFocus();
}

void CButtonDlg::OnFunctionCommand(int command) {
    if (command < catalogue::kFirstCommand || command > catalogue::kLastCommand) {
        return;
    }
    if (!assignment_.OnFunctionCommand(command, *dialogs_)) {
        return;
    }
    const int b = assignment_.CurrentButton();
    SetButtonText(Profile().buttons[b].type, b);
    if (Context().editNotice) {
        Context().editNotice(0);
    }
}

void CButtonDlg::ClosePopups() {
    if (menu_) {
        menu_->close();
    }
    // A hidden page leaves no dialog holding the keyboard; it ends as if cancelled.
    if (dialog_) {
        dialog_->reject();
    }
}

void CButtonDlg::hideEvent(QHideEvent* e) {
    ClosePopups();
    Page::hideEvent(e);
}

void CButtonDlg::keyPressEvent(QKeyEvent* e) {
    if (IsSwallowedKey(e->key())) {
        e->accept();
        return;
    }
    Page::keyPressEvent(e);
}

void CButtonDlg::mousePressEvent(QMouseEvent* e) {
    if (e->button() == Qt::LeftButton && Context().backgroundClicked) {
        Context().backgroundClicked();
    }
    Page::mousePressEvent(e);
}
