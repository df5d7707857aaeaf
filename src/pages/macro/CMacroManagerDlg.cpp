#include "pages/macro/CMacroManagerDlg.h"

#include <QApplication>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>

#include "common/Messages.h"
#include "common/StringIds.h"
#include "common/StringTable.h"
#include "data/FixedText.h"
#include "data/MacroLibrary.h"
#include "keys/BuiltInUsLayout.h"
#include "keys/KeyCodes.h"
#include "keys/KeyNames.h"
#include "keys/XKeyTranslation.h"
#include "macro/CaptureKeyHook.h"
#include "macro/MacroFileCommands.h"
#include "pages/common/CDlgMenuFunc.h"
#include "pages/macro/CInsertMac2Dlg.h"
#include "pages/macro/CInsertMacDlg.h"
#include "pages/macro/MacroPageCore.h"
#include "pages/macro/PaintedLabel.h"
#include "platform/KeyboardLayout.h"
#include "platform/MessageEvent.h"
#include "platform/QtText.h"
#include "skin/CBitmapBtn.h"
#include "skin/CBmpEdit.h"
#include "skin/CExMenu.h"
#include "skin/CListBoxEx.h"
#include "skin/CSkinScrollWnd.h"
#include "skin/SkinImage.h"
#include "skin/SkinWindow.h"
#include "skin/WarningDialog.h"

namespace {

enum Key {
    kMacroList = 1,
    kNew = 2,
    kDeleteMacro = 3,
    kMore = 4,
    kNameLabel = 5,
    kNameEditor = 6,
    kModeMeasured = 7,
    kModeFixed = 8,
    kModeNone = 9,
    kDelayBoxKey = 10,
    kRecord = 11,
    kModify = 12,
    kDeleteEvent = 13,
    kMoveUp = 14,
    kMoveDown = 15,
    kEvents = 16,
    kInsert = 17,
    kInsertArea = 20,
};

constexpr int kButtonKeys[] = {kMacroList,    kNew,       kDeleteMacro, kMore,   kNameLabel,
                               kModeMeasured, kModeFixed, kModeNone,    kRecord, kModify,
                               kDeleteEvent,  kMoveUp,    kMoveDown,    kInsert};
// What the insert dialog locks while it is open.
constexpr int kLockedKeys[] = {kMacroList, kNew,         kDeleteMacro, kMore,     kRecord,
                               kModify,    kDeleteEvent, kMoveUp,      kMoveDown, kInsert};
constexpr int kEventListId = 4097;
constexpr int kMacroListWidth = 190;
constexpr int kCmdCopy = 1001;
constexpr int kCmdImport = 1002;
constexpr int kCmdExport = 1003;

constexpr std::uint32_t kTheme = 0x8E5101;

MouseMessage MouseMessageOf(const QMouseEvent& e) {
    const bool down = e.type() == QEvent::MouseButtonPress;
    switch (e.button()) {
        case Qt::LeftButton:
            return down ? MouseMessage::LeftDown : MouseMessage::LeftUp;
        case Qt::RightButton:
            return down ? MouseMessage::RightDown : MouseMessage::RightUp;
        case Qt::MiddleButton:
            return down ? MouseMessage::MiddleDown : MouseMessage::MiddleUp;
        case Qt::BackButton:
            return down ? MouseMessage::XButton1Down : MouseMessage::XButton1Up;
        case Qt::ForwardButton:
            return down ? MouseMessage::XButton2Down : MouseMessage::XButton2Up;
        default:
            return MouseMessage::Other;
    }
}

bool Inside(const QWidget* w, const QPoint& global) {
    return w != nullptr && w->isVisible() && w->rect().contains(w->mapFromGlobal(global));
}

}  // namespace

