// Every text the sensitivity page draws, in the program folder's font and string table,
// drawn into its fixed rectangle: nothing may be cut off, and no two texts may crowd.
#include <QImage>
#include <QPainter>
#include <QtTest>
#include <vector>

#include "common/StringTable.h"
#include "pages/sensitivity/SensitivityTables.h"
#include "pages/sensitivity/SensitivityTexts.h"
#include "skin/ButtonLook.h"
#include "skin/SkinEntry.h"
#include "skin/SkinIni.h"
#include "skin/SkinText.h"

namespace {

constexpr int kPageW = 900, kPageH = 520;
// Rows (and columns) of clear space between the ink of any two texts, so a heading and the
// line under it read apart.
constexpr int kMinGap = 5;

struct Drawn {
    QString what;
    QRect ink;
    QString problem;  // empty when the text fits
};

QRect InkBounds(const QImage& img) {
    QRect box;
    for (int y = 0; y < img.height(); ++y) {
        const auto* line = reinterpret_cast<const QRgb*>(img.constScanLine(y));
        for (int x = 0; x < img.width(); ++x) {
            if (qAlpha(line[x]) != 0) {
                box |= QRect(x, y, 1, 1);
            }
        }
    }
    return box;
}

long InkSum(const QImage& img) {
    long sum = 0;
    for (int y = 0; y < img.height(); ++y) {
        const auto* line = reinterpret_cast<const QRgb*>(img.constScanLine(y));
        for (int x = 0; x < img.width(); ++x) {
            sum += qAlpha(line[x]);
        }
    }
    return sum;
}

QImage Blank() {
    QImage img(kPageW, kPageH, QImage::Format_ARGB32_Premultiplied);
    img.fill(Qt::transparent);
    return img;
}

// Draws the text as the page does (clipped to its rectangle) and once more without any
// clipping; the two must hold the same ink.
Drawn DrawBoth(const QString& what, TextStyle style, int fontHeight) {
    style.colour = 0xFFFFFF;
    QImage clipped = Blank();
    {
        QPainter p(&clipped);
        DrawSkinText(style, p, fontHeight);
    }
    const PreparedText t = PrepareSkinText(style, fontHeight);
    QImage free = Blank();
    {
        QPainter p(&free);
        p.setPen(Qt::white);
        p.setFont(t.font);
        p.drawText(t.rect, t.flags | Qt::TextDontClip, t.shown);
    }
    const QRect ink = InkBounds(free);
    QString problem;
    if (!style.text.empty() && ink.isEmpty()) {
        problem = what + QStringLiteral(": nothing drawn");
    } else if (InkSum(clipped) != InkSum(free)) {
        problem = QStringLiteral("%1 \"%2\" is cut: ink x %3..%4 y %5..%6, room x %7..%8 y %9..%10")
                      .arg(what, t.shown)
                      .arg(ink.left())
                      .arg(ink.right())
                      .arg(ink.top())
                      .arg(ink.bottom())
                      .arg(t.rect.left())
                      .arg(t.rect.right())
                      .arg(t.rect.top())
                      .arg(t.rect.bottom());
    }
    return {what, ink, problem};
}

}  // namespace

class SensitivityTextFitTest : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void paintedTextsFitAndKeepApart();
    void buttonTextsFit();

private:
    SkinEntry Entry(int key) const {
        return ParseSkinEntry(ReadSkinString(CORVANE_PROGRAM_DIR "/skins/skin_sensitivity.ini",
                                             u"BUTTONPOS", QString::number(key).toStdU16String()));
    }
    StringTable strings_;
};

void SensitivityTextFitTest::initTestCase() {
    QVERIFY2(LoadPrivateFont(CORVANE_PROGRAM_DIR).has_value(), "the shipped font is missing");
    QVERIFY2(strings_.Load(CORVANE_PROGRAM_DIR "/lan/strings.txt"), "the string table is missing");
}

void SensitivityTextFitTest::paintedTextsFitAndKeepApart() {
    std::vector<Drawn> drawn;
    for (const sens::PaintedText& t : sens::kPaintedTexts) {
        const std::u16string text = strings_.Get(t.stringId);
        QVERIFY2(!text.empty(), qPrintable(QString::number(t.stringId)));
        drawn.push_back(DrawBoth(QStringLiteral("string %1").arg(t.stringId),
                                 PaintedTextStyle(t, text), t.size));
        QVERIFY2(drawn.back().problem.isEmpty(), qPrintable(drawn.back().problem));
    }
    for (std::size_t i = 0; i < drawn.size(); ++i) {
        for (std::size_t j = i + 1; j < drawn.size(); ++j) {
            const QRect a = drawn[i].ink.adjusted(-kMinGap, -kMinGap, kMinGap, kMinGap);
            QVERIFY2(!a.intersects(drawn[j].ink),
                     qPrintable(QStringLiteral("%1 (y %2..%3) crowds %4 (y %5..%6)")
                                    .arg(drawn[i].what)
                                    .arg(drawn[i].ink.top())
                                    .arg(drawn[i].ink.bottom())
                                    .arg(drawn[j].what)
                                    .arg(drawn[j].ink.top())
                                    .arg(drawn[j].ink.bottom())));
        }
    }
}

// The level lines at their widest, the rate names and the link caption, in their buttons.
void SensitivityTextFitTest::buttonTextsFit() {
    const SkinEntry level = Entry(sens::kKeyFirstLevel);
    QVERIFY(level.Width() > 0);
    for (const char16_t* value : {u"32000", u"100"}) {
        for (const SkinRect& r : {sens::kLevelTextA, sens::kLevelTextB}) {
            TextStyle s;
            s.text = value;
            s.format = dt::kSingleLine | dt::kVCenter | dt::kCenter;
            s.rect = {level.left + r.left, level.top + r.top, level.left + r.right,
                      level.top + r.bottom};
            const Drawn d = DrawBoth(QStringLiteral("level line"), s, sens::kLevelFontHeight);
            QVERIFY2(d.problem.isEmpty(), qPrintable(d.problem));
        }
    }
    auto caption = [&](int key, int layout, int stringId, int height) {
        const SkinEntry e = Entry(key);
        QVERIFY(e.Width() > 0);
        const CaptionPlace place = PlaceCaption(layout, {0, 0, e.Width(), e.Height()});
        TextStyle s;
        s.text = strings_.Get(stringId);
        s.format = place.format;
        s.rect = {e.left + place.rect.left, e.top + place.rect.top, e.left + place.rect.right,
                  e.top + place.rect.bottom};
        const Drawn d = DrawBoth(QStringLiteral("caption %1").arg(stringId), s, height);
        QVERIFY2(d.problem.isEmpty(), qPrintable(d.problem));
    };
    for (const sens::RateEntry& r : sens::kRateEntries) {
        caption(sens::kKeyReportRate, sens::kRateCaptionLayout, r.stringId, 15);
    }
    caption(sens::kKeyLink, sens::kLinkCaptionLayout, sens::kLinkStringId, sens::kLinkFontHeight);
}

QTEST_MAIN(SensitivityTextFitTest)
#include "SensitivityTextFitTest.moc"
