// Binds a macro of the library to a button: a drop-down of the library's names and three
// playback options. Result 1 for OK, 2 for Cancel or close.
#pragma once

#include <QDialog>
#include <QPointer>
#include <filesystem>

#include "pages/buttons/ButtonAssignment.h"
#include "pages/common/CDlgMenuFunc.h"
#include "skin/SkinWindow.h"

class CBitmapBtn;
class MacroLibrary;
class StringTable;
struct tagElement;

class CSelectMacroDlg : public QDialog {
    Q_OBJECT
public:
    static constexpr int kOk = 1;
    static constexpr int kCancel = 2;

    CSelectMacroDlg(QWidget* parent, const std::filesystem::path& skinFolder,
                    const StringTable& strings, const MacroLibrary* library);
    ~CSelectMacroDlg() override;

    // Before the dialog runs: the option of the mode is checked and the macro at the index,
    // if there is one, named on the drop-down.
    void SetSelection(const MacroSelection& selection);
    const MacroSelection& Selection() const { return selection_; }
    const tagElement* SelectedMacro() const { return selectedMacro_; }

    CBitmapBtn* Button(int key) const;  // skin keys 1 to 7
    CDlgMenuFunc* Popup() const { return popup_; }
    void ClosePopup();

    void done(int result) override;
    void reject() override { done(kCancel); }

protected:
    void hideEvent(QHideEvent* e) override;
    void keyPressEvent(QKeyEvent* e) override;
    void mousePressEvent(QMouseEvent* e) override;

private:
    void OpenPopup();
    void OnPick(int index, int mode);
    void CheckOption(int mode);
    void PaintTexts(QPainter& painter) const;

    SkinWindow skin_;
    std::filesystem::path skinFolder_;
    const StringTable& strings_;
    const MacroLibrary* library_;
    MacroSelection selection_;
    const tagElement* selectedMacro_ = nullptr;
    QPointer<CDlgMenuFunc> popup_;
    CBitmapBtn* buttons_[8] = {};
};
