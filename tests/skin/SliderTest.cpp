#include <QApplication>
#include <QCursor>
#include <QDir>
#include <QLineEdit>
#include <QMouseEvent>
#include <QTest>
#include <QWheelEvent>

#include "SkinTestSupport.h"
#include "common/Messages.h"
#include "skin/CClickHSlider.h"
#include "skin/CPHSlider.h"
#include "support/TempDir.h"

namespace {

constexpr std::int32_t kId = 101;
const QColor kKey(255, 0, 255), kBody(0, 90, 200);

// A 17 x 22 thumb on magenta: the body covers columns 2..14, the two outer columns on each
// side are key colour.
std::filesystem::path WriteThumb(const std::filesystem::path& folder) {
    QImage thumb = SolidImage(17, 22, kKey);
    for (int y = 0; y < 22; ++y) {
        for (int x = 2; x < 15; ++x) {
            thumb.setPixelColor(x, y, kBody);
        }
    }
    const std::filesystem::path file = folder / "slider_arrow_down.bmp";
    SaveImage(thumb, file, "BMP");
    return file;
}

// The page's Normal screen: a horizontal gradient, so every column of the track differs.
QImage PageNormal() {
    QImage normal(500, 100, QImage::Format_RGB32);
    for (int y = 0; y < normal.height(); ++y) {
        for (int x = 0; x < normal.width(); ++x) {
            normal.setPixelColor(x, y, QColor(x % 256, 40 + y, 255 - x % 256));
        }
    }
    return normal;
}

// Two rounds: the thumb posts to the track, the track posts on to the page.
void Pump() {
    for (int i = 0; i < 3; ++i) {
        QCoreApplication::sendPostedEvents();
    }
}

using Log = std::vector<MessageLog::Entry>;
MessageLog::Entry M(std::uint32_t number, std::int32_t w) {
    return {number, SliderWParam(w), kId};
}

void Mouse(QWidget* w, QEvent::Type type, QPoint local, Qt::MouseButton button,
           Qt::MouseButtons held) {
    QMouseEvent e(type, QPointF(local), QPointF(w->mapToGlobal(local)), button, held,
                  Qt::NoModifier);
    QApplication::sendEvent(w, &e);
}

bool Wheel(QWidget* w, int delta) {
    const QPoint at(w->width() / 2, w->height() / 2);
    QWheelEvent e(QPointF(at), QPointF(w->mapToGlobal(at)), QPoint(), QPoint(0, delta),
                  Qt::NoButton, Qt::NoModifier, Qt::NoScrollPhase, false);
    QApplication::sendEvent(w, &e);
    return e.isAccepted();
}

struct Fixture {
    TempDir dir;
    MessageLog page;
    CClickHSlider slider;
    QImage normal = PageNormal();

    Fixture(QRect rect, std::int32_t minimum, std::int32_t maximum) {
        page.resize(normal.size());
        const bool made = slider.Create(WriteThumb(dir.Path()), &page, kId, rect);
        Q_ASSERT(made);
        slider.SetBackgroundFrom(normal);
        slider.SetRange(minimum, maximum, true);
        Pump();
        page.messages.clear();
    }
    Log Take() {
        Pump();
        Log out = page.messages;
        page.messages.clear();
        return out;
    }
    int ThumbX() const { return slider.Thumb()->x(); }
};

}  // namespace

class SliderTest : public QObject {
    Q_OBJECT
private slots:
    void clickJumpsAndSnaps() {
        Fixture f(QRect(20, 30, 400, 24), 1, 320);
        Mouse(&f.slider, QEvent::MouseButtonPress, {300, 12}, Qt::LeftButton, Qt::LeftButton);
        Mouse(&f.slider, QEvent::MouseButtonRelease, {300, 12}, Qt::LeftButton, Qt::NoButton);
        const int x240 = f.slider.Thumb()->Scale().PositionOf(240);
        QCOMPARE(f.Take(), (Log{M(msg::kSliderChanging, 240), M(msg::kSliderSettled, 240),
                                M(msg::kSliderThumbMoved, x240)}));
        QCOMPARE(f.slider.Value(), 240);
        QCOMPARE(f.ThumbX(), x240);

        Mouse(&f.slider, QEvent::MouseButtonPress, {0, 12}, Qt::LeftButton, Qt::LeftButton);
        Mouse(&f.slider, QEvent::MouseButtonRelease, {0, 12}, Qt::LeftButton, Qt::NoButton);
        QCOMPARE(f.Take(), (Log{M(msg::kSliderChanging, 1), M(msg::kSliderSettled, 1),
                                M(msg::kSliderThumbMoved, 0)}));
        QCOMPARE(f.ThumbX(), 0);

        // A release on the thumb's body is the thumb's; the track does not jump for it.
        Mouse(&f.slider, QEvent::MouseButtonRelease, {8, 12}, Qt::LeftButton, Qt::NoButton);
        QVERIFY(f.Take().empty());
    }

