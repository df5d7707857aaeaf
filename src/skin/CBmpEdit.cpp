#include "skin/CBmpEdit.h"

#include <QKeyEvent>
#include <QPainter>

#include "common/Messages.h"
#include "platform/MessageEvent.h"
#include "platform/QtText.h"
#include "skin/EditFilter.h"
#include "skin/SkinMessages.h"
#include "skin/SkinText.h"

namespace {
QColor FromColorRef(std::uint32_t c) {
    return QColor(static_cast<int>(c & 0xFF), static_cast<int>((c >> 8) & 0xFF),
                  static_cast<int>((c >> 16) & 0xFF));
}
const QColor kThemeColour(1, 81, 142);
}  // namespace

CBmpEdit::CBmpEdit(QWidget* parent, int fontHeight) : QLineEdit(parent) {
    setFrame(false);
    setFont(SkinFont(fontHeight));
    ApplyColours();
    SetBorderStyle(0);
    connect(this, &QLineEdit::textChanged, this, &CBmpEdit::OnTextChanged);
}

void CBmpEdit::SetColours(std::uint32_t text, std::uint32_t background) {
    textColour_ = text;
    backgroundColour_ = background;
    ApplyColours();
}

void CBmpEdit::ApplyColours() {
    QPalette pal = palette();
    pal.setColor(QPalette::Base, FromColorRef(backgroundColour_));
    pal.setColor(QPalette::Window, FromColorRef(backgroundColour_));
    pal.setColor(QPalette::Text, FromColorRef(textColour_));
    setPalette(pal);
    update();
}

void CBmpEdit::SetBorderStyle(int style) {
    borderStyle_ = style;
    // The text sits clear of the frame: one line vertically centred, or at the top left.
    switch (style) {
        case 0:
            setTextMargins(3, 0, 0, 0);
            setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
            break;
        case 1:
            setTextMargins(5, 0, 0, 0);
            setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
            break;
        case 2:
            setTextMargins(3, 3, 0, 0);
            setAlignment(Qt::AlignLeft | Qt::AlignTop);
            break;
        default:
            break;
    }
    update();
}

void CBmpEdit::paintEvent(QPaintEvent* e) {
    {
        QPainter p(this);
        p.fillRect(rect(), FromColorRef(backgroundColour_));
    }
    QLineEdit::paintEvent(e);
    if (borderStyle_ < 0 || borderStyle_ > 2) {
        return;
    }
    QPainter p(this);
    p.setPen(kThemeColour);
    // The lines at W and H fall just outside the client area, so only the top and left
    // edges (and style 1's cut corner) show; the skins are drawn for that look.
    const int w = width();
    const int h = height();
    if (borderStyle_ == 1) {
        p.drawLine(0, 0, w, 0);
        p.drawLine(0, 0, 0, h - 3);
        p.drawLine(0, h - 3, 3, h);
        p.drawLine(3, h, w, h);
    } else {
        p.drawLine(0, 0, w, 0);
        p.drawLine(0, 0, 0, h);
        p.drawLine(0, h, w, h);
    }
    p.drawLine(w, 0, w, h + 1);
}

void CBmpEdit::OnTextChanged(const QString& text) {
    if (filtering_) {
        return;  // the filter's own correction reports with the change that caused it
    }
    const std::u16string before = ToU16(text);
    const std::u16string after = FilterEditText(before, decimalFilter_, hexFilter_);
    if (after != before) {
        // Keep the caret behind the characters that stayed.
        const int caret = cursorPosition();
        const int keptBeforeCaret = static_cast<int>(
            FilterEditText(std::u16string_view(before).substr(0, static_cast<std::size_t>(caret)),
                           decimalFilter_, hexFilter_)
                .size());
        filtering_ = true;
        setText(ToQString(after));
        setCursorPosition(keptBeforeCaret);
        filtering_ = false;
    }
    repaint();
    if (QWidget* parent = parentWidget()) {
        PostMessageTo(parent, msg::kBitmapEditChanged);
    }
    emit edited();
}

void CBmpEdit::keyPressEvent(QKeyEvent* e) {
    const int key = e->key();
    if (!keepEscAndEnter_ &&
        (key == Qt::Key_Escape || key == Qt::Key_Return || key == Qt::Key_Enter)) {
        e->accept();  // a dialog must not close while the user types
        return;
    }
    QLineEdit::keyPressEvent(e);
}

void CBmpEdit::focusOutEvent(QFocusEvent* e) {
    QLineEdit::focusOutEvent(e);
    if (QWidget* parent = parentWidget()) {
        PostMessageTo(parent, msg::kEditFocusLost);
    }
    emit focusLost();
}
