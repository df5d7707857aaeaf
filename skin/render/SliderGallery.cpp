// corvane_skin_gallery <skin folder> <output folder>: the real skinned controls, built from the
// skin as their windows build them, shown in each of their states and rendered off screen.
// Writes sliders.png (every slider of the sensitivity page in each state, with what it
// reported), sensitivity_sliders.png (the page's Normal screen with its sliders placed) and
// menus.png (the owner-drawn menus) and lists.png (list box, scroll bar, spin control).
#include <QApplication>
#include <QFontDatabase>
#include <QMouseEvent>
#include <QPainter>
#include <QWheelEvent>
#include <cstdio>
#include <functional>
#include <string>
#include <vector>

#include "platform/QtText.h"
#include "skin/CClickHSlider.h"
#include "skin/CPHSlider.h"
#include "skin/SkinWindow.h"

namespace {

struct SliderSpec {
    int key;
    int id;
    const char* thumb;
    std::int32_t minimum, maximum;
    const char* name;
};

// The sensitivity page's sliders as that page creates them.
const SliderSpec kSliders[] = {
    {15, 101, "slider_arrow_down.bmp", 1, 320, "X sensitivity"},
    {22, 104, "slider_arrow_up.bmp", 1, 320, "Y sensitivity"},
    {19, 102, "slider_arrow_rect.bmp", 0, 10, "pointer speed"},
    {20, 103, "slider_arrow_rect.bmp", 0, 10, "acceleration"},
};

void Pump() {
    for (int i = 0; i < 3; ++i) {
        QCoreApplication::sendPostedEvents();
    }
}

void Mouse(QWidget* w, QEvent::Type type, QPoint local, Qt::MouseButton button,
           Qt::MouseButtons held) {
    QMouseEvent e(type, QPointF(local), QPointF(w->mapToGlobal(local)), button, held,
                  Qt::NoModifier);
    QApplication::sendEvent(w, &e);
    Pump();
}

void Wheel(QWidget* w, int delta) {
    const QPoint at(w->width() / 2, w->height() / 2);
    QWheelEvent e(QPointF(at), QPointF(w->mapToGlobal(at)), QPoint(), QPoint(0, delta),
                  Qt::NoButton, Qt::NoModifier, Qt::NoScrollPhase, false);
    QApplication::sendEvent(w, &e);
    Pump();
}

struct State {
    const char* name;
    std::function<void(CClickHSlider&, const SliderSpec&)> enter;
};

const std::vector<State>& States() {
    static const std::vector<State> states = {
        {"minimum", [](CClickHSlider& s, const SliderSpec& c) { s.SetValue(c.minimum); }},
        {"middle",
         [](CClickHSlider& s, const SliderSpec& c) {
             s.SetValue(c.minimum + (c.maximum - c.minimum) / 2);
         }},
        {"maximum", [](CClickHSlider& s, const SliderSpec& c) { s.SetValue(c.maximum); }},
        {"stored -3 (shown at the end)",
         [](CClickHSlider& s, const SliderSpec&) { s.SetValue(-3); }},
        {"click at 3/4",
         [](CClickHSlider& s, const SliderSpec& c) {
             s.SetValue(c.minimum);
             const QPoint at(s.width() * 3 / 4, s.height() / 2);
             Mouse(&s, QEvent::MouseButtonPress, at, Qt::LeftButton, Qt::LeftButton);
             Mouse(&s, QEvent::MouseButtonRelease, at, Qt::LeftButton, Qt::NoButton);
         }},
        {"wheel down from maximum",
         [](CClickHSlider& s, const SliderSpec& c) {
             s.SetValue(c.maximum);
             Mouse(&s, QEvent::MouseMove, {s.width() / 2, s.height() / 2}, Qt::NoButton,
                   Qt::NoButton);
             Wheel(&s, -120);
         }},
        {"dragging (held)",
         [](CClickHSlider& s, const SliderSpec& c) {
             s.SetValue(c.minimum);
             CPHSlider* t = s.Thumb();
             const QPoint grip(t->width() / 2, t->height() / 2);
             Mouse(t, QEvent::MouseButtonPress, grip, Qt::LeftButton, Qt::LeftButton);
             Mouse(t, QEvent::MouseMove, grip + QPoint(s.width() / 3, 0), Qt::NoButton,
                   Qt::LeftButton);
         }},
        {"released after the drag",
         [](CClickHSlider& s, const SliderSpec&) {
             CPHSlider* t = s.Thumb();
             Mouse(t, QEvent::MouseButtonRelease, {t->width() / 2, t->height() / 2}, Qt::LeftButton,
                   Qt::NoButton);
         }},
    };
    return states;
}

}  // namespace

