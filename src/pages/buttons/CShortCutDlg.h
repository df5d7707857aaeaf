// The key combination dialog: one key caught from the whole keyboard and shown by name, and
// four modifier toggles. Result 1 for OK, 2 for Cancel or close.
#pragma once

#include <QDialog>
#include <filesystem>

#include "pages/buttons/ButtonAssignment.h"
#include "skin/SkinWindow.h"

class CBitmapBtn;
class CBmpEdit;
class KeyboardCapture;
class KeyboardLayout;
class StringTable;

class CShortCutDlg : public QDialog {
    Q_OBJECT
public:
    static constexpr int kOk = 1;
    static constexpr int kCancel = 2;
    static constexpr int kKeyFieldId = 4010;

    CShortCutDlg(QWidget* parent, const std::filesystem::path& skinFolder,
                 const StringTable& strings, const KeyboardLayout& layout,
                 KeyboardCapture& capture);
    ~CShortCutDlg() override;

    // Before the dialog runs: the key field and the toggles show them.
    void SetValues(const ShortcutValues& values);
    const ShortcutValues& Values() const { return values_; }

    CBmpEdit* KeyField() const { return keyField_; }
    CBitmapBtn* Button(int key) const;  // skin keys 1 to 7

    void done(int result) override;
    void reject() override { done(kCancel); }

protected:
    bool event(QEvent* e) override;
    void showEvent(QShowEvent* e) override;
    void keyPressEvent(QKeyEvent* e) override;

private:
    void ShowKey();
    void PaintTexts(QPainter& painter) const;
    void ReleaseKeyboard();

    SkinWindow skin_;
    const StringTable& strings_;
    const KeyboardLayout& layout_;
    KeyboardCapture& capture_;
    ShortcutValues values_;
    CBmpEdit* keyField_ = nullptr;
    CBitmapBtn* buttons_[8] = {};
    bool capturing_ = false;
};