CMacroManagerDlg::CMacroManagerDlg(QWidget* parent, PageContext context)
    : Page(parent, std::move(context)), skin_(std::make_unique<SkinWindow>(*this)) {
    layout_ = Context().keyboardLayout;
    if (layout_ == nullptr) {
        ownLayout_ = CreateSystemKeyboardLayout();
        if (!ownLayout_) {
            ownLayout_ = std::make_unique<BuiltInUsLayout>();
        }
        layout_ = ownLayout_.get();
    }
    hook_ = std::make_unique<CaptureKeyHook>(KeyboardCapture::Instance(), this);

    MacroPageDeps deps;
    deps.library = Context().macros;
    deps.working = Context().working;
    deps.editNotice = Context().editNotice;
    deps.codeName = [this](std::uint8_t code) {
        return DeviceCodeName(code, *layout_, *Context().strings);
    };
    deps.hook = hook_.get();
    deps.tick = &SteadyTickCount;
    deps.deviceCode = [this](std::uint32_t vk) {
        return static_cast<std::uint8_t>(VirtualKeyToDeviceCode(vk, *layout_).code);
    };
    MacroPageView& view = *this;
    core_ = std::make_unique<MacroPageCore>(view, std::move(deps));

    skin_->Load(Context().skinFolder, "skin_macro_manager.ini");
    CreateControls();
    skin_->SetTextPainter([this](QPainter& p) { PaintTexts(p); });
    skin_->Finish();
    setFocusPolicy(Qt::ClickFocus);
    ShowDelayMode();
    core_->SelectMacro(-1);
}

CMacroManagerDlg::~CMacroManagerDlg() {
    if (filteringApp_) {
        qApp->removeEventFilter(this);
    }
    // The recording ends before the window it posts to goes.
    core_.reset();
}

std::u16string CMacroManagerDlg::Text(int number) const {
    return Context().strings->Get(number);
}

CBitmapBtn* CMacroManagerDlg::Button(int key) const {
    return key >= 0 && key < 18 ? buttons_[key] : nullptr;
}

void CMacroManagerDlg::CreateControls() {
    for (int key : kButtonKeys) {
        CBitmapBtn* b = skin_->CreateButton(key);
        b->SetTooltip(skin_->Entry(key).text, true);
        // Space and Enter never press a button of the page.
        b->setFocusPolicy(Qt::NoFocus);
        connect(b, &QAbstractButton::clicked, this, [this, key] { Command(key); });
        buttons_[key] = b;
    }
    buttons_[kMacroList]->SetCaptionLayout(1);
    buttons_[kNameLabel]->SetCaptionLayout(1);
    const int modeStrings[] = {12, 13, 14};
    for (int i = 0; i < 3; ++i) {
        CBitmapBtn* b = buttons_[kModeMeasured + i];
        SetButtonCaption(b, Text(modeStrings[i]));
        b->SetFontHeight(15);
        b->SetCaptionLayout(8);
        b->SetShrinkToFit(true);
        b->setCheckable(true);
        // The chosen mode's patch is the accent colour: its text stays white on it.
        ButtonColours colours;
        colours.pressedOrOn = 0xFFFFFF;
        b->SetTextColours(colours);
    }
    buttons_[kRecord]->SetCheckBoxMode(true);
    SetButtonCaption(buttons_[kRecord], Text(MacroRecorder::kCaptionRecord));
    buttons_[kModify]->SetCheckBoxMode(true);
    buttons_[kInsert]->SetCheckBoxMode(true);
    SetButtonCaption(buttons_[kInsert], Text(18));

    nameEdit_ = skin_->CreateControl<CBmpEdit>(kNameEditor);
    nameEdit_->SetColours(0xFFFFFF, 0x000000);
    nameEdit_->setMaxLength(MacroPageCore::kNameEditorLimit);
    nameEdit_->setAccessibleName(ToQString(skin_->Entry(kNameEditor).text));
    nameEdit_->SetKeepEscAndEnter(false);
    nameEdit_->hide();
    nameEdit_->setEnabled(false);
    connect(nameEdit_, &CBmpEdit::focusLost, this, [this] { CommitRename(); });

    delayBox_ = skin_->CreateControl<CBmpEdit>(kDelayBoxKey);
    delayBox_->SetColours(0xFFFFFF, 0x000000);
    delayBox_->SetDecimalFilter(true);
    delayBox_->setAlignment(Qt::AlignCenter);
    delayBox_->setMaxLength(MacroPageCore::kDelayBoxLimit);
    delayBox_->setAccessibleName(ToQString(skin_->Entry(kDelayBoxKey).text));
    delayBox_->setText(QStringLiteral("50"));

    list_ = skin_->CreateControl<CListBoxEx>(kEvents);
    list_->setAccessibleName(ToQString(skin_->Entry(kEvents).text));
    list_->SetControlId(kEventListId);
    list_->SetNotifyWindow(this);
    list_->SetRowIcons(CListBoxEx::LoadRowIcons(Context().skinFolder, devicePixelRatioF()));
    list_->SetHighlightColour(kTheme);
    list_->SetBackColour(0x000000);
    list_->SetTextColour(0xFFFFFF);
    list_->SetHighlightTextColour(0xFFFFFF);
    list_->SetBackgroundBrush(0x000000);
    connect(list_, &CListBoxEx::notified, this, [this](unsigned number, int, qintptr lParam) {
        if (number == msg::kListEditCommitted2 && lParam == kEventListId && core_->Modifying()) {
            EndModify();
        }
    });
    QImage bar;
    LoadSkinImage(Context().skinFolder / "res" / "res_136.bmp", bar, devicePixelRatioF());
    CSkinScrollWnd::Attach(list_, bar);

    insert_ = new CInsertMacDlg(this, this, Context().skinFolder, *Context().strings);
    insert_->setGeometry(SkinWindow::RectOf(skin_->Entry(kInsertArea)));
    insert_->backgroundClicked = [this] {
        if (Context().backgroundClicked) {
            Context().backgroundClicked();
        }
    };
    insert_->hide();
}