bool RenderMenuGallery(const std::filesystem::path& skinFolder, const QString& out);
bool RenderListGallery(const std::filesystem::path& skinFolder, const QString& out);

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    QApplication app(argc, argv);
    if (argc < 3) {
        std::fprintf(stderr, "usage: %s <skin folder> <output folder>\n", argv[0]);
        return 2;
    }
    QFontDatabase::addApplicationFont(
        "/usr/share/fonts/truetype/liberation2/LiberationSans-Regular.ttf");
    const std::filesystem::path skinFolder = ToPath(QString::fromLocal8Bit(argv[1]));
    const QString out = QString::fromLocal8Bit(argv[2]);
    std::filesystem::create_directories(ToPath(out));

    QWidget page;
    SkinWindow skin(page);
    if (!skin.Load(skinFolder, "skin_sensitivity.ini")) {
        std::fprintf(stderr, "no sensitivity page in %s\n", argv[1]);
        return 1;
    }
    std::vector<CClickHSlider*> sliders;
    for (const SliderSpec& c : kSliders) {
        auto* s = new CClickHSlider(&page);
        if (!s->Create(skinFolder / c.thumb, &page, c.id, SkinWindow::RectOf(skin.Entry(c.key)))) {
            std::fprintf(stderr, "slider %d: no thumb %s\n", c.key, c.thumb);
            return 1;
        }
        s->SetBackgroundFrom(skin.Background());
        s->SetRange(c.minimum, c.maximum, true);
        sliders.push_back(s);
    }

    constexpr int kLabel = 300, kRow = 34, kMargin = 10;
    int widest = 0;
    for (const CClickHSlider* s : sliders) {
        widest = std::max(widest, s->width());
    }
    const int rows = static_cast<int>(sliders.size() * (States().size() + 1));
    QImage gallery(kLabel + widest + 2 * kMargin, rows * kRow + kMargin, QImage::Format_RGB32);
    gallery.fill(QColor(24, 26, 30));
    QPainter p(&gallery);
    QFont font("Liberation Sans");
    font.setPixelSize(13);
    p.setFont(font);
    int y = kMargin;
    for (std::size_t i = 0; i < sliders.size(); ++i) {
        CClickHSlider& s = *sliders[i];
        const SliderSpec& c = kSliders[i];
        p.setPen(QColor(1, 81, 142).lighter(220));
        p.drawText(kMargin, y, kLabel + widest, kRow, Qt::AlignLeft | Qt::AlignVCenter,
                   QString("key %1 · %2 · %3..%4 · %5")
                       .arg(c.key)
                       .arg(c.name)
                       .arg(c.minimum)
                       .arg(c.maximum)
                       .arg(c.thumb));
        y += kRow;
        for (const State& state : States()) {
            state.enter(s, c);
            Pump();
            p.setPen(Qt::white);
            p.drawText(kMargin, y, kLabel - kMargin, kRow, Qt::AlignLeft | Qt::AlignVCenter,
                       QString("%1: value %2").arg(state.name).arg(s.Value()));
            p.drawImage(kLabel, y + (kRow - s.height()) / 2, s.grab().toImage());
            y += kRow;
        }
    }
    p.end();
    bool ok = gallery.save(out + "/sliders.png");

    const std::int32_t shown[] = {240, 80, 5, 3};
    for (std::size_t i = 0; i < sliders.size(); ++i) {
        sliders[i]->SetValue(shown[i]);
    }
    Pump();
    ok = page.grab().save(out + "/sensitivity_sliders.png") && ok;
    ok = RenderMenuGallery(skinFolder, out) && ok;
    ok = RenderListGallery(skinFolder, out) && ok;
    if (!ok) {
        std::fprintf(stderr, "a gallery picture could not be written\n");
    }
    return ok ? 0 : 1;
}
