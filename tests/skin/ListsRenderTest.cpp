// Draws the event list with its skinned bar and a colour spin box from the built skin into a
// review picture, and checks that the skin's own pictures are what ends up on screen.
#include <QDir>
#include <QTest>

#include "ListsTestSupport.h"
#include "SkinTestSupport.h"
#include "skin/CBitmapBtn.h"
#include "skin/CListBoxEx.h"
#include "skin/CSkinScrollBar.h"
#include "skin/CSkinScrollWnd.h"
#include "skin/CSpinWnd.h"
#include "skin/SkinImage.h"
#include "skin/SkinWindow.h"

namespace {
std::uint32_t Row(int code, int kind) {
    return std::uint32_t(code) << 8 | std::uint32_t(kind);
}
}  // namespace

class ListsRenderTest : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { UseTestFont(); }

    void rendersListBarAndSpin() {
        const std::filesystem::path skins = CORVANE_SKIN_DIR;
        QImage bar;
        QVERIFY(!LoadSkinImage(skins / "res" / "res_136.bmp", bar).isEmpty());

        QWidget window;
        window.setAutoFillBackground(true);
        window.setPalette(QPalette(QColor(17, 17, 17)));
        window.resize(330, 230);
        auto* list = new CListBoxEx(&window);
        list->setFrameShape(QFrame::Box);
        list->setGeometry(10, 10, 200, 206);
        list->SetRowIcons(CListBoxEx::LoadRowIcons(skins));
        list->SetHighlightColour(0x8E5101);
        list->SetBackColour(0);
        list->SetTextColour(0xFFFFFF);
        list->SetBackgroundBrush(0);
        const char* keys[] = {"A", "Left Shift", "F5", "Space", "Enter", "Tab"};
        for (int i = 0; i < 6; ++i) {
            list->AddRow(keys[i], Row(10 + i, 0x12));
            list->AddRow("30", Row(0xFF, 0x04));
            list->AddRow(keys[i], Row(10 + i, 0x23));
        }
        list->AddRow("Left button", Row(0xF1, 0x15));
        CSkinScrollWnd* wrap = CSkinScrollWnd::Attach(list, bar);
        QVERIFY(wrap != nullptr);

        QWidget lightPage;
        SkinWindow light(lightPage);
        QVERIFY(light.Load(skins, "skin_light.ini"));
        const QRect place = SkinWindow::RectOf(light.Entry(4));
        auto* spin = new CSpinWnd(&window);
        spin->setGeometry(QRect(QPoint(240, 20), place.size()));
        spin->SetSkinPictures(light.Screen(0), light.Screen(1), light.Screen(2), light.Screen(3),
                              place);
        spin->SetMaximum(255);
        spin->SetValue(128);

        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        list->setCurrentRow(3);  // the second press: its release lights up too
        QTRY_VERIFY(wrap->VerticalBar()->isEnabled());
        const QRect hover = list->visualRect(list->model()->index(1, 0));
        SendMouse(list->viewport(), QEvent::MouseMove, hover.center(), Qt::NoButton, Qt::NoButton);
        QCoreApplication::processEvents();

        const QImage shot = window.grab().toImage();
        QDir().mkpath(CORVANE_RENDER_DIR);
        QVERIFY(shot.save(QStringLiteral(CORVANE_RENDER_DIR "/lists.png")));

        // The bar's up arrow is the bitmap's first cell, the spin's up button the page's art.
        const QPoint barAt = wrap->VerticalBar()->mapTo(&window, QPoint(0, 0));
        const int unit = bar.width() / 9;
        QCOMPARE(shot.pixelColor(barAt + QPoint(unit / 2, unit / 2)),
                 bar.pixelColor(unit / 2, unit / 2));
        const QPoint upAt = spin->UpButton()->mapTo(&window, QPoint(7, 5));
        QCOMPARE(
            shot.pixelColor(upAt),
            light.Screen(0).pixelColor(place.topLeft() + spin->UpButton()->pos() + QPoint(7, 5)));
        const QRect partner = list->visualRect(list->model()->index(5, 0));
        QCOMPARE(
            shot.pixelColor(list->viewport()->mapTo(&window, partner.topLeft() + QPoint(1, 4))),
            QColor(0, 40, 70));
    }
};

QTEST_MAIN(ListsRenderTest)
#include "ListsRenderTest.moc"
