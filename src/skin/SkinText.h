// Text in the program's own Arial: drawing with the fitting rules of the skinned windows and
// measuring menu items.
#pragma once

#include <QFont>
#include <QRect>
#include <QString>
#include <filesystem>
#include <optional>

#include "skin/TextFit.h"

class QPainter;

// Registers Font/arial.ttf under the program folder for this process; the handle, or no
// result when the file cannot be read or is not a font. Texts use its family from then on.
std::optional<int> LoadPrivateFont(const std::filesystem::path& programFolder);
std::optional<int> LoadPrivateFontFile(const std::filesystem::path& fontFile);
void RemovePrivateFont(int handle);
// The private font's family, or "Arial" (left to the font configuration) without one.
QString PrivateFontFamily();

// Arial whose cell (ascent + descent) is `height` pixels, as the classic renderer sizes it.
QFont SkinFont(int height, int weight = 400);
// Arial of `size` pixels to the em, as the other renderer sizes it; GDI+ style bits
// 1 bold, 2 italic, 4 underline, 8 strike-out.
QFont SkinFontPlus(float size, int style);

// How a text will be drawn: font height after shrinking, the text after any ellipsis, and the
// rectangle after vertical centring.
struct PreparedText {
    int height = 0;
    QFont font;
    QString shown;
    QRect rect;
    int flags = 0;  // Qt alignment and wrapping flags
};
PreparedText PrepareSkinText(const TextStyle& style, int fontHeight);

// Both give back the height or size the text was drawn with.
int DrawSkinText(const TextStyle& style, QPainter& painter, int fontHeight);
float DrawSkinTextPlus(const TextStylePlus& style, QPainter& painter, int fontStyle,
                       float fontSize);

// Raises runningMax to the text's width (13-pixel regular font) when it is wider.
void MeasureTextWidth(const QString& text, int& runningMax);
