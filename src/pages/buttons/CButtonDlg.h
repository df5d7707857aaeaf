// The button page: what each of the twelve buttons does in the current profile, the
// function menu that changes it, and the two handedness layouts.
#pragma once

#include <QPointer>
#include <memory>

#include "pages/Page.h"
#include "pages/buttons/ButtonAssignment.h"
#include "skin/CExMenu.h"

class CBitmapBtn;
class KeyboardCapture;
class SkinWindow;

class CButtonDlg : public Page {
    Q_OBJECT
public:
    // The skin keys of the controls.
    static constexpr int kFirstAssignKey = 1;
    static constexpr int kFirstHandKey = 20;
    static constexpr int kFirstMarkerKey = 31;
    static constexpr int kAssignTag = 200;
    static constexpr int kMarkerTag = 300;

    CButtonDlg(QWidget* parent, PageContext context);
    ~CButtonDlg() override;

    void RefreshFromProfile() override;
    void ClosePopups() override;

    void ShowFunctionMenu(int button);
    void OnFunctionCommand(int command);
    void SetButtonText(std::uint8_t code, int button);
    void CheckHandButton(int index);
    void OnHandOption(int index);

    CBitmapBtn* AssignButton(int button) const { return assign_[button]; }
    CBitmapBtn* Marker(int button) const { return markers_[button]; }
    CBitmapBtn* HandOption(int index) const { return hand_[index]; }
    CExMenu* OpenMenu() const { return menu_; }
    ButtonAssignment& Assignment() { return assignment_; }
    // The real dialogs unless a test puts others in.
    void SetDialogs(std::unique_ptr<AssignmentDialogs> dialogs) { dialogs_ = std::move(dialogs); }

protected:
    void hideEvent(QHideEvent* e) override;
    void keyPressEvent(QKeyEvent* e) override;
    void mousePressEvent(QMouseEvent* e) override;

private:
    tagPROFILE& Profile() const;
    const KeyboardLayout& Layout() const;

    std::unique_ptr<SkinWindow> skin_;
    ButtonAssignment assignment_;
    std::unique_ptr<AssignmentDialogs> dialogs_;
    CBitmapBtn* assign_[kButtonCount] = {};
    CBitmapBtn* markers_[kButtonCount] = {};
    CBitmapBtn* hand_[2] = {};
    QPointer<CExMenu> menu_;
    friend class PageDialogs;
};
