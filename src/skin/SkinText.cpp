#include "skin/SkinText.h"

#include <QFile>
#include <QFontDatabase>
#include <QFontMetrics>
#include <QPainter>
#include <QPainterPath>
#include <QStringList>
#include <algorithm>
#include <cmath>

#include "platform/QtText.h"
#include "skin/QtRect.h"

namespace {

QString g_privateFamily;
int g_privateHandle = -1;

QColor FromColorRef(std::uint32_t c) {
    return QColor(static_cast<int>(c & 0xFF), static_cast<int>((c >> 8) & 0xFF),
                  static_cast<int>((c >> 16) & 0xFF));
}

int AlignmentFor(std::uint32_t format) {
    int flags = 0;
    if (format & dt::kCenter) {
        flags |= Qt::AlignHCenter;
    } else if (format & dt::kRight) {
        flags |= Qt::AlignRight;
    } else {
        flags |= Qt::AlignLeft;
    }
    if (format & dt::kSingleLine) {
        flags |= Qt::TextSingleLine;
        flags |= (format & dt::kVCenter)  ? Qt::AlignVCenter
                 : (format & dt::kBottom) ? Qt::AlignBottom
                                          : Qt::AlignTop;
    } else {
        flags |= (format & dt::kBottom) ? Qt::AlignBottom : Qt::AlignTop;
        if (format & dt::kWordBreak) {
            flags |= Qt::TextWordWrap;
        }
    }
    return flags;
}

// The ink width of an unwrapped line, as a text path's bounds give it.
qreal PathWidth(const QFont& font, const QString& text) {
    QPainterPath path;
    path.addText(0, 0, font, text);
    return path.boundingRect().width();
}

// Trims whole words from the end until "words…" fits; a first word too long is cut inside.
QString ElideAtWord(const QString& text, const QFontMetrics& fm, int width) {
    if (fm.horizontalAdvance(text) <= width) {
        return text;
    }
    const QString ellipsis(QChar(0x2026));
    QString head = text;
    for (;;) {
        const int space = head.lastIndexOf(QLatin1Char(' '));
        if (space <= 0) {
            break;
        }
        head = head.left(space).trimmed();
        if (fm.horizontalAdvance(head + ellipsis) <= width) {
            return head + ellipsis;
        }
    }
    return fm.elidedText(text, Qt::ElideRight, width);
}

}  // namespace

std::optional<int> LoadPrivateFont(const std::filesystem::path& programFolder) {
    return LoadPrivateFontFile(programFolder / "Font" / "arial.ttf");
}

std::optional<int> LoadPrivateFontFile(const std::filesystem::path& fontFile) {
    QFile file(FromPath(fontFile));
    if (!file.open(QIODevice::ReadOnly)) {
        return std::nullopt;
    }
    const QByteArray bytes = file.readAll();
    if (file.error() != QFileDevice::NoError || bytes.isEmpty()) {
        return std::nullopt;
    }
    const int id = QFontDatabase::addApplicationFontFromData(bytes);
    if (id < 0) {
        return std::nullopt;
    }
    const QStringList families = QFontDatabase::applicationFontFamilies(id);
    if (!families.isEmpty()) {
        g_privateFamily = families.front();
        g_privateHandle = id;
    }
    return id;
}

void RemovePrivateFont(int handle) {
    QFontDatabase::removeApplicationFont(handle);
    if (handle == g_privateHandle) {
        g_privateHandle = -1;
        g_privateFamily.clear();
    }
}

QString PrivateFontFamily() {
    return g_privateFamily.isEmpty() ? QStringLiteral("Arial") : g_privateFamily;
}

QFont SkinFont(int height, int weight) {
    QFont font(PrivateFontFamily());
    // Qt's weights use the same 100-900 scale.
    font.setWeight(static_cast<QFont::Weight>(std::clamp(weight, 100, 900)));
    font.setStyleStrategy(QFont::PreferAntialias);
    // The cell of a font is larger than its em; scale so the cell is `height` pixels.
    QFont probe = font;
    probe.setPixelSize(100);
    const QFontMetricsF fm(probe);
    const qreal cell = fm.ascent() + fm.descent();
    const qreal em = cell > 0 ? height * 100.0 / cell : height;
    font.setPixelSize(std::max(1, static_cast<int>(std::lround(em))));
    return font;
}

