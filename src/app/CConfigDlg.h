#pragma once

#include <QWidget>
#include <memory>

#include "app/StartupRules.h"
#include "data/ProfileStore.h"
#include "data/ProfileUi.h"

class MessageEvent;

// The main window: loads everything at creation and initialisation, hosts the profile
// commands, and releases it all in a fixed order when destroyed.
class CConfigDlg : public QWidget, public ProfileUi {
public:
    explicit CConfigDlg(bool autoStart);
    ~CConfigDlg() override;

    // Creation, initialisation, then the event loop until the window is destroyed.
    int RunModal();

    void OnCommand(int id);
    bool AnyVariantConnected() const;
    bool AnyVariantEverConnected() const;

    // ProfileUi
    void RefreshPages() override;
    void PostEditNotice() override;
    void UpdateWindowNow() override;
    bool ConfirmDelete() override;

protected:
    bool event(QEvent* e) override;
    void paintEvent(QPaintEvent* e) override;
    void closeEvent(QCloseEvent* e) override;
    void keyPressEvent(QKeyEvent* e) override;

private:
    bool OnCreate();
    void OnInitDialog();
    void OnDestroy();
    bool OnMessage(const MessageEvent& m);

    void ImportProfile();
    void ExportProfile();
    std::u16string Text(int number) const;

    // Steps whose subsystems land later; each is called at its place in the sequences.
    void ReadAutoRunSetting();
    void BuildFromSkin();
    void ApplyWindowRegion();
    void LoadMacroLibrary();
    void RefreshFromProfile();
    void CreateWorker();
    void BindAndOpenTransports();
    void CloseDeviceLink();
    void RemoveTrayIcon();

    void LoadPrivateFont();
    void RemovePrivateFont();

    VisibilityRule visibility_;
    std::unique_ptr<ProfileStore> store_;
    int fontId_ = -1;
    int autoRun_ = -1;
    // Connection state per transport variant, kept by the device link; 0 = never connected.
    int connectionState_[2] = {0, 0};
    bool created_ = false;
    bool destroyed_ = false;
};

CConfigDlg* MainWindow();
