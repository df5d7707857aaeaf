// The program's skinned message box: a title, a message, OK, Cancel and a close button.
// Result 1 for OK; 2 for Cancel, the close button and closing the window.
#pragma once

#include <QDialog>
#include <filesystem>
#include <string>

#include "skin/SkinWindow.h"
#include "skin/TextFit.h"

class CBitmapBtn;

class CWarningDlg : public QDialog {
    Q_OBJECT
public:
    static constexpr int kOk = 1;
    static constexpr int kCancel = 2;

    CWarningDlg(QWidget* owner, const std::filesystem::path& skinFolder,
                const std::u16string& okCaption, const std::u16string& cancelCaption);

    void SetTitle(const std::u16string& title) { title_ = title; }
    void SetMessage(const std::u16string& message) { message_ = message; }

    CBitmapBtn* OkButton() const { return ok_; }
    CBitmapBtn* CancelButton() const { return cancel_; }
    CBitmapBtn* CloseButton() const { return close_; }

    // Title and message over the background.
    void PaintTexts(QPainter& painter) const;

    void reject() override;

protected:
    void keyPressEvent(QKeyEvent* e) override;

private:
    CBitmapBtn* MakeButton(int key, const std::u16string& caption, const QRect& fallback);

    SkinWindow skin_;
    std::u16string title_;
    std::u16string message_;
    CBitmapBtn* ok_ = nullptr;
    CBitmapBtn* cancel_ = nullptr;
    CBitmapBtn* close_ = nullptr;
};

// Where the dialog puts its texts (client coordinates), and how.
TextStyle WarningTitleStyle(const std::u16string& title);
TextStyle WarningMessageStyle(const std::u16string& message);
inline constexpr int kWarningFontHeight = 15;
