// A text the macro windows paint on their backgrounds: Arial, one line, vertically
// centred, shrunk until it fits its rectangle.
#pragma once

#include <QRect>
#include <cstdint>
#include <string>

class QPainter;

inline constexpr std::uint32_t kLabelWhite = 0xFFFFFFFFu;  // ARGB
inline constexpr std::uint32_t kLabelWarning = 0xFFFF8A3Du;

void PaintLabel(QPainter& p, const std::u16string& text, const QRect& rect, float size,
                std::uint32_t argb = kLabelWhite);

class CBitmapBtn;
// A new caption, drawn at once (the button itself waits for its next paint).
void SetButtonCaption(CBitmapBtn* button, const std::u16string& text);
