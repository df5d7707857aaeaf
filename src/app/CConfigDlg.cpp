#include "app/CConfigDlg.h"

#include "common/StringIds.h"
#include <QApplication>
#include <QCloseEvent>
#include <QIcon>
#include <QKeyEvent>
#include <QPainter>
#include <QPixmap>
#include <QTimer>

#include <algorithm>

#include "app/AppFolders.h"
#include "app/AppGlobals.h"
#include "app/AutoRun.h"
#include "app/AutoRunDesktopEntry.h"
#include "app/MainWindowModel.h"
#include "common/Messages.h"
#include "app/TrayIcon.h"
#include "data/ProfileDefaults.h"
#include "device/DeviceLink.h"
#include "platform/AutoRunRegistration.h"
#include "platform/MessageEvent.h"
#include "platform/QtText.h"
#include "platform/Trace.h"
#include "platform/TransportLibrary.h"
#include "skin/KeyFilter.h"
#include "skin/CBitmapBtn.h"
#include "skin/CExMenu.h"
#include "skin/ExchangeFileDialogs.h"
#include "skin/SkinImage.h"
#include "skin/SkinText.h"
#include "skin/SkinWindow.h"
#include "skin/WarningDialog.h"

namespace {
const QString kProfileFilter = QStringLiteral("Gmp(*.gmp)");
}  // namespace

CConfigDlg::CConfigDlg(bool autoStart)
    : visibility_(autoStart), model_(std::make_unique<MainWindowModel>(Globals().working)) {}

CConfigDlg::~CConfigDlg() {
    OnDestroy();
}

int CConfigDlg::RunModal() {
    if (!OnCreate()) {
        return 1;
    }
    OnInitDialog();
    // Decide before the first paint, so a window that must stay hidden never flashes up.
    if (!visibility_.HideAfterPaint(AnyVariantEverConnected())) {
        show();
    }
    return QCoreApplication::exec();
}

bool CConfigDlg::OnCreate() {
    setWindowFlags(Qt::Window | Qt::FramelessWindowHint | Qt::WindowMinimizeButtonHint |
                   Qt::WindowSystemMenuHint);
    AppGlobals& g = Globals();
    // The application object has set the program folder.
    g.skinFolder = g.programFolder / "skins" / "";
    // A missing table is not reported; texts are then empty.
    g.strings.Load(g.programFolder / "lan" / "strings.txt");
    SetWarningDialogResources(
        {g.skinFolder, g.strings.Get(str::kWarningOk), g.strings.Get(str::kWarningCancel)});
    autoRun_ = ReadAutoRun(CurrentPerUserFolder());
    // Before the first text is measured: adding a font afterwards makes Qt read the whole
    // font database again. A missing font is not reported; texts then use what the system
    // has for Arial.
    fontId_ = ::LoadPrivateFont(g.programFolder).value_or(-1);
    BuildFromSkin();
    ApplyWindowRegion();
    created_ = true;
    return true;
}

void CConfigDlg::OnInitDialog() {
    AppGlobals& g = Globals();
    // The program's icon, for the window and the notification area.
    QImage picture;
    if (!LoadSkinImage(ProgramIconPath(g.skinFolder), picture).isEmpty()) {
        const QIcon icon(QPixmap::fromImage(picture));
        setWindowIcon(icon);
        QApplication::setWindowIcon(icon);
    }
    setWindowTitle(QString::fromLatin1(kMainWindowTitle));
    store_ = std::make_unique<ProfileStore>(g.profiles, g.working, &CurrentPerUserFolder,
                                            g.strings.Get(str::kDefaultProfileName), *this);
    store_->LoadStateFile(g.applied);
    g.working = g.applied;
    store_->LoadProfileList();
    // Both blocks are repaired alike, so the repair alone never reads as an edit.
    store_->RepairSlotBindings(g.applied);
    store_->RepairSlotBindings(g.working);
    g.macros =
        std::make_unique<MacroLibrary>(&CurrentPerUserFolder, g.strings.Get(str::kDefaultMacroName));
    g.macros->LoadMacroLibrary();
    QTimer::singleShot(0, this, [this] { WarnAboutLoadProblems(); });
    RefreshFromProfile();
    CreateWorker();
    BindAndOpenTransports();
    qCDebug(lcApp) << "main window initialised";
}

