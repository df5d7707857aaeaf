#pragma once

#include <QPointer>
#include <QRect>
#include <QWidget>
#include <atomic>
#include <map>
#include <memory>

#include "app/StartupRules.h"
#include "data/ProfileStore.h"
#include "data/ProfileUi.h"
#include "device/DeviceLinkUi.h"
#include "keys/KeyboardLayout.h"

class ApplyProgressBar;
class CBitmapBtn;
class CDlgMenuFunc;

class MainWindowModel;
class Page;
class QStackedWidget;
class DeviceLink;
class SkinWindow;
class MessageEvent;
class TrayIcon;
class TransportLibrary;

// Skin keys of the main window's controls; a click on one arrives as OnControl(key).
namespace control {
inline constexpr int kClose = 1;
inline constexpr int kMinimise = 2;
inline constexpr int kLogo = 3;
inline constexpr int kRestoreDefaults = 8;
inline constexpr int kPageArea = 10;
inline constexpr int kSlot1 = 11;
inline constexpr int kSlot2 = 12;
inline constexpr int kSlot3 = 13;
inline constexpr int kProfileList = 14;
inline constexpr int kNewProfile = 15;
inline constexpr int kDeleteProfile = 16;
inline constexpr int kMoreMenu = 17;
inline constexpr int kApply = 18;
inline constexpr int kOk = 19;
inline constexpr int kCancel = 20;
}  // namespace control

// The main window: loads everything at creation and initialisation, hosts the profile
// commands and the device link, and releases it all in a fixed order when destroyed.
class CConfigDlg : public QWidget, public ProfileUi, public DeviceLinkUi {
public:
    explicit CConfigDlg(bool autoStart);
    ~CConfigDlg() override;

    // Creation, initialisation, then the event loop until the window is destroyed.
    int RunModal();

    void OnCommand(int id);
    void OnControl(int key);
    bool AnyVariantConnected() const;
    bool AnyVariantEverConnected() const;
    TrayIcon* Tray() const { return tray_.get(); }

    // ProfileUi
    void RefreshPages() override;
    void PostEditNotice() override;
    void UpdateWindowNow() override;
    bool ConfirmDelete() override;
    bool ConfirmProgramImport(const std::vector<std::u16string>& programs) override;

    // DeviceLinkUi
    void AddTrayIcon() override;
    void RemoveTrayIcon() override;
    void ShowWindow() override;
    void HideWindow() override;
    void ShowLevel() override;
    void ShowReportRate() override;
    void OpenProgram(const std::u16string& path) override;
    void BeginApplyWait() override;
    void EndApplyWait() override;
    void ApplyPointerSettings(const tagPROFILE& profile) override;
    void ScheduleArrival(int variant, std::chrono::milliseconds delay) override;
    void DeviceNotOpened(int variant) override;
    void PostApplyProgress(int sent, int total) override;
    void PostApplyFinished(bool buttonsCleared) override;

protected:
    bool event(QEvent* e) override;
    void closeEvent(QCloseEvent* e) override;
    void keyPressEvent(QKeyEvent* e) override;
    void mousePressEvent(QMouseEvent* e) override;
    void hideEvent(QHideEvent* e) override;

private:
    bool OnCreate();
    void OnInitDialog();
    void OnDestroy();
    bool OnMessage(const MessageEvent& m);

    void ImportProfile();
    void ExportProfile();
    void ToggleAutoRun();
    void ShowMoreMenu();
    void EnableApplyButtons(bool on);
    void ShowApplyProgress(int sent, int total);
    std::u16string Text(int number) const;

    void BuildFromSkin();
    void ApplyWindowRegion();
    void RefreshFromProfile();
    void SelectTab(int key);
    void SelectSlot(int slot);
    void CreatePages();
    Page* PageOfTab(int key) const;
    void ClosePopups();
    void ShowProfilePopup();
    void OnProfileChosen(std::uintptr_t index, std::intptr_t mode);

    void CreateWorker();
    void BindAndOpenTransports();
    void CloseDeviceLink();
    // One warning, from the event loop, naming the files the loads could not use.
    void WarnAboutLoadProblems();

    VisibilityRule visibility_;
    std::unique_ptr<SkinWindow> skin_;
    std::map<int, CBitmapBtn*> controls_;  // by skin key; owned as child widgets
    QRect listAnchor_;
    QRect pageArea_;
    std::unique_ptr<MainWindowModel> model_;
    QStackedWidget* pageStack_ = nullptr;
    ApplyProgressBar* applyProgress_ = nullptr;
    Page* pages_[4] = {};  // sensitivity, buttons, lighting, macro: the order of tabs 4 to 7
    QPointer<CDlgMenuFunc> profilePopup_;
    std::unique_ptr<KeyboardLayout> keyboardLayout_;  // names keys on the pages
    std::unique_ptr<ProfileStore> store_;
    std::unique_ptr<TrayIcon> tray_;
    std::unique_ptr<TransportLibrary> transports_[2];
    std::unique_ptr<DeviceLink> link_;
    std::atomic<bool> buttonsCleared_{false};
    bool applyWaiting_ = false;
    int fontId_ = -1;
    std::int32_t autoRun_ = -1;
    bool created_ = false;
    bool destroyed_ = false;
    bool warnedClosedNode_ = false;  // the user hears of a closed device node once
};