QFont SkinFontPlus(float size, int style) {
    QFont font =
        g_privateFamily.isEmpty() ? QFont(QStringLiteral("sans-serif")) : QFont(g_privateFamily);
    font.setPixelSize(std::max(1, static_cast<int>(std::lround(size))));
    font.setBold(style & 1);
    font.setItalic(style & 2);
    font.setUnderline(style & 4);
    font.setStrikeOut(style & 8);
    return font;
}

PreparedText PrepareSkinText(const TextStyle& style, int fontHeight) {
    PreparedText out;
    const QString text = ToQString(style.text);
    const int rectWidth = style.rect.Width();
    out.height = fontHeight;
    if (style.shrinkToFit) {
        // Each candidate height is measured with its own font.
        out.height = FitFontHeight(fontHeight, rectWidth, [&](int h) {
            return QFontMetrics(SkinFont(h, style.weight)).horizontalAdvance(text);
        });
    }
    out.font = SkinFont(out.height, style.weight);
    out.flags = AlignmentFor(style.format);
    const QFontMetrics fm(out.font);
    out.shown = (style.format & dt::kEndEllipsis)
                    ? fm.elidedText(text, Qt::ElideRight, std::max(0, rectWidth))
                    : text;

    SkinRect rect = style.rect;
    if (style.centreVertically) {
        const QRect measured = fm.boundingRect(QRect(0, 0, std::max(0, rectWidth), 1 << 20),
                                               out.flags & ~Qt::AlignVertical_Mask, out.shown);
        const int top = CentredTop(rect, measured.height());
        rect.bottom += top - rect.top;
        rect.top = top;
    }
    out.rect = ToQRect(rect);
    return out;
}

int DrawSkinText(const TextStyle& style, QPainter& painter, int fontHeight) {
    const PreparedText t = PrepareSkinText(style, fontHeight);
    painter.save();
    painter.setBackgroundMode(Qt::TransparentMode);
    painter.setPen(FromColorRef(style.colour));
    painter.setFont(t.font);
    painter.setClipRect(t.rect, Qt::IntersectClip);
    painter.drawText(t.rect, t.flags, t.shown);
    painter.restore();
    return t.height;
}

float DrawSkinTextPlus(const TextStylePlus& style, QPainter& painter, int fontStyle,
                       float fontSize) {
    const QString text = ToQString(style.text);
    float size = fontSize;
    bool noWrap = style.noWrap;
    bool ellipsis = style.ellipsisAtWord;
    if (style.shrinkToFit) {
        size = FitFontSize(fontSize, style.width, [&](float s) {
            return static_cast<float>(PathWidth(SkinFontPlus(s, fontStyle), text));
        });
        // Shrinking measures without wrapping and with word ellipsis; the text keeps both.
        noWrap = true;
        ellipsis = true;
    }
    const QFont font = SkinFontPlus(size, fontStyle);
    const QFontMetrics fm(font);
    const QRectF layout(style.x, style.y, style.width, style.height);

    int flags = style.alignment == 1   ? Qt::AlignHCenter
                : style.alignment == 2 ? Qt::AlignRight
                                       : Qt::AlignLeft;
    flags |= style.lineAlignment == 1   ? Qt::AlignVCenter
             : style.lineAlignment == 2 ? Qt::AlignBottom
                                        : Qt::AlignTop;
    flags |= noWrap ? Qt::TextSingleLine : Qt::TextWordWrap;
    const QString shown =
        noWrap && ellipsis ? ElideAtWord(text, fm, static_cast<int>(style.width)) : text;

    painter.save();
    painter.setRenderHint(QPainter::TextAntialiasing);
    painter.setPen(QColor::fromRgba(style.argb));
    painter.setFont(font);
    painter.setClipRect(layout, Qt::IntersectClip);
    painter.drawText(layout, flags, shown);
    painter.restore();
    return size;
}

void MeasureTextWidth(const QString& text, int& runningMax) {
    if (text.isEmpty()) {
        return;
    }
    const int width = static_cast<int>(PathWidth(SkinFontPlus(13.0f, 0), text));
    if (width > runningMax) {
        runningMax = width;
    }
}
