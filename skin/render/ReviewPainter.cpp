#include "ReviewPainter.h"

#include <QFile>
#include <QPainter>
#include <QTextStream>

#include "skin/SkinEntry.h"
#include "skin/SkinIni.h"

namespace review {
namespace {

QRect EntryRect(const QString& iniPath, int key) {
    const SkinEntry e = ParseSkinEntry(
        ReadSkinString(iniPath.toStdString(), u"BUTTONPOS", QString::number(key).toStdU16String()));
    return QRect(e.left, e.top, e.Width(), e.Height());
}

// Sample captions: the language string a window gives each control, or a sample value.
QString Caption(const art::Window& w, const art::Control& c, const QMap<int, QString>& s) {
    static const QMap<QString, QMap<int, int>> kStrings = {
        {"skin_Config",
         {{4, 1},
          {5, 2},
          {6, 3},
          {7, 4},
          {8, 48},
          {18, 5},
          {19, 6},
          {20, 7},
          {11, 23},
          {12, 24},
          {13, 25}}},
        {"skin_button", {{20, 36}, {21, 37}}},
        {"skin_sensitivity", {{23, 34}, {18, 40}}},
        {"skin_light", {{10, 73}, {11, 74}, {7, 76}}},
        {"skin_macro_manager", {{7, 12}, {8, 13}, {9, 14}, {11, 16}, {17, 18}}},
        {"skin_InsertMacro", {{2, 54}, {4, 38}, {5, 52}}},
        {"skin_InsertMacro2", {{1, 12}, {2, 13}, {3, 14}, {6, 16}}},
        {"skin_select_macro", {{1, 87}, {2, 88}}},
        {"skin_shortcut", {{1, 87}, {2, 88}, {4, 91}, {5, 92}, {6, 93}, {7, 94}}},
        {"skin_warning", {{1, 87}, {2, 88}}},
    };
    const int id = kStrings.value(QString::fromStdString(w.layout)).value(c.key, 0);
    if (id != 0) {
        return s.value(id);
    }
    if (c.kind == art::Kind::Assign) {
        return s.value(1005 + (c.key % 3));
    }
    if (c.kind == art::Kind::DropDown) {
        return w.layout == "skin_Config" ? "Profile 1" : "Macro 1";
    }
    return QString();
}

}  // namespace

QMap<int, QString> LoadStrings(const QString& file) {
    QMap<int, QString> out;
    QFile f(file);
    if (!f.open(QIODevice::ReadOnly)) {
        return out;
    }
    QTextStream in(&f);
    while (!in.atEnd()) {
        const QString line = in.readLine();
        const int tab = line.indexOf('\t');
        bool ok = false;
        const int n = line.left(tab).toInt(&ok);
        if (tab > 0 && ok) {
            out.insert(n, line.mid(tab + 1).replace("\\n", "\n"));
        }
    }
    return out;
}

QImage ReviewPainter::Screen(const art::Window& w, const char* key) const {
    const QString ini = folder_ + "/" + QString::fromStdString(w.LayoutFile());
    const std::u16string file =
        ReadSkinString(ini.toStdString(), u"SCREEN", QString(key).toStdU16String());
    return QImage(folder_ + "/" + QString::fromStdU16String(file))
        .convertToFormat(QImage::Format_ARGB32);
}

QImage ReviewPainter::Masked(const QImage& img, const art::Window& w) const {
    const QImage mask = Screen(w, "Mask");
    QImage out = img;
    for (int y = 0; y < out.height() && y < mask.height(); ++y) {
        for (int x = 0; x < out.width() && x < mask.width(); ++x) {
            if ((mask.pixel(x, y) & 0xFFFFFF) == 0xFFFFFF) {
                out.setPixel(x, y, 0);
            }
        }
    }
    return out;
}

void ReviewPainter::DrawCaptions(QImage& img, const art::Window& w) const {
    QPainter p(&img);
    p.setRenderHint(QPainter::TextAntialiasing, true);
    QFont f("Liberation Sans");
    const QString ini = folder_ + "/" + QString::fromStdString(w.LayoutFile());
    for (const art::Control& c : w.controls) {
        const QRect r = EntryRect(ini, c.key);
        if (c.kind == art::Kind::Level) {
            f.setPixelSize(14);
            p.setFont(f);
            p.setPen(Qt::white);
            p.drawText(QRect(r.x() + 8, r.y() + 8, 39, 13), Qt::AlignCenter, "3200");
            p.drawText(QRect(r.x() + 8, r.y() + 26, 39, 13), Qt::AlignCenter, "3200");
            continue;
        }
        const QString text = Caption(w, c, strings_);
        if (text.isEmpty()) {
            continue;
        }
        f.setPixelSize(w.layout == "skin_Config" && c.kind == art::Kind::Tab ? 18 : 15);
        p.setFont(f);
        p.setPen(Qt::white);
        if (c.kind == art::Kind::Option) {
            p.drawText(r.adjusted(20, 0, 0, 0), Qt::AlignVCenter | Qt::AlignLeft, text);
        } else if (c.kind == art::Kind::DropDown && w.layout != "skin_Config") {
            p.drawText(r.adjusted(10, 0, 0, 0), Qt::AlignVCenter | Qt::AlignLeft, text);
        } else {
            p.drawText(r, Qt::AlignCenter, text);
        }
    }
}

void ReviewPainter::DrawTexts(QImage& img, const art::Window& w) const {
    static const QList<int> kHeadings = {26, 38, 44, 46, 82, 83, 84, 85, 86, 90, 95, 100, 101};
    QPainter p(&img);
    QFont f("Liberation Sans");
    f.setPixelSize(14);
    p.setFont(f);
    for (const art::PaintedText& t : w.texts) {
        // Headings and dialog texts in the accent's light tint, which reads on the dark ground.
        p.setPen(kHeadings.contains(t.string) ? QColor(104, 176, 232) : QColor(Qt::white));
        const QRect r(t.rect.x, t.rect.y, t.rect.w, t.rect.h);
        const int align = t.string == 75 || t.string == 70 ? Qt::AlignRight : Qt::AlignLeft;
        QString text = strings_.value(t.string);
        // Templates with a sample: a macro too long for the mouse's memory.
        if (t.string == 2101) {
            text = text.arg(112).arg(100);
        } else if (t.string == 2102) {
            text = text.arg(9).arg("Delay 50 ms");
        }
        p.drawText(r, align | Qt::AlignVCenter | Qt::TextWordWrap, text);
    }
}

void ReviewPainter::DrawOwnPictures(QImage& img, const art::Window& w) const {
    QPainter p(&img);
    if (w.layout == "skin_light") {
        // A sample lit state: zones in the accent blue, the mouse over them.
        static const QRgb kSample[5] = {0x1F8FE6, 0x00FFFF, 0x00A8FF, 0x0055FF, 0x3C00FF};
        for (int z = 0; z < 5; ++z) {
            QImage zone = QImage(folder_ + QString("/%1.png").arg(z + 1))
                              .convertToFormat(QImage::Format_ARGB32);
            for (int y = 0; y < zone.height(); ++y) {
                for (int x = 0; x < zone.width(); ++x) {
                    const int a = qAlpha(zone.pixel(x, y));
                    if (a != 0) {
                        zone.setPixel(x, y, (QRgb(a) << 24) | kSample[z]);
                    }
                }
            }
            p.drawImage(art::kZones[z].x, art::kZones[z].y, zone);
        }
        const art::Rect r = w.Find(29)->rect;
        p.drawImage(QRect(r.x, r.y, r.w, r.h), QImage(folder_ + "/Mouse.png"));
        // The value box over the timing slider, and its thumb.
        const art::Rect s = w.Find(28)->rect;
        p.fillRect(QRect(s.x - 6 + 120, s.y - 20, 25, 15), QColor(1, 81, 142));
        QImage thumb =
            QImage(folder_ + "/slider_arrow_rect.bmp").convertToFormat(QImage::Format_ARGB32);
        const QRgb key = thumb.pixel(0, 0);
        for (int y = 0; y < thumb.height(); ++y) {
            for (int x = 0; x < thumb.width(); ++x) {
                if (thumb.pixel(x, y) == key) {
                    thumb.setPixel(x, y, 0);
                }
            }
        }
        p.drawImage(s.x + 120, s.y + (s.h - thumb.height()) / 2, thumb);
    }
}

QImage ReviewPainter::Look(const art::Window& w) const {
    QImage img = Screen(w, "Normal");
    DrawOwnPictures(img, w);
    DrawTexts(img, w);
    DrawCaptions(img, w);
    return Masked(img, w);
}

QImage ReviewPainter::Annotated(const art::Window& w) const {
    QImage img = Look(w);
    QPainter p(&img);
    QFont f("Liberation Sans");
    f.setPixelSize(10);
    p.setFont(f);
    const QString ini = folder_ + "/" + QString::fromStdString(w.LayoutFile());
    for (const art::Control& c : w.controls) {
        const QRect r = EntryRect(ini, c.key);
        const bool area = c.kind == art::Kind::Area;
        p.setPen(QPen(area ? QColor(255, 220, 0) : QColor(0, 255, 200), 1,
                      area ? Qt::DashLine : Qt::SolidLine));
        p.setBrush(Qt::NoBrush);
        p.drawRect(r.adjusted(0, 0, -1, -1));
        const QString label = QString("%1 %2").arg(c.key).arg(QString::fromStdString(c.name));
        const QRect tag(r.x(), r.y() - 11 < 0 ? r.y() : r.y() - 11,
                        p.fontMetrics().horizontalAdvance(label) + 4, 11);
        p.fillRect(tag, QColor(0, 0, 0, 170));
        p.setPen(area ? QColor(255, 220, 0) : QColor(0, 255, 200));
        p.drawText(tag, Qt::AlignCenter, label);
    }
    for (const art::PaintedText& t : w.texts) {
        p.setPen(QPen(QColor(255, 120, 0), 1, Qt::DotLine));
        p.drawRect(QRect(t.rect.x, t.rect.y, t.rect.w - 1, t.rect.h - 1));
    }
    return img;
}

}  // namespace review
