// The skinned edit box: own colours, Arial, a drawn border, optional character filters, and
// notices to its parent when the text changes and when it loses the focus.
#pragma once

#include <QLineEdit>
#include <cstdint>

class CBmpEdit : public QLineEdit {
    Q_OBJECT
signals:
    // Typed forms of the text-changed notice and of 1116.
    void edited();
    void focusLost();

public:
    explicit CBmpEdit(QWidget* parent = nullptr, int fontHeight = 14);

    void SetColours(std::uint32_t text, std::uint32_t background);
    std::uint32_t TextColour() const { return textColour_; }
    std::uint32_t BackgroundColour() const { return backgroundColour_; }
    // 0 and 2 a full frame, 1 a frame with the lower left corner cut; 2 puts the text at the
    // top left instead of centring one line.
    void SetBorderStyle(int style);
    int BorderStyle() const { return borderStyle_; }
    void SetDecimalFilter(bool on) { decimalFilter_ = on; }
    void SetHexFilter(bool on) { hexFilter_ = on; }
    void SetKeepEscAndEnter(bool on) { keepEscAndEnter_ = on; }

protected:
    void paintEvent(QPaintEvent* e) override;
    void keyPressEvent(QKeyEvent* e) override;
    void focusOutEvent(QFocusEvent* e) override;

private:
    void OnTextChanged(const QString& text);
    void ApplyColours();

    std::uint32_t textColour_ = 0xFFFFFF;
    std::uint32_t backgroundColour_ = 0x4D4D4D;
    int borderStyle_ = 0;
    bool decimalFilter_ = false;
    bool hexFilter_ = false;
    bool keepEscAndEnter_ = false;
    bool filtering_ = false;
};