void CConfigDlg::OnDestroy() {
    if (!created_ || destroyed_) {
        return;
    }
    destroyed_ = true;
    // Skin images belong to the window and go with it.
    Globals().profiles.Clear();  // everything was saved when it changed
    if (Globals().macros) {
        Globals().macros->FreeMacroLibrary();
    }
    CloseDeviceLink();
    RemoveTrayIcon();
    if (fontId_ >= 0) {
        ::RemovePrivateFont(fontId_);
        fontId_ = -1;
    }
    qCDebug(lcApp) << "main window destroyed";
}

bool CConfigDlg::AnyVariantConnected() const {
    return link_ && link_->AnyConnected();
}

bool CConfigDlg::AnyVariantEverConnected() const {
    return link_ && link_->EverConnected();
}

std::u16string CConfigDlg::Text(int number) const {
    return Globals().strings.Get(number);
}

bool CConfigDlg::event(QEvent* e) {
    if (e->type() >= QEvent::User && e->type() <= QEvent::MaxUser) {
        if (auto* m = dynamic_cast<MessageEvent*>(e)) {
            return OnMessage(*m);
        }
    }
    return QWidget::event(e);
}

bool CConfigDlg::OnMessage(const MessageEvent& m) {
    switch (m.Number()) {
        case msg::kShowYourself:
            qCDebug(lcApp) << "received message 1039";
            if (AnyVariantConnected()) {
                show();
                raise();
                activateWindow();
            }
            return true;
        case msg::kEditNotice:
            return true;
        case msg::kClosePopup:
            ClosePopups();
            return true;
        case msg::kListChoice:
            OnProfileChosen(m.WParam(), m.LParam());
            return true;
        case msg::kApplyProgress:
            ShowApplyProgress(static_cast<int>(m.WParam()), static_cast<int>(m.LParam()));
            return true;
        case msg::kApplyFinished:
            if (link_) {
                link_->OnApplyFinished(buttonsCleared_.exchange(false));
            }
            return true;
        case msg::kDeviceEvent1:
        case msg::kDeviceEvent2:
            if (link_) {
                link_->OnEventMessage(m.Number() == msg::kDeviceEvent1 ? 0 : 1, m.WParam(),
                                      m.LParam());
            }
            return true;
        case msg::kDeviceConnection1:
        case msg::kDeviceConnection2:
            qCDebug(lcApp) << "connection message" << m.Number() << m.WParam();
            if (link_) {
                link_->OnConnectionMessage(m.Number() == msg::kDeviceConnection1 ? 0 : 1,
                                           m.WParam());
            }
            return true;
        default:
            return false;
    }
}

void CConfigDlg::OnCommand(int id) {
    switch (id) {
        case msg::kCmdCopyProfile:
            store_->CopyProfile();
            break;
        case msg::kCmdImportProfile:
            ImportProfile();
            break;
        case msg::kCmdExportProfile:
            ExportProfile();
            break;
        case msg::kCmdShowWindow:
            show();
            break;
        case msg::kCmdExit:
            QTimer::singleShot(0, this, &QWidget::close);
            break;
        case msg::kCmdToggleAutoRun:
            ToggleAutoRun();
            break;
        default:
            break;
    }
}