void CMacroManagerDlg::RefreshFromProfile() {
    MacroLibrary* library = Context().macros ? Context().macros() : nullptr;
    // Only a selection the library no longer holds is dropped.
    if (library != nullptr && core_->SelectedIndex() >= static_cast<int>(library->Size())) {
        core_->SelectMacro(-1);
    }
}

void CMacroManagerDlg::ClosePopups() {
    CloseDropDown(popup_);
}

int CMacroManagerDlg::SelectedRow() const {
    const int row = list_->currentRow();
    return (row >= 0 && list_->item(row) != nullptr && list_->item(row)->isSelected()) ? row : -1;
}

void CMacroManagerDlg::BeforeCommand(bool fromNameEditor) {
    CloseDropDown(popup_);
    if (!fromNameEditor) {
        CommitRename();
    }
}

void CMacroManagerDlg::Command(int key) {
    BeforeCommand(false);
    const int row = SelectedRow();
    switch (key) {
        case kMacroList:
            OpenMacroList();
            break;
        case kNew:
            core_->NewMacro();
            break;
        case kDeleteMacro:
            if (core_->SelectedIndex() >= 0 &&
                ShowWarningDialog(this,
                                  Context().strings->Get(100, StringTable::kWarningBufferUnits),
                                  Context().strings->Get(105, StringTable::kWarningBufferUnits),
                                  true) != kWarningCancel) {
                core_->DeleteMacro();
            }
            break;
        case kMore:
            OpenMoreMenu();
            break;
        case kNameLabel:
            StartRename();
            break;
        case kModeMeasured:
        case kModeFixed:
        case kModeNone:
            core_->SetDelayMode(key - kModeMeasured);
            ShowDelayMode();
            break;
        case kRecord:
            if (core_->Recorder().Recording()) {
                // The keys typed before this click may still wait in the queue: when the
                // display hands over keys and click together, the click comes first.
                // Delivered now, they belong to the recording, and one of them may end it
                // at the action limit; the click meant Stop either way.
                QCoreApplication::sendPostedEvents(this, static_cast<int>(msg::kKeyEvent));
                core_->StopRecordingIfAny();
            } else {
                core_->ToggleRecord();
            }
            // A recording that did not start leaves the button as it was.
            buttons_[kRecord]->setChecked(core_->Recorder().Recording());
            break;
        case kModify:
            ToggleModify();
            break;
        case kDeleteEvent:
            core_->DeleteEventAt(row);
            break;
        case kMoveUp:
            core_->MoveUp(row);
            break;
        case kMoveDown:
            core_->MoveDown(row);
            break;
        case kInsert:
            if (!core_->OpenInsert(row)) {
                buttons_[kInsert]->setChecked(core_->InsertOpen());
            }
            break;
        default:
            break;
    }
}

