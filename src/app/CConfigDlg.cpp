#include "app/CConfigDlg.h"

#include <QCloseEvent>
#include <QCoreApplication>
#include <QFileDialog>
#include <QFontDatabase>
#include <QKeyEvent>
#include <QPainter>
#include <QTimer>

#include "app/AppFolders.h"
#include "app/AppGlobals.h"
#include "app/Messages.h"
#include "platform/MessageEvent.h"
#include "platform/QtText.h"
#include "platform/Trace.h"
#include "skin/WarningDialog.h"

namespace {
CConfigDlg* g_mainWindow = nullptr;

constexpr int kStrDefaultProfileName = 49;
constexpr int kStrWarningTitle = 100;
constexpr int kStrConfirmDelete = 103;
constexpr int kStrNotAProfileFile = 2001;
constexpr int kStrImportProfileTitle = 2005;
constexpr int kStrExportProfileTitle = 2006;
const QString kProfileFilter = QStringLiteral("Gmp(*.gmp)");
}  // namespace

CConfigDlg* MainWindow() { return g_mainWindow; }

CConfigDlg::CConfigDlg(bool autoStart) : visibility_(autoStart) {}

CConfigDlg::~CConfigDlg() {
    OnDestroy();
    if (g_mainWindow == this) {
        g_mainWindow = nullptr;
    }
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
    g.programFolder = ProgramFolder();
    g.skinFolder = g.programFolder / "skins" / "";
    // A missing table is not reported; texts are then empty.
    g.strings.Load(g.programFolder / "lan" / "strings.txt");
    ReadAutoRunSetting();
    BuildFromSkin();
    ApplyWindowRegion();
    created_ = true;
    return true;
}

void CConfigDlg::OnInitDialog() {
    AppGlobals& g = Globals();
    LoadPrivateFont();
    setWindowTitle(QString::fromLatin1(kMainWindowTitle));
    store_ = std::make_unique<ProfileStore>(g.profiles, g.working, &CurrentPerUserFolder,
                                            g.strings.Get(kStrDefaultProfileName), *this);
    store_->LoadStateFile(g.applied);
    g.working = g.applied;
    store_->LoadProfileList();
    // Both blocks are repaired alike, so the repair alone never reads as an edit.
    store_->RepairSlotBindings(g.applied);
    store_->RepairSlotBindings(g.working);
    LoadMacroLibrary();
    RefreshFromProfile();
    CreateWorker();
    BindAndOpenTransports();
    g_mainWindow = this;
    qCDebug(lcApp) << "main window initialised";
}

void CConfigDlg::OnDestroy() {
    if (!created_ || destroyed_) {
        return;
    }
    destroyed_ = true;
    // Skin images belong to the window and go with it.
    store_.reset();
    Globals().profiles.Clear();  // everything was saved when it changed
    // Seam: the macro library is freed here with the profile list.
    CloseDeviceLink();
    RemoveTrayIcon();
    RemovePrivateFont();
    qCDebug(lcApp) << "main window destroyed";
}

bool CConfigDlg::AnyVariantConnected() const {
    return connectionState_[0] == 1 || connectionState_[1] == 1;
}

bool CConfigDlg::AnyVariantEverConnected() const {
    return connectionState_[0] != 0 || connectionState_[1] != 0;
}

std::u16string CConfigDlg::Text(int number) const { return Globals().strings.Get(number); }

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
        default:
            break;
    }
}

void CConfigDlg::ImportProfile() {
    const QString file =
        QFileDialog::getOpenFileName(this, ToQString(Text(kStrImportProfileTitle)),
                                     FromPath(CurrentPerUserFolder()), kProfileFilter);
    if (file.isEmpty()) {
        return;
    }
    if (store_->ImportProfile(ToPath(file)) == ImportResult::WrongSize) {
        ShowWarningDialog(this, Text(kStrWarningTitle), Text(kStrNotAProfileFile), false);
    }
}

void CConfigDlg::ExportProfile() {
    QFileDialog dialog(this, ToQString(Text(kStrExportProfileTitle)),
                       FromPath(CurrentPerUserFolder()), kProfileFilter);
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setDefaultSuffix(QStringLiteral("gmp"));
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) {
        return;
    }
    store_->ExportProfile(ToPath(dialog.selectedFiles().front()));
}

void CConfigDlg::RefreshPages() {
    // Seam: the profile caption and the four pages redraw from the current profile here.
    update();
}

void CConfigDlg::PostEditNotice() { PostMessageTo(this, msg::kEditNotice); }

void CConfigDlg::UpdateWindowNow() { repaint(); }

bool CConfigDlg::ConfirmDelete() {
    return ShowWarningDialog(this, Text(kStrWarningTitle), Text(kStrConfirmDelete), true) !=
           kWarningCancel;
}

void CConfigDlg::paintEvent(QPaintEvent*) {
    QPainter p(this);
    // Seam: the skin's Normal screen is drawn here; until then the theme's background.
    p.fillRect(rect(), QColor(18, 20, 24));
    if (visibility_.HideAfterPaint(AnyVariantEverConnected())) {
        QTimer::singleShot(0, this, &QWidget::hide);
    }
}

void CConfigDlg::closeEvent(QCloseEvent* e) {
    e->accept();
    OnDestroy();
    QCoreApplication::quit();
}

void CConfigDlg::keyPressEvent(QKeyEvent* e) {
    // Escape, Enter and Space never close the window or press a button.
    switch (e->key()) {
        case Qt::Key_Escape:
        case Qt::Key_Return:
        case Qt::Key_Enter:
        case Qt::Key_Space:
            e->accept();
            return;
        default:
            QWidget::keyPressEvent(e);
    }
}

void CConfigDlg::LoadPrivateFont() {
    const QString file = FromPath(Globals().programFolder / "Font" / "arial.ttf");
    fontId_ = QFontDatabase::addApplicationFont(file);  // -1 when missing: not reported
}

void CConfigDlg::RemovePrivateFont() {
    if (fontId_ >= 0) {
        QFontDatabase::removeApplicationFont(fontId_);
        fontId_ = -1;
    }
}

// The steps below are filled as their subsystems land: the settings file, the skin loader,
// the macro library, the pages and the device link.
void CConfigDlg::ReadAutoRunSetting() {}
void CConfigDlg::BuildFromSkin() { resize(960, 600); }
void CConfigDlg::ApplyWindowRegion() {}
void CConfigDlg::LoadMacroLibrary() {}
void CConfigDlg::RefreshFromProfile() { RefreshPages(); }
void CConfigDlg::CreateWorker() {}
void CConfigDlg::BindAndOpenTransports() {}
void CConfigDlg::CloseDeviceLink() {}
void CConfigDlg::RemoveTrayIcon() {}