void CConfigDlg::OnControl(int key) {
    AppGlobals& g = Globals();
    ClosePopups();
    switch (key) {
        case control::kClose:
        case control::kCancel:
            close();  // nothing is applied
            break;
        case control::kMinimise:
            showMinimized();
            break;
        case control::kNewProfile:
            if (model_->NewProfile(*store_)) {
                RefreshPages();
            }
            break;
        case control::kDeleteProfile:
            store_->DeleteProfile();
            break;
        case control::kMoreMenu:
            ShowMoreMenu();
            break;
        case control::kProfileList:
            ShowProfilePopup();
            break;
        case control::kRestoreDefaults:
            model_->RestoreDefaults(g.strings.Get(str::kDefaultProfileName));
            RefreshFromProfile();
            link_->RequestApply(true);
            break;
        case control::kApply:
            link_->RequestApply(false);
            break;
        case control::kOk:
            link_->RequestApply(false);
            close();  // shutdown waits for the worker, so the reports still go out
            break;
        default:
            if (key >= control::kSlot1 && key <= control::kSlot3) {
                if (model_->SelectSlot(key - control::kSlot1)) {
                    SelectSlot(g.working.currentSlot);
                    RefreshPages();  // nothing is sent or saved until the next apply
                }
            } else {
                SelectTab(key);  // a click on the current tab changes nothing
            }
            break;
    }
}

// Copy, import and export, under button "17"; the choice comes back as a command.
void CConfigDlg::ShowMoreMenu() {
    CBitmapBtn* more = controls_[control::kMoreMenu];
    CExMenu menu(Globals().skinFolder, this);
    menu.AppendItem(msg::kCmdCopyProfile, Text(str::kMoreCopy));
    menu.AppendItem(msg::kCmdImportProfile, Text(str::kMoreImport));
    menu.AppendItem(msg::kCmdExportProfile, Text(str::kMoreExport));
    menu.FitItemWidth(more->width());
    menu.Track(more->mapToGlobal(QPoint(0, more->height())), this,
               [this](int id) { OnCommand(id); });
    // The menu held the pointer: the button looks as if it had just left it.
    more->SetHover(false);
    more->repaint();
}

void CConfigDlg::ToggleAutoRun() {
    platform::AutoRunRegistration registration;
    ::ToggleAutoRun(autoRun_, CurrentPerUserFolder(),
                    LaunchPath(ToPath(QCoreApplication::applicationFilePath())), registration);
    if (tray_) {
        tray_->SetAutoRunChecked(autoRun_ == 1);
    }
}

void CConfigDlg::ImportProfile() {
    const auto file = AskOpenExchangeFile(this, ToQString(Text(str::kImportProfileTitle)),
                                          CurrentPerUserFolder(), kProfileFilter);
    if (file && store_->ImportProfile(*file) == ImportResult::WrongSize) {
        ShowWarningDialog(this, Text(str::kWarningTitle), Text(str::kNotAProfileFile), false);
    }
}

void CConfigDlg::ExportProfile() {
    const auto file =
        AskSaveExchangeFile(this, ToQString(Text(str::kExportProfileTitle)), CurrentPerUserFolder(),
                            kProfileFilter, QStringLiteral("gmp"));
    if (file) {
        store_->ExportProfile(*file);
    }
}

void CConfigDlg::PostEditNotice() {
    PostMessageTo(this, msg::kEditNotice);
}

void CConfigDlg::UpdateWindowNow() {
    repaint();
}

bool CConfigDlg::ConfirmDelete() {
    return ShowWarningDialog(this, Text(str::kWarningTitle), Text(str::kConfirmDeleteProfile), true) !=
           kWarningCancel;
}

void CConfigDlg::closeEvent(QCloseEvent* e) {
    e->accept();
    OnDestroy();
    QCoreApplication::quit();
}

void CConfigDlg::mousePressEvent(QMouseEvent* e) {
    // A click on the background closes the lists; the skin then drags the window.
    ClosePopups();
    QWidget::mousePressEvent(e);
}

void CConfigDlg::hideEvent(QHideEvent* e) {
    // Hidden with the device gone: no menu or list may keep the pointer or keyboard.
    ClosePopups();
    QWidget::hideEvent(e);
}

void CConfigDlg::keyPressEvent(QKeyEvent* e) {
    // Escape, Enter and Space never close the window or press a button.
    if (IsSwallowedKey(e->key())) {
        e->accept();
        return;
    }
    QWidget::keyPressEvent(e);
}
