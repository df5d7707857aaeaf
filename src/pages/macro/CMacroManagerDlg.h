// The macro page: the macro library, one macro's events in a list, recording and the
// editing buttons. The logic is MacroPageCore's; this window turns clicks, keys and
// messages into its calls and shows what it reports.
#pragma once

#include <QPointer>
#include <memory>
#include <vector>

#include "pages/Page.h"
#include "pages/common/CDlgMenuFunc.h"
#include "pages/macro/MacroPageView.h"

class CBitmapBtn;
class CBmpEdit;
class CInsertMacDlg;
class CListBoxEx;
class CaptureKeyHook;
class KeyboardLayout;
class MacroPageCore;
class SkinWindow;

class CMacroManagerDlg : public Page, private MacroPageView {
    Q_OBJECT
public:
    CMacroManagerDlg(QWidget* parent, PageContext context);
    ~CMacroManagerDlg() override;

    // The page shows the library, not the profile; the library may appear after the page.
    void RefreshFromProfile() override;
    void ClosePopups() override;

    MacroPageCore& Core() { return *core_; }
    CBitmapBtn* Button(int key) const;
    CBmpEdit* NameEditor() const { return nameEdit_; }
    CBmpEdit* DelayBox() const { return delayBox_; }
    CListBoxEx* EventList() const { return list_; }
    CInsertMacDlg* InsertDialog() const { return insert_; }
    CDlgMenuFunc* MacroPopup() const { return popup_; }
    const std::u16string& CapacityText() const { return capacityText_; }
    bool CapacityWarning() const { return !capacityWarning_.empty(); }

protected:
    bool event(QEvent* e) override;
    bool eventFilter(QObject* watched, QEvent* e) override;
    void mousePressEvent(QMouseEvent* e) override;
    void keyPressEvent(QKeyEvent* e) override;
    void hideEvent(QHideEvent* e) override;

private:
    // MacroPageView
    void ShowRows(const std::vector<EventRow>& rows, int selectRow) override;
    void ShowMacroName(const std::u16string& name) override;
    void ShowCapacity(const MacroFit& fit, int lastRow, const std::u16string& lastText) override;
    void SetRecordCaption(int stringNumber) override;
    void ClearRecordCheck() override;
    std::u16string DelayBoxText() override;
    void FocusPage() override;
    void ResetInsertRecordingPage() override;
    void EnableEventList() override;
    void SetInsertOpen(bool open, int delayMode) override;

    void CreateControls();
    void Command(int key);
    void BeforeCommand(bool fromNameEditor);
    void CommitRename();
    void StartRename();
    void OpenMacroList();
    void OpenMoreMenu();
    void ToggleModify();
    void EndModify();
    void ShowDelayMode();
    void PaintTexts(QPainter& p) const;
    int SelectedRow() const;
    bool FilterRecordingMouse(QObject* watched, QEvent* e);
    bool FilterModifyKey(QEvent* e);
    std::u16string Text(int number) const;

    std::unique_ptr<SkinWindow> skin_;
    std::unique_ptr<KeyboardLayout> ownLayout_;
    const KeyboardLayout* layout_ = nullptr;
    std::unique_ptr<CaptureKeyHook> hook_;
    std::unique_ptr<MacroPageCore> core_;
    CBitmapBtn* buttons_[18] = {};
    CBmpEdit* nameEdit_ = nullptr;
    CBmpEdit* delayBox_ = nullptr;
    CListBoxEx* list_ = nullptr;
    CInsertMacDlg* insert_ = nullptr;
    QPointer<CDlgMenuFunc> popup_;
    bool renaming_ = false;
    bool filteringApp_ = false;
    std::u16string capacityText_;
    std::u16string capacityWarning_;
};