void CMacroManagerDlg::OpenMacroList() {
    MacroLibrary* library = Context().macros ? Context().macros() : nullptr;
    if (library == nullptr || library->Empty()) {
        return;
    }
    DropDownRequest request;
    request.mode = CDlgMenuFunc::kModeMacros;
    const QWidget* field = buttons_[kMacroList];
    request.anchor = QRect(field->mapToGlobal(QPoint(0, 0)), field->size());
    request.width = kMacroListWidth;
    request.selection = core_->SelectedIndex();
    request.names = MacroNames(*library);
    OpenDropDown(popup_, this, Context().skinFolder, request);
}

void CMacroManagerDlg::OpenMoreMenu() {
    CExMenu menu(Context().skinFolder, this);
    menu.AppendItem(kCmdCopy, Text(str::kMoreCopy));
    menu.AppendItem(kCmdImport, Text(str::kMoreImport));
    menu.AppendItem(kCmdExport, Text(str::kMoreExport));
    menu.FitItemWidth(0);
    CBitmapBtn* more = buttons_[kMore];
    menu.Track(more->mapToGlobal(QPoint(0, more->height())), this, [this](int id) {
        MacroLibrary* library = Context().macros ? Context().macros() : nullptr;
        if (library == nullptr) {
            return;
        }
        const auto perUser = library->LibraryPath().parent_path().parent_path();
        if (id == kCmdCopy) {
            core_->CopyMacro();
        } else if (id == kCmdImport) {
            core_->AdoptImported(ImportMacroFile(this, *library, *Context().strings, perUser));
        } else if (id == kCmdExport && core_->SelectedIndex() >= 0) {
            ExportMacroFile(this, *library, core_->SelectedMacro(), *Context().strings, perUser);
        }
    });
    more->SetHover(false);
}

void CMacroManagerDlg::StartRename() {
    renaming_ = true;
    buttons_[kNameLabel]->setEnabled(false);
    buttons_[kNameLabel]->hide();
    nameEdit_->setEnabled(true);
    nameEdit_->show();
    nameEdit_->setFocus();
    nameEdit_->selectAll();
}

void CMacroManagerDlg::CommitRename() {
    if (!renaming_) {
        return;
    }
    renaming_ = false;
    const MacroPageCore::RenameResult r = core_->CommitRename(ToU16(nameEdit_->text()));
    const std::u16string name =
        core_->SelectedMacro() != nullptr ? ReadFixedText(core_->SelectedMacro()->name) : u"";
    nameEdit_->setText(ToQString(name));
    if (r.renamed) {
        SetButtonCaption(buttons_[kMacroList], name);
    }
    SetButtonCaption(buttons_[kNameLabel], name);
    nameEdit_->setEnabled(false);
    nameEdit_->hide();
    buttons_[kNameLabel]->setEnabled(true);
    buttons_[kNameLabel]->show();
}

void CMacroManagerDlg::ToggleModify() {
    if (core_->Modifying()) {
        EndModify();
        return;
    }
    const MacroPageCore::ModifyStart start = core_->BeginModify(SelectedRow());
    if (!start.started) {
        buttons_[kModify]->setChecked(false);
        return;
    }
    list_->SetAnyText(start.anyText);
    list_->OpenEditor();
    if (QLineEdit* editor = list_->Editor()) {
        editor->installEventFilter(this);
        editor->setAccessibleName(list_->accessibleName());
    }
    buttons_[kModify]->setChecked(true);
}

void CMacroManagerDlg::EndModify() {
    QString text;
    if (QLineEdit* editor = list_->Editor()) {
        text = editor->text();
        list_->CloseEditor();
    } else if (list_->currentItem() != nullptr) {
        // Committed by the list itself when it took the focus back.
        text = list_->currentItem()->text();
    }
    buttons_[kModify]->setChecked(false);
    core_->FinishModify(ToU16(text));
}