    void wheelStepsOnlyWithinTheRange() {
        Fixture f(QRect(20, 30, 330, 24), 0, 10);
        f.slider.SetValue(10);
        f.Take();
        QVERIFY(!Wheel(&f.slider, -120));  // pointer never came: the page may have it
        QVERIFY(f.Take().empty());

        Mouse(&f.slider, QEvent::MouseMove, {100, 12}, Qt::NoButton, Qt::NoButton);
        QVERIFY(f.slider.WheelEnabled());
        Wheel(&f.slider, 120);
        QVERIFY(f.Take().empty());
        Wheel(&f.slider, -120);
        QCOMPARE(f.Take(), (Log{M(msg::kSliderChanging, 9), M(msg::kSliderSettled, 9),
                                M(msg::kSliderThumbMoved, 313 * 9 / 10)}));
        QCOMPARE(f.slider.Value(), 9);
        QVERIFY(!Wheel(&f.slider, 0));  // sideways scrolling is no notch
        QCOMPARE(f.slider.Value(), 9);
        f.Take();
        for (int i = 0; i < 7; ++i) {
            Wheel(&f.slider, -15);  // a touchpad: eight of these make one notch
        }
        QCOMPARE(f.slider.Value(), 9);
        QVERIFY(f.Take().empty());
        Wheel(&f.slider, -15);
        QCOMPARE(f.slider.Value(), 8);
    }

    void releaseReportsTheThumbPlace() {
        Fixture f(QRect(20, 30, 400, 24), 0, 10);
        f.slider.SetValue(7);
        f.Take();
        CPHSlider* thumb = f.slider.Thumb();
        const int x7 = thumb->x();
        Mouse(thumb, QEvent::MouseButtonPress, {8, 11}, Qt::LeftButton, Qt::LeftButton);
        Mouse(thumb, QEvent::MouseButtonRelease, {8, 11}, Qt::LeftButton, Qt::NoButton);
        QCOMPARE(f.Take(), (Log{M(msg::kSliderChanging, 7), M(msg::kSliderSettled, 7),
                                M(msg::kSliderThumbMoved, x7), M(msg::kSliderChanging, 7)}));
        QCOMPARE(f.slider.Value(), 7);
    }

    void releaseWithoutDragKeepsAValueThatSharesItsPlace() {
        // 319 steps on 313 pixels: 2 sits where 1 does, and a mere click must not make it 1.
        Fixture f(QRect(20, 30, 330, 24), 1, 320);
        f.slider.SetValue(2);
        f.Take();
        CPHSlider* thumb = f.slider.Thumb();
        Mouse(thumb, QEvent::MouseButtonPress, {8, 11}, Qt::LeftButton, Qt::LeftButton);
        Mouse(thumb, QEvent::MouseButtonRelease, {8, 11}, Qt::LeftButton, Qt::NoButton);
        QCOMPARE(f.Take(), (Log{M(msg::kSliderChanging, 2), M(msg::kSliderSettled, 2),
                                M(msg::kSliderThumbMoved, 0), M(msg::kSliderChanging, 2)}));
        QCOMPARE(f.slider.Value(), 2);
    }

    void dragValueTrailsByOneMoveAndReleaseSettles() {
        Fixture f(QRect(20, 30, 330, 24), 1, 320);  // travel 313
        f.slider.SetValue(1);
        f.Take();
        CPHSlider* thumb = f.slider.Thumb();
        Mouse(thumb, QEvent::MouseButtonPress, {8, 11}, Qt::LeftButton, Qt::LeftButton);
        Mouse(thumb, QEvent::MouseMove, {108, 11}, Qt::NoButton, Qt::LeftButton);
        QCOMPARE(thumb->x(), 100);
        // Positions are local to the thumb where it now is: 20 more to the right.
        Mouse(thumb, QEvent::MouseMove, {28, 11}, Qt::NoButton, Qt::LeftButton);
        QCOMPARE(thumb->x(), 120);
        QCOMPARE(f.Take(), (Log{M(msg::kSliderChanging, 1), M(msg::kSliderThumbMoved, 100),
                                M(msg::kSliderChanging, 102), M(msg::kSliderThumbMoved, 120)}));

        // 1 + 319 * 120 / 313 = 123.3 settles on 123, whose place is 119.
        Mouse(thumb, QEvent::MouseButtonRelease, {28, 11}, Qt::LeftButton, Qt::NoButton);
        QCOMPARE(f.Take(), (Log{M(msg::kSliderChanging, 123), M(msg::kSliderSettled, 123),
                                M(msg::kSliderThumbMoved, 119), M(msg::kSliderChanging, 123)}));
        QCOMPARE(thumb->x(), 119);
        QCOMPARE(f.slider.Value(), 123);

        // Far past the right end the thumb stops at the end.
        Mouse(thumb, QEvent::MouseButtonPress, {8, 11}, Qt::LeftButton, Qt::LeftButton);
        Mouse(thumb, QEvent::MouseMove, {900, 11}, Qt::NoButton, Qt::LeftButton);
        QCOMPARE(thumb->x(), 313);
        Mouse(thumb, QEvent::MouseButtonRelease, {8, 11}, Qt::LeftButton, Qt::NoButton);
        f.Take();
        QCOMPARE(f.slider.Value(), 320);
    }

