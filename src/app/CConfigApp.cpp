#include "app/CConfigApp.h"

#include "app/AppFolders.h"
#include "app/AppGlobals.h"
#include "app/CConfigDlg.h"
#include "common/Messages.h"
#include "app/StartupRules.h"
#include "macro/CaptureSetup.h"
#include "platform/DesktopBus.h"
#include "platform/FileSync.h"
#include "platform/MessageEvent.h"
#include "platform/QtText.h"
#include "platform/QuitSignals.h"
#include "platform/SingleInstance.h"
#include "platform/Trace.h"
#include "skin/MenuDecoration.h"
#include "skin/SkinPrefetch.h"

#include <QScreen>
#include <array>

namespace {
// The main window and the buttons page, which it shows first.
constexpr std::array<const char*, 2> kFirstSkins = {"skin_Config.ini", "skin_button.ini"};
}  // namespace

CConfigApp::CConfigApp(int& argc, char** argv) : QApplication(argc, argv) {
    // The window may stay hidden for the whole run; only its destruction ends the program.
    setQuitOnLastWindowClosed(false);
}

CConfigApp::~CConfigApp() = default;

int CConfigApp::Run() {
    if (!InitInstance()) {
        return 0;
    }
    std::vector<std::string> args;
    for (const QString& a : arguments().mid(1)) {
        args.push_back(a.toStdString());
    }
    int result = 0;
    {
        CConfigDlg dlg(IsAutoStart(args));
        connect(instance_.get(), &SingleInstance::MessageReceived, &dlg,
                [&dlg](quint32 number) { PostMessageTo(&dlg, number); });
        platform::OnQuitRequest(&dlg, [&dlg] { dlg.close(); });
        result = dlg.RunModal();
    }
    ExitInstance();
    return result;
}

bool CConfigApp::InitInstance() {
    Globals().programFolder = ProgramFolder();
    instance_ = std::make_unique<SingleInstance>(QString::fromLatin1(kSingleInstanceName),
                                                 FromPath(CurrentPerUserFolder()));
    if (!instance_->Claim()) {
        secondInstance_ = true;
        return false;
    }
    // The main window and the page it opens on decode these first; the other core does it
    // meanwhile. Screens of ratio 2 come from their twins, which are not prefetched.
    if (const QScreen* screen = QGuiApplication::primaryScreen();
        screen == nullptr || screen->devicePixelRatio() <= 1.0) {
        const std::filesystem::path skins = Globals().programFolder / "skins" / "";
        prefetch_ = std::make_unique<SkinPrefetch>(
            skins, std::vector<std::string>{kFirstSkins.begin(), kFirstSkins.end()},
            std::vector<std::filesystem::path>{ProgramIconPath(skins)});
    }
    bus_ = std::make_unique<platform::DesktopBusWarmUp>();
    InstallMenuDecoration();
    platform::InstallFileSync();
    UseSystemKeyboardLayoutForCapture();
    return true;
}

void CConfigApp::ExitInstance() {
    if (secondInstance_) {
        return;
    }
    bus_.reset();
    RemoveMenuDecoration();
    prefetch_.reset();
    instance_.reset();
}
