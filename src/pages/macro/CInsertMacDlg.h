// The insert dialog on the macro page: what to insert (a menu), the page for it, OK and
// Cancel. It changes no data: its results go to the macro page as messages 1139-1143.
#pragma once

#include <QPointer>
#include <QWidget>
#include <filesystem>
#include <functional>
#include <memory>

#include "pages/macro/InsertDialogState.h"

class CBitmapBtn;
class CInsertMac1Dlg;
class CInsertMac2Dlg;
class SkinWindow;
class StringTable;

class CInsertMacDlg : public QWidget {
    Q_OBJECT
public:
    // Messages go to page, posted.
    CInsertMacDlg(QWidget* parent, QObject* page, const std::filesystem::path& skinFolder,
                  const StringTable& strings);
    ~CInsertMacDlg() override;

    InsertDialogState& State() { return state_; }
    CInsertMac1Dlg* DelayPage() const { return delayPage_; }
    CInsertMac2Dlg* RecordPage() const { return recordPage_; }
    CBitmapBtn* ChoiceButton() const { return choice_; }
    CBitmapBtn* OkButton() const { return ok_; }
    CBitmapBtn* CancelButton() const { return cancel_; }

    // Menu command 1001..1004, as the choice menu gives it.
    void Choose(int command);
    std::function<void()> backgroundClicked;

protected:
    void mousePressEvent(QMouseEvent* e) override;
    void keyPressEvent(QKeyEvent* e) override;

private:
    void OpenChoiceMenu();
    void Post(const InsertMessage& m);
    void ShowChoice();

    QPointer<QObject> page_;
    std::filesystem::path skinFolder_;
    const StringTable& strings_;
    InsertDialogState state_;
    std::unique_ptr<SkinWindow> skin_;
    CBitmapBtn* choice_ = nullptr;
    CBitmapBtn* ok_ = nullptr;
    CBitmapBtn* cancel_ = nullptr;
    CInsertMac1Dlg* delayPage_ = nullptr;
    CInsertMac2Dlg* recordPage_ = nullptr;
};
