// Every one-line text a window draws from the string table into a layout rectangle shows whole
// at its size in the shipped font: no shrinking, no ellipsis, no clipping. One row per text;
// each row says where and how its window draws it.
#include <QFontMetrics>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QTest>
#include <vector>

#include "SkinLayout.h"
#include "common/StringIds.h"
#include "common/StringTable.h"
#include "pages/buttons/FunctionCatalogue.h"
#include "pages/lighting/LightEffects.h"
#include "pages/sensitivity/SensitivityTables.h"
#include "skin/ButtonLook.h"
#include "skin/SkinText.h"

namespace {

QString ProgramDir() {
    return qEnvironmentVariable("CORVANE_PROGRAM_DIR");
}

StringTable& Strings() {
    static StringTable table;
    return table;
}

// A button's caption: the control's layout rectangle, its caption layout and font height.
struct Caption {
    const char* window;
    int key;
    int height;
    int layout;
    bool shrink;  // else a caption too wide ends in an ellipsis
    std::vector<int> strings;
};

std::vector<int> FunctionNames() {
    std::vector<int> out;
    for (const catalogue::Function& f : catalogue::Functions()) {
        if (const std::optional<int> s = catalogue::TextString(f.code)) {
            out.push_back(*s);
        }
    }
    return out;
}

std::vector<int> EffectNames() {
    std::vector<int> out{kBreathingString};
    for (const LightEffect& e : kEffectMenu) {
        out.push_back(e.nameString);
    }
    return out;
}

const std::vector<Caption>& Captions() {
    static const std::vector<Caption> rows = {
        {"skin_Config", 4, 18, 0, true, {str::kSensitivityTab}},
        {"skin_Config", 5, 18, 0, true, {str::kButtonsTab}},
        {"skin_Config", 6, 18, 0, true, {str::kLightingTab}},
        {"skin_Config", 7, 18, 0, true, {str::kMacroTab}},
        {"skin_Config", 8, 15, 0, true, {str::kRestoreDefaults}},
        {"skin_Config", 18, 15, 0, true, {str::kApply}},
        {"skin_Config", 19, 15, 0, true, {str::kOk}},
        {"skin_Config", 20, 15, 0, true, {str::kCancel}},
        {"skin_Config", 11, 15, 0, true, {str::kSlot1}},
        {"skin_Config", 12, 15, 0, true, {str::kSlot2}},
        {"skin_Config", 13, 15, 0, true, {str::kSlot3}},
        // All twelve assignment buttons have one size.
        {"skin_button", 1, 15, 0, false, FunctionNames()},
        {"skin_button", 20, 14, 8, false, {36}},
        {"skin_button", 21, 14, 8, false, {37}},
        {"skin_sensitivity",
         23,
         sens::kLinkFontHeight,
         sens::kLinkCaptionLayout,
         false,
         {sens::kLinkStringId}},
        {"skin_sensitivity",
         18,
         15,
         sens::kRateCaptionLayout,
         false,
         {str::kSensRate125, str::kSensRate250, str::kSensRate500, str::kSensRate1000}},
        {"skin_light", 10, 12, 8, false, {str::kLightSourcePicker}},
        {"skin_light", 11, 12, 8, false, {str::kLightSourcePresets}},
        {"skin_light", 7, 15, 1, false, EffectNames()},
        {"skin_macro_manager", 7, 15, 8, true, {12}},
        {"skin_macro_manager", 9, 15, 8, true, {14}},
        {"skin_macro_manager", 8, 15, 8, true, {13}},
        {"skin_macro_manager", 11, 15, 0, false, {16, 17}},
        {"skin_macro_manager", 17, 15, 0, false, {18}},
        {"skin_InsertMacro", 2, 15, 1, false, {54, 55, 56, 57}},
        {"skin_InsertMacro", 4, 15, 0, false, {51, 53}},
        {"skin_InsertMacro", 5, 15, 0, false, {52}},
        {"skin_InsertMacro2", 1, 17, 8, true, {12}},
        {"skin_InsertMacro2", 2, 17, 8, true, {13}},
        {"skin_InsertMacro2", 3, 17, 8, true, {14}},
        {"skin_InsertMacro2", 6, 15, 0, false, {16, 17}},
        {"skin_select_macro", 1, 15, 0, false, {87}},
        {"skin_select_macro", 2, 15, 0, false, {88}},
        {"skin_shortcut", 1, 15, 0, false, {87}},
        {"skin_shortcut", 2, 15, 0, false, {88}},
        {"skin_shortcut", 4, 15, 8, false, {91}},
        {"skin_shortcut", 5, 15, 8, false, {92}},
        {"skin_shortcut", 6, 15, 8, false, {93}},
        {"skin_shortcut", 7, 15, 8, false, {94}},
        {"skin_warning", 1, 15, 0, false, {str::kWarningOk}},
        {"skin_warning", 2, 15, 0, false, {str::kWarningCancel}},
    };
    return rows;
}

// A text the window paints over its background, in window coordinates: with the classic
// renderer at a font height and format, or (label) with the macro windows' shrinking renderer
// at a size in pixels.
struct Painted {
    const char* window;
    int string;
    art::Rect rect;
    int height;
    std::uint32_t format;  // 0: a label
    bool shrink;
};

constexpr std::uint32_t kLine = dt::kSingleLine | dt::kVCenter;

const std::vector<Painted>& PaintedTexts() {
    using art::Ltrb;
    static const std::vector<Painted> rows = [] {
        // The sensitivity page paints from a table of its own.
        std::vector<Painted> r;
        for (const sens::PaintedText& t : sens::kPaintedTexts) {
            if (!t.wrapped) {
                r.push_back({"skin_sensitivity", t.stringId, Ltrb(t.rect.left, t.rect.top, t.rect.right, t.rect.bottom),
                             t.size, kLine, false});
            }
        }
        const Painted others[] = {
            {"skin_light", str::kLightBrightnessLabel, Ltrb(435, 370, 635, 390), 14, kLine, false},
            {"skin_light", str::kLightSpeedLabel, Ltrb(435, 444, 635, 464), 14, kLine, false},
            {"skin_light", str::kLightRgbLabel, Ltrb(695, 137, 795, 154), 14, kLine | dt::kRight,
             true},
            {"skin_light", str::kLightEffectLabel, Ltrb(430, 335, 480, 355), 14, kLine | dt::kRight,
             true},
            {"skin_macro_manager", 10, Ltrb(34, 198, 224, 226), 15, 0, true},
            {"skin_macro_manager", 11, Ltrb(34, 292, 224, 320), 15, 0, true},
            {"skin_macro_manager", 15, Ltrb(230, 378, 286, 403), 14, 0, true},
            {"skin_macro_manager", 2101, {540, 446, 320, 22}, 13, 0, true},
            {"skin_InsertMacro", 18, {550, 208, 80, 28}, 15, 0, true},
            {"skin_InsertMacro1", 58, {550, 312, 170, 25}, 14, 0, true},
            {"skin_InsertMacro1", 15, {790, 312, 56, 25}, 14, 0, true},
            {"skin_InsertMacro2", 15, {790, 312, 56, 25}, 13, 0, true},
            {"skin_select_macro", 82, Ltrb(34, 0, 234, 58), 15, kLine, false},
            {"skin_shortcut", 90, Ltrb(34, 0, 234, 58), 15, kLine, false},
            {"skin_shortcut", 95, Ltrb(160, 200, 360, 222), 15, kLine, false},
            {"skin_warning", str::kWarningTitle, Ltrb(34, 0, 234, 58), 15, kLine, false},
        };
        r.insert(r.end(), std::begin(others), std::end(others));
        return r;
    }();
    return rows;
}

// Painted texts that are no fixed line: blocks that wrap, and the capacity warning, which
// quotes a row of the user's macro.
bool Unchecked(const std::string& window, int string) {
    struct Other {
        const char* window;
        int string;
    };
    static constexpr Other kOthers[] = {
        {"skin_light", str::kLightTimingLabel},
        {"skin_light", str::kLightTimingHint},
        {"skin_macro_manager", str::kMacroCutAfter},
        {"skin_select_macro", 83},
        {"skin_select_macro", 84},
        {"skin_select_macro", 85},
        {"skin_select_macro", 86},
        {"skin_warning", 101},
    };
    for (const Other& o : kOthers) {
        if (o.window == window && o.string == string) {
            return true;
        }
    }
    for (const sens::PaintedText& t : sens::kPaintedTexts) {
        if (window == "skin_sensitivity" && t.wrapped && t.stringId == string) {
            return true;
        }
    }
    return false;
}

// A text with its numbers filled in as wide as they come: a long macro's bytes of the room.
QString Text(int string) {
    QString text = QString::fromStdU16String(Strings().Get(string));
    if (text.contains("%2")) {
        text = text.arg(1000).arg(100);
    }
    return text;
}

// The line as the renderers place it must have room for its advance, and nothing of it may
// fall outside the rectangle, which clips it: drawn unclipped, every inked pixel is inside.
QString InkMisfit(const QFont& font, const QRect& rect, int flags, const QString& text) {
    const QFontMetrics fm(font);
    const int advance = fm.horizontalAdvance(text);
    if (advance > rect.width()) {
        return QString("%1 px wide in %2").arg(advance).arg(rect.width());
    }
    constexpr int kMargin = 24;
    const QRect canvasRect = rect.adjusted(-kMargin, -kMargin, kMargin, kMargin);
    // At the screen's ratio, as the windows' off-screen frames are.
    const qreal ratio = qApp->devicePixelRatio();
    QImage canvas(canvasRect.size() * ratio, QImage::Format_ARGB32_Premultiplied);
    canvas.setDevicePixelRatio(ratio);
    canvas.fill(Qt::transparent);
    {
        QPainter p(&canvas);
        p.setRenderHint(QPainter::TextAntialiasing);
        p.translate(-canvasRect.topLeft());
        p.setFont(font);
        p.setPen(Qt::black);
        p.drawText(rect, flags, text);
    }
    QRect ink;
    for (int y = 0; y < canvas.height(); ++y) {
        for (int x = 0; x < canvas.width(); ++x) {
            if (qAlpha(canvas.pixel(x, y)) > 0) {
                ink |= QRect(x, y, 1, 1);
            }
        }
    }
    if (ink.isNull()) {
        return "draws nothing";
    }
    // In logical pixels, widened to whole ones.
    ink = QRectF(ink.x() / ratio, ink.y() / ratio, ink.width() / ratio, ink.height() / ratio)
              .toAlignedRect()
              .translated(canvasRect.topLeft());
    if (!rect.contains(ink)) {
        return QString("ink (%1,%2)-(%3,%4) leaves (%5,%6)-(%7,%8)")
            .arg(ink.left())
            .arg(ink.top())
            .arg(ink.right())
            .arg(ink.bottom())
            .arg(rect.left())
            .arg(rect.top())
            .arg(rect.right())
            .arg(rect.bottom());
    }
    return {};
}

// Why the classic renderer would not show the text whole at its height; empty when it does.
QString ClassicMisfit(const TextStyle& style, int height) {
    const PreparedText t = PrepareSkinText(style, height);
    const QString text = QString::fromStdU16String(style.text);
    if (t.height != height) {
        return QString("shrinks to %1").arg(t.height);
    }
    if (t.shown != text) {
        return "shown as \"" + t.shown + "\"";
    }
    return InkMisfit(t.font, t.rect, t.flags, text);
}

// The same for the label renderer, which shrinks until the text is 5 narrower than its box.
QString LabelMisfit(const QString& text, const art::Rect& r, int size) {
    TextStylePlus s;
    s.text = text.toStdU16String();
    s.lineAlignment = 1;
    s.noWrap = true;
    s.shrinkToFit = true;
    s.x = float(r.x);
    s.y = float(r.y);
    s.width = float(r.w);
    s.height = float(r.h);
    QImage canvas(r.Right(), r.Bottom(), QImage::Format_ARGB32_Premultiplied);
    QPainter p(&canvas);
    const float drawn = DrawSkinTextPlus(s, p, 0, float(size));
    if (drawn != float(size)) {
        return QString("shrinks to %1").arg(drawn);
    }
    return InkMisfit(SkinFontPlus(float(size), 0), QRect(r.x, r.y, r.w, r.h),
                     Qt::AlignLeft | Qt::AlignVCenter | Qt::TextSingleLine, text);
}

QByteArray RowName(const char* window, int key, int string) {
    return QByteArray(window) + (key > 0 ? " key " + QByteArray::number(key) : " text") + " / " +
           QByteArray::number(string) + " " + Text(string).toUtf8();
}

}  // namespace