    void outOfRangeValuesShowAtTheMaximumAndAreKept() {
        Fixture f(QRect(20, 30, 330, 24), 1, 320);
        for (std::int32_t v : {-3, 400}) {
            f.slider.SetValue(v);
            QCOMPARE(f.ThumbX(), 313);
            QCOMPARE(f.slider.Value(), v);
            // Setting shows the value; it reports no change of it.
            QCOMPARE(f.Take(), (Log{M(msg::kSliderThumbMoved, 313)}));
        }
        f.slider.SetValue(0);
        QCOMPARE(f.ThumbX(), 0);
    }

    void wheelFollowsThePointerAndTakesTheFocus() {
        Fixture f(QRect(20, 30, 330, 24), 0, 10);
        QLineEdit other(&f.page);
        other.setGeometry(20, 70, 100, 20);
        f.page.show();
        f.page.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&f.page));
        other.setFocus();
        QVERIFY(other.hasFocus());

        Mouse(&f.slider, QEvent::MouseMove, {50, 12}, Qt::NoButton, Qt::NoButton);
        QVERIFY(f.slider.WheelEnabled());
        QVERIFY(f.slider.hasFocus());

        QCursor::setPos(f.page.mapToGlobal(QPoint(450, 90)));
        QEvent leave(QEvent::Leave);
        QApplication::sendEvent(&f.slider, &leave);
        QVERIFY(!f.slider.WheelEnabled());
        f.slider.SetValue(5);
        f.Take();
        Wheel(&f.slider, 120);
        QVERIFY(f.Take().empty());

        other.setFocus();
        Mouse(&f.slider, QEvent::MouseMove, {60, 12}, Qt::NoButton, Qt::NoButton);
        QVERIFY(f.slider.WheelEnabled());
        QVERIFY(f.slider.hasFocus());
        Wheel(&f.slider, 120);
        QCOMPARE(f.slider.Value(), 6);

        // Leaving onto the thumb is still over the track.
        QCursor::setPos(f.slider.mapToGlobal(f.slider.Thumb()->geometry().center()));
        QApplication::sendEvent(&f.slider, &leave);
        QVERIFY(f.slider.WheelEnabled());
    }

    void missingThumbPictureCreatesNothing() {
        TempDir dir;
        MessageLog page;
        CClickHSlider slider;
        QVERIFY(!slider.Create(dir.Path() / "none.bmp", &page, kId, QRect(0, 0, 330, 24)));
        QVERIFY(slider.Thumb() == nullptr);
        QVERIFY(slider.isHidden());
        QVERIFY(slider.SetRange(1, 320, true));
        slider.SetValue(42);
        QCOMPARE(slider.Value(), 42);
        Pump();
        QVERIFY(page.messages.empty());
    }

    void emptyRangeIsRefused() {
        Fixture f(QRect(20, 30, 400, 24), 1, 320);
        QVERIFY(!f.slider.SetRange(5, 5, true));
        QVERIFY(!f.slider.SetRange(9, 2, true));
        Mouse(&f.slider, QEvent::MouseButtonPress, {300, 12}, Qt::LeftButton, Qt::LeftButton);
        Mouse(&f.slider, QEvent::MouseButtonRelease, {300, 12}, Qt::LeftButton, Qt::NoButton);
        QCOMPARE(f.slider.Value(), 240);
    }

    void paintsPageBackgroundAndShapedThumb() {
        const QRect rect(20, 30, 330, 24);
        Fixture f(rect, 0, 10);
        QCOMPARE(f.slider.Background(), f.normal.copy(rect));
        f.slider.SetValue(5);
        f.Take();
        const QRect thumb = f.slider.Thumb()->geometry();  // in the track
        QCOMPARE(thumb.topLeft(), QPoint(313 * 5 / 10, 1));

        // The key-coloured columns are cut away; clicks and paint go through to the track.
        const QRegion shape = f.slider.Thumb()->mask();
        QVERIFY(!shape.contains(QPoint(0, 0)));
        QVERIFY(!shape.contains(QPoint(16, 21)));
        QVERIFY(shape.contains(QPoint(2, 0)));
        QVERIFY(shape.contains(QPoint(14, 21)));

        const QImage shot = f.slider.grab().toImage();
        QCOMPARE(shot.pixelColor(5, 5), f.normal.pixelColor(rect.left() + 5, rect.top() + 5));
        QCOMPARE(shot.pixelColor(thumb.left() + 8, thumb.top() + 10), kBody);
        const QPoint corner = thumb.topLeft() + QPoint(0, 3);
        QCOMPARE(shot.pixelColor(corner), f.normal.pixelColor(rect.topLeft() + corner));

        const QString out = QStringLiteral(CORVANE_SLIDER_RENDER_DIR);
        QDir().mkpath(out);
        QVERIFY(f.slider.grab().save(out + "/slider_test.png"));
    }
};

QTEST_MAIN(SliderTest)
#include "SliderTest.moc"
