// The insert dialog's delay page: one delay box.
#pragma once

#include <QWidget>
#include <filesystem>
#include <functional>
#include <memory>

class CBmpEdit;
class SkinWindow;
class StringTable;
class InsertDialogState;

class CInsertMac1Dlg : public QWidget {
    Q_OBJECT
public:
    CInsertMac1Dlg(QWidget* parent, const std::filesystem::path& skinFolder,
                   const StringTable& strings, InsertDialogState& state);
    ~CInsertMac1Dlg() override;
    CBmpEdit* DelayBox() const { return delay_; }
    std::function<void()> backgroundClicked;

protected:
    void mousePressEvent(QMouseEvent* e) override;
    void keyPressEvent(QKeyEvent* e) override;

private:
    std::unique_ptr<SkinWindow> skin_;
    CBmpEdit* delay_ = nullptr;
};