class SkinTextFitCheck : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() {
        QVERIFY2(!ProgramDir().isEmpty(), "CORVANE_PROGRAM_DIR is not set");
        const std::filesystem::path dir = ProgramDir().toStdString();
        QVERIFY(LoadPrivateFont(dir).has_value());
        QVERIFY2(PrivateFontFamily().contains("Liberation Sans"), qPrintable(PrivateFontFamily()));
        QVERIFY(Strings().Load(dir / "lan" / "strings.txt"));
    }

    void captions_data() {
        QTest::addColumn<QString>("window");
        QTest::addColumn<int>("key");
        QTest::addColumn<int>("string");
        QTest::addColumn<int>("height");
        QTest::addColumn<int>("layout");
        QTest::addColumn<bool>("shrink");
        for (const Caption& c : Captions()) {
            for (int s : c.strings) {
                QTest::newRow(RowName(c.window, c.key, s))
                    << c.window << c.key << s << c.height << c.layout << c.shrink;
            }
        }
    }
    void captions() {
        QFETCH(QString, window);
        QFETCH(int, key);
        QFETCH(int, string);
        QFETCH(int, height);
        QFETCH(int, layout);
        QFETCH(bool, shrink);
        const art::Control* c = art::WindowNamed(window.toStdString()).Find(key);
        QVERIFY2(c != nullptr && c->kind != art::Kind::Area, "no button at this key");
        QVERIFY2(!Text(string).isEmpty(), "not in the string table");
        const CaptionPlace place = PlaceCaption(layout, {0, 0, c->rect.w, c->rect.h});
        TextStyle s;
        s.text = Strings().Get(string);
        s.format = shrink ? place.format : place.format | dt::kEndEllipsis;
        s.shrinkToFit = shrink;
        s.rect = place.rect;
        const QString misfit = ClassicMisfit(s, height);
        QVERIFY2(misfit.isEmpty(), qPrintable(misfit));
    }

    void painted_data() {
        QTest::addColumn<int>("row");
        for (std::size_t i = 0; i < PaintedTexts().size(); ++i) {
            const Painted& t = PaintedTexts()[i];
            QTest::newRow(RowName(t.window, 0, t.string)) << int(i);
        }
    }
    void painted() {
        QFETCH(int, row);
        const Painted& t = PaintedTexts()[std::size_t(row)];
        const QString text = Text(t.string);
        QVERIFY2(!text.isEmpty(), "not in the string table");
        QString misfit;
        if (t.format == 0) {
            misfit = LabelMisfit(text, t.rect, t.height);
        } else {
            TextStyle s;
            s.text = text.toStdU16String();
            s.format = t.format;
            s.shrinkToFit = t.shrink;
            s.rect = {t.rect.x, t.rect.y, t.rect.Right(), t.rect.Bottom()};
            misfit = ClassicMisfit(s, t.height);
        }
        QVERIFY2(misfit.isEmpty(), qPrintable(misfit));
    }

    // The layout table records where each window paints its texts, and no control may cover
    // them there; a rectangle recorded elsewhere than the window paints would let both checks
    // pass on the wrong place.
    void paintedTextsAreTheLayoutsTexts() {
        for (const art::Window& w : art::Windows()) {
            for (const art::PaintedText& t : w.texts) {
                const QByteArray what = RowName(w.layout.c_str(), 0, t.string);
                int rows = 0;
                for (const Painted& p : PaintedTexts()) {
                    if (p.window == w.layout && p.string == t.string) {
                        ++rows;
                        QVERIFY2(p.rect.x == t.rect.x && p.rect.y == t.rect.y &&
                                     p.rect.w == t.rect.w && p.rect.h == t.rect.h,
                                 what + ": painted elsewhere than the layout says");
                    }
                }
                rows += Unchecked(w.layout, t.string) ? 1 : 0;
                QVERIFY2(rows == 1, what + ": needs exactly one row here");
            }
        }
        for (const Painted& p : PaintedTexts()) {
            bool recorded = false;
            for (const art::PaintedText& t : art::WindowNamed(p.window).texts) {
                recorded = recorded || t.string == p.string;
            }
            QVERIFY2(recorded, RowName(p.window, 0, p.string) + ": not in the layout table");
        }
    }
};

QTEST_MAIN(SkinTextFitCheck)
#include "SkinTextFitCheck.moc"
