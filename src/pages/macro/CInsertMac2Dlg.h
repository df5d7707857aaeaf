// The insert dialog's recording page: the three delay modes, the fixed delay and the record
// button that starts and stops a recording in front of the selected event.
#pragma once

#include <QWidget>
#include <filesystem>
#include <functional>
#include <memory>

#include "pages/macro/InsertDialogState.h"

class CBitmapBtn;
class CBmpEdit;
class SkinWindow;
class StringTable;

class CInsertMac2Dlg : public QWidget {
    Q_OBJECT
public:
    CInsertMac2Dlg(QWidget* parent, const std::filesystem::path& skinFolder,
                   const StringTable& strings, InsertDialogState& state);
    ~CInsertMac2Dlg() override;

    // The macro page stopped the recording: back to the idle look.
    void Reset();
    CBitmapBtn* RecordButton() const { return record_; }
    CBitmapBtn* ModeButton(int mode) const { return modes_[mode]; }
    CBmpEdit* DelayBox() const { return delay_; }

    std::function<void(const InsertMessage&)> post;
    std::function<void()> backgroundClicked;

protected:
    void mousePressEvent(QMouseEvent* e) override;
    void keyPressEvent(QKeyEvent* e) override;

private:
    void ShowState();

    const StringTable& strings_;
    InsertDialogState& state_;
    std::unique_ptr<SkinWindow> skin_;
    CBitmapBtn* modes_[3] = {};
    CBmpEdit* delay_ = nullptr;
    CBitmapBtn* record_ = nullptr;
};