bool CMacroManagerDlg::FilterModifyKey(QEvent* e) {
    auto* key = static_cast<QKeyEvent*>(e);
    if (!core_->ModifyingAction()) {
        // A delay row's editor takes digits; Enter and Esc close nothing.
        return key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter ||
               key->key() == Qt::Key_Escape;
    }
    const bool released = e->type() == QEvent::KeyRelease;
    if (key->isAutoRepeat()) {
        return true;
    }
#ifdef _WIN32
    const std::uint32_t scan = key->nativeScanCode();
    const std::uint32_t lParam = 0xC0000001u | ((scan & 0x1FF) << 16);
    const std::uint32_t vk =
        released ? SidedModifierKey(key->nativeVirtualKey(), lParam) : key->nativeVirtualKey();
#else
    // The X keymap names the left and right keys apart already.
    const std::uint32_t vk =
        TranslateXKeyEvent(key->nativeScanCode(), key->nativeVirtualKey(), released, *layout_)
            .virtualKey;
#endif
    if (vk == 0) {
        return true;
    }
    core_->SetPendingCode(static_cast<std::uint8_t>(VirtualKeyToDeviceCode(vk, *layout_).code));
    if (QLineEdit* editor = list_->Editor()) {
        editor->setText(ToQString(VirtualKeyShortName(vk, *Context().strings)));
    }
    return true;
}

bool CMacroManagerDlg::FilterRecordingMouse(QObject* watched, QEvent* e) {
    auto* w = qobject_cast<QWidget*>(watched);
    if (w == nullptr || !(w == this || isAncestorOf(w))) {
        return false;
    }
    auto* m = static_cast<QMouseEvent*>(e);
    const QPoint global = m->globalPosition().toPoint();
    const bool overRecord =
        Inside(buttons_[kRecord], global) || Inside(insert_->RecordPage()->RecordButton(), global);
    const MouseMessage message =
        e->type() == QEvent::MouseMove ? MouseMessage::Move : MouseMessageOf(*m);
    return core_->Recorder().FilterMouse(message, overRecord);
}

bool CMacroManagerDlg::eventFilter(QObject* watched, QEvent* e) {
    switch (e->type()) {
        case QEvent::KeyPress:
        case QEvent::KeyRelease:
            if (list_->Editor() != nullptr && watched == list_->Editor() && core_->Modifying()) {
                return FilterModifyKey(e);
            }
            break;
        case QEvent::MouseButtonPress:
        case QEvent::MouseButtonRelease:
        case QEvent::MouseMove:
            if (core_->Recorder().Recording()) {
                return FilterRecordingMouse(watched, e);
            }
            break;
        default:
            break;
    }
    return Page::eventFilter(watched, e);
}

bool CMacroManagerDlg::event(QEvent* e) {
    const auto number = static_cast<std::uint32_t>(e->type());
    if (number >= QEvent::User && number <= QEvent::MaxUser) {
        auto* m = dynamic_cast<MessageEvent*>(e);
        if (m != nullptr) {
            const int row = SelectedRow();
            switch (m->Number()) {
                case msg::kKeyEvent:
                    core_->Recorder().OnHookKey(static_cast<std::uint32_t>(m->WParam()),
                                                static_cast<std::uint32_t>(m->LParam()));
                    return true;
                case msg::kListChoice:
                    if (m->LParam() == MacroPageCore::kMacroListMode) {
                        CloseDropDown(popup_);
                        core_->OnListChoice(m->WParam(), m->LParam());
                    }
                    return true;
                case insert_msg::kDelay:
                    core_->InsertDelayResult(m->WParam(), m->LParam(), row);
                    return true;
                case insert_msg::kRecordStart:
                    core_->InsertRecordStart(m->WParam(), m->LParam(), row);
                    return true;
                case insert_msg::kRecordStop:
                    core_->InsertRecordStop();
                    return true;
                case insert_msg::kDone:
                    core_->InsertDone();
                    return true;
                case insert_msg::kCancel:
                    core_->InsertCancel();
                    return true;
                default:
                    break;
            }
        }
    }
    return Page::event(e);
}

void CMacroManagerDlg::mousePressEvent(QMouseEvent* e) {
    if (e->button() != Qt::LeftButton) {
        return;
    }
    if (Context().backgroundClicked) {
        Context().backgroundClicked();
    }
    CommitRename();
    CloseDropDown(popup_);
    setFocus();
}

