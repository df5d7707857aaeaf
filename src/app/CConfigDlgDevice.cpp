// The main window's side of the device link: binding the plug-ins, the tray icon, the
// apply wait and the device's own notices.
#include <QApplication>
#include <QDesktopServices>
#include <QFileInfo>
#include <QProcess>
#include <QTimer>
#include <QUrl>

#include "app/AppGlobals.h"
#include "app/CConfigDlg.h"
#include "app/MainWindowModel.h"

#include "pages/Page.h"
#include "common/Messages.h"
#include "common/StringIds.h"
#include "app/TrayIcon.h"
#include "device/DeviceLink.h"
#include "device/ReportSender.h"
#include "pages/sensitivity/PointerSettings.h"
#include "platform/DeviceNodeAccess.h"
#include "platform/MessageEvent.h"
#include "platform/PointerControl.h"
#include "platform/QtText.h"
#include "platform/Trace.h"
#include "platform/TransportLibrary.h"
#include "skin/WarningDialog.h"

namespace {
#ifdef _WIN32
constexpr const char* kPluginSuffix = ".dll";
#else
constexpr const char* kPluginSuffix = ".so";
#endif
}  // namespace

void CConfigDlg::CreateWorker() {
    AppGlobals& g = Globals();
    tray_ = std::make_unique<TrayIcon>(
        g.strings, [this](int id) { OnCommand(id); }, this);
    tray_->SetAutoRunChecked(autoRun_ == 1);
    for (int v = 0; v < 2; ++v) {
        transports_[v] = std::make_unique<TransportLibrary>(
            g.programFolder / ("hiddriver_" + std::to_string(v + 1) + kPluginSuffix), this);
    }
    link_ = std::make_unique<DeviceLink>(
        g.working, g.applied, g.profiles, *store_, *this,
        std::array<Transport*, 2>{transports_[0].get(), transports_[1].get()},
        &ReportSender::SleepOnThisThread);
    link_->CreateWorker();
}

void CConfigDlg::BindAndOpenTransports() {
    link_->OpenAtStartup();
    qCDebug(lcApp) << "device states" << link_->State(0) << link_->State(1);
}

void CConfigDlg::CloseDeviceLink() {
    if (!link_) {
        return;
    }
    // Closed first: messages still queued for the window and the arrival timer then find no
    // link, and nothing is left pointing at the libraries freed below.
    link_->Close();
    link_.reset();
    for (auto& t : transports_) {
        t.reset();  // variant 1 first, then variant 2
    }
}

void CConfigDlg::AddTrayIcon() {
    if (tray_) {
        tray_->Add();
        qCDebug(lcApp) << "tray icon added";
    }
}

void CConfigDlg::RemoveTrayIcon() {
    if (tray_ && tray_->Shown()) {
        tray_->Remove();
        qCDebug(lcApp) << "tray icon removed";
    }
}

void CConfigDlg::ShowWindow() {
    show();
    raise();
    activateWindow();
    qCDebug(lcApp) << "window shown";
}

void CConfigDlg::HideWindow() {
    ClosePopups();  // nothing stays open, or grabbed, behind a hidden window
    hide();
    qCDebug(lcApp) << "window hidden";
}

void CConfigDlg::ShowLevel() {
    if (Page* page = PageOfTab(tab::kSensitivity)) {
        page->SelectLevel();
    }
}
void CConfigDlg::ShowReportRate() {
    if (Page* page = PageOfTab(tab::kSensitivity)) {
        page->ShowReportRate();
    }
}

void CConfigDlg::OpenProgram(const std::u16string& path) {
    // Never through a shell: the path is one argument, whatever characters it holds. A
    // program starts itself; anything else opens in the application the desktop names.
    // Failures are not reported, as for an empty path.
    const QFileInfo file(ToQString(path));
    if (path.empty() || !file.exists()) {
        qCDebug(lcApp) << "program not found";
        return;
    }
    if (file.isFile() && file.isExecutable()) {
        QProcess::startDetached(file.absoluteFilePath(), {}, file.absolutePath());
    } else {
        QDesktopServices::openUrl(QUrl::fromLocalFile(file.absoluteFilePath()));
    }
    qCDebug(lcApp) << "program opened";
}

void CConfigDlg::BeginApplyWait() {
    applyWaiting_ = true;
    if (isVisible()) {
        grabMouse();
    }
    QApplication::setOverrideCursor(Qt::WaitCursor);
    EnableApplyButtons(false);
}

void CConfigDlg::EndApplyWait() {
    if (!applyWaiting_) {
        return;
    }
    applyWaiting_ = false;
    ShowApplyProgress(0, 0);
    EnableApplyButtons(true);
    QApplication::restoreOverrideCursor();
    releaseMouse();
    qCDebug(lcApp) << "apply finished";
}

void CConfigDlg::ApplyPointerSettings(const tagPROFILE& profile) {
    platform::ApplyPointerSettings(PointerSettingsOf(profile));
}

void CConfigDlg::ScheduleArrival(int variant, std::chrono::milliseconds delay) {
    QTimer::singleShot(delay, this, [this, variant] {
        if (link_ && !destroyed_) {
            link_->CompleteArrival(variant);
        }
    });
}

void CConfigDlg::PostApplyProgress(int sent, int total) {
    PostMessageTo(this, msg::kApplyProgress, static_cast<std::uintptr_t>(sent), total);
}

void CConfigDlg::PostApplyFinished(bool buttonsCleared) {
    buttonsCleared_ = buttonsCleared;
    PostMessageTo(this, msg::kApplyFinished);
}

void CConfigDlg::DeviceNotOpened(int variant) {
    if (warnedClosedNode_ || variant < 0 || variant > 1) {
        return;
    }
    const std::string node = FindClosedDeviceNode(kVendorId, kProductId[variant]);
    if (node.empty()) {
        return;  // no mouse there: nothing to tell
    }
    warnedClosedNode_ = true;
    qCWarning(lcApp) << "mouse present but its node is closed:" << node.c_str();
    // Not inside the caller: it may run before the event loop does.
    QTimer::singleShot(0, this, [this, node] {
        std::u16string text = Text(str::kMouseNodeClosed);
        const std::u16string name = QString::fromStdString(node).toStdU16String();
        if (const auto at = text.find(u"%s"); at != std::u16string::npos) {
            text.replace(at, 2, name);
        }
        ShowWarningDialog(this, Text(str::kWarningTitle), text, false);
    });
}