void CMacroManagerDlg::keyPressEvent(QKeyEvent* e) {
    // Enter, Space and Esc never press a button or close anything here.
    e->accept();
}

void CMacroManagerDlg::hideEvent(QHideEvent* e) {
    // The keyboard is never left captured behind a page that cannot be seen.
    core_->StopRecordingIfAny();
    CloseDropDown(popup_);
    Page::hideEvent(e);
}

void CMacroManagerDlg::ShowRows(const std::vector<EventRow>& rows, int selectRow) {
    list_->clear();
    for (const EventRow& r : rows) {
        list_->AddRow(ToQString(r.text), r.value);
    }
    if (selectRow >= 0 && selectRow < list_->count()) {
        list_->setCurrentRow(selectRow);
        list_->scrollToItem(list_->item(selectRow));
    }
}

void CMacroManagerDlg::ShowMacroName(const std::u16string& name) {
    SetButtonCaption(buttons_[kMacroList], name);
    SetButtonCaption(buttons_[kNameLabel], name);
    nameEdit_->setText(ToQString(name));
}

void CMacroManagerDlg::ShowCapacity(const MacroFit& fit, int lastRow,
                                    const std::u16string& lastText) {
    capacityText_ = ToU16(ToQString(Text(str::kMacroRoom))
                              .arg(fit.fits ? fit.bytesUsed : fit.bytesNeeded)
                              .arg(fit.capacity));
    capacityWarning_.clear();
    if (!fit.fits) {
        // Rows are counted from 1, as a user counts them.
        capacityWarning_ =
            ToU16(ToQString(Text(str::kMacroCutAfter)).arg(lastRow + 1).arg(ToQString(lastText)));
    }
    update(QRect(540, 440, 330, 56));
}

void CMacroManagerDlg::SetRecordCaption(int stringNumber) {
    SetButtonCaption(buttons_[kRecord], Text(stringNumber));
    const bool recording = stringNumber == MacroRecorder::kCaptionStop;
    // Clicks are taken from the whole page only while a recording runs.
    if (recording && !filteringApp_) {
        qApp->installEventFilter(this);
        filteringApp_ = true;
    } else if (!recording && filteringApp_) {
        qApp->removeEventFilter(this);
        filteringApp_ = false;
    }
}

void CMacroManagerDlg::ClearRecordCheck() {
    buttons_[kRecord]->setChecked(false);
}

std::u16string CMacroManagerDlg::DelayBoxText() {
    return ToU16(delayBox_->text());
}

void CMacroManagerDlg::FocusPage() {
    setFocus();
}

void CMacroManagerDlg::ResetInsertRecordingPage() {
    insert_->RecordPage()->Reset();
}

void CMacroManagerDlg::EnableEventList() {
    list_->setEnabled(true);
}

void CMacroManagerDlg::SetInsertOpen(bool open, int delayMode) {
    for (int key : kLockedKeys) {
        buttons_[key]->setEnabled(!open);
    }
    nameEdit_->setEnabled(!open && renaming_);
    for (int mode = 0; mode < 3; ++mode) {
        buttons_[kModeMeasured + mode]->setEnabled(!open || mode == delayMode);
    }
    insert_->setVisible(open);
    if (open) {
        insert_->raise();
    } else {
        buttons_[kInsert]->setChecked(false);
    }
}

void CMacroManagerDlg::ShowDelayMode() {
    const int mode = core_->DelayMode();
    for (int i = 0; i < 3; ++i) {
        buttons_[kModeMeasured + i]->setChecked(i == mode);
    }
    delayBox_->setEnabled(mode == 1);
}

void CMacroManagerDlg::PaintTexts(QPainter& p) const {
    PaintLabel(p, Text(10), QRect(QPoint(34, 198), QPoint(223, 225)), 15);
    PaintLabel(p, Text(11), QRect(QPoint(34, 292), QPoint(223, 319)), 15);
    PaintLabel(p, Text(15), QRect(QPoint(230, 378), QPoint(285, 402)), 14);
    PaintLabel(p, capacityText_, QRect(540, 446, 320, 22), 13);
    if (!capacityWarning_.empty()) {
        PaintLabel(p, capacityWarning_, QRect(540, 468, 320, 22), 13, kLabelWarning);
    }
}
