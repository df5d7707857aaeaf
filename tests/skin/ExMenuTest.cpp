#include <QAction>
#include <QPainter>
#include <QTest>
#include <QTimer>
#include <memory>
#include <optional>

#include "SkinTestSupport.h"
#include "skin/CExMenu.h"
#include "skin/CMenuWndHook.h"
#include "skin/MenuDecoration.h"
#include "skin/MenuLook.h"
#include "support/TempDir.h"

namespace {
const QColor kBlue(1, 81, 142);
const QColor kArrowInk(255, 0, 255);

bool Near(QColor a, QColor b) {
    return qAbs(a.red() - b.red()) < 12 && qAbs(a.green() - b.green()) < 12 &&
           qAbs(a.blue() - b.blue()) < 12;
}

// How many pixels of the rectangle have (nearly) the colour.
int Count(const QImage& shot, const QRect& rect, QColor colour) {
    int n = 0;
    for (int y = rect.top(); y <= rect.bottom(); ++y) {
        for (int x = rect.left(); x <= rect.right(); ++x) {
            n += Near(shot.pixelColor(x, y), colour) ? 1 : 0;
        }
    }
    return n;
}

// The rightmost column of the rectangle with a nearly white pixel, or -1.
int RightmostWhite(const QImage& shot, const QRect& rect) {
    int right = -1;
    for (int y = rect.top(); y <= rect.bottom(); ++y) {
        for (int x = rect.left(); x <= rect.right(); ++x) {
            if (shot.pixelColor(x, y).lightness() > 128) {
                right = std::max(right, x);
            }
        }
    }
    return right;
}

int LeftmostWhite(const QImage& shot, const QRect& rect) {
    for (int x = rect.left(); x <= rect.right(); ++x) {
        for (int y = rect.top(); y <= rect.bottom(); ++y) {
            if (shot.pixelColor(x, y).lightness() > 128) {
                return x;
            }
        }
    }
    return -1;
}

bool HasFrame(QWidget& window) {
    const QImage shot = window.grab().toImage();
    const int w = shot.width(), h = shot.height();
    for (int i = 0; i < 3; ++i) {
        const QColor want = i == 0 ? kBlue : QColor(Qt::black);
        const QPoint points[] = {{w / 2, i}, {i, h / 2}, {w - 1 - i, h / 2}, {w / 2, h - 1 - i}};
        for (QPoint p : points) {
            if (!Near(shot.pixelColor(p), want)) {
                qWarning() << "frame pixel" << p << shot.pixelColor(p);
                return false;
            }
        }
    }
    return true;
}

// A skin folder holding only the arrow: opaque magenta where the real arrow has its ink.
void WriteArrow(const std::filesystem::path& skin) {
    std::filesystem::create_directories(skin / "res");
    QImage arrow(32, 32, QImage::Format_ARGB32);
    arrow.fill(Qt::transparent);
    for (int y = 15; y <= 23; ++y) {
        for (int x = 6; x <= 11; ++x) {
            arrow.setPixelColor(x, y, kArrowInk);
        }
    }
    SaveImage(arrow, skin / "res" / "res_129.png", "PNG");
}

QPoint ItemCentre(QMenu& menu, QAction* a) {
    return menu.actionGeometry(a).center();
}
}  // namespace

class ExMenuTest : public QObject {
    Q_OBJECT
    std::unique_ptr<TempDir> skin_;

private slots:
    void initTestCase() {
        UseTestFont();
        skin_ = std::make_unique<TempDir>();
        WriteArrow(skin_->Path());
        InstallMenuDecoration();
        QVERIFY(MenuDecorationInstalled());
    }
    void cleanupTestCase() {
        RemoveMenuDecoration();
        QVERIFY(!MenuDecorationInstalled());
        QCOMPARE(DecoratedMenuCount(), std::size_t{0});
    }

    void itemsTakeTheSkinColoursAndHoverTurnsBlue() {
        CExMenu menu(skin_->Path());
        menu.AppendItem(101, u"Record");
        menu.AppendItem(102, u"Delete");
        menu.AppendItem(103, u"Rename");
        QCOMPARE(menu.ItemCount(), 3);
        QCOMPARE(menu.FitItemWidth(170), 170);
        menu.popup(QPoint(200, 200));
        QVERIFY(QTest::qWaitForWindowExposed(&menu));
        QCOMPARE(menu.size(), QSize(170 + 6, 3 * 20 + 6));
        QCOMPARE(menu.TotalHeight(), 60);

        QAction* second = menu.actions().at(1);
        QCOMPARE(menu.actionGeometry(second), QRect(3, 23, 170, 20));
        QImage shot = menu.grab().toImage();
        const QRect item1 = menu.actionGeometry(menu.actions().at(0));
        const QRect item2 = menu.actionGeometry(second);
        QCOMPARE(shot.pixelColor(item1.right() - 2, item1.top() + 1), QColor(Qt::black));
        QVERIFY(RightmostWhite(shot, item1) > item1.left());  // white text on black

        QTest::mouseMove(&menu, ItemCentre(menu, second));
        QTRY_COMPARE(menu.activeAction(), second);
        shot = menu.grab().toImage();
        QCOMPARE(shot.pixelColor(item2.right() - 2, item2.top() + 1), kBlue);
        QCOMPARE(RightmostWhite(shot, item2), -1);  // black text, no white left
        QVERIFY(Count(shot, item2, Qt::black) > 10);
        QCOMPARE(shot.pixelColor(item1.right() - 2, item1.top() + 1), QColor(Qt::black));

        // Leaving the item for another one turns it back.
        QTest::mouseMove(&menu, ItemCentre(menu, menu.actions().at(2)));
        QTRY_COMPARE(menu.activeAction(), menu.actions().at(2));
        shot = menu.grab().toImage();
        QCOMPARE(shot.pixelColor(item2.right() - 2, item2.top() + 1), QColor(Qt::black));
        QVERIFY(RightmostWhite(shot, item2) > item2.left());
        menu.hide();
    }

    void submenuItemShowsTheArrowAndOpensASubmenuDrawnTheSame() {
        CExMenu sub(skin_->Path());
        sub.AppendItem(201, u"Left button");
        sub.AppendItem(202, u"Right button");
        sub.FitItemWidth(30);
        CExMenu menu(skin_->Path());
        menu.AppendItem(101, u"Keys");
        menu.AppendItem(102, u"Mouse", &sub);
        menu.FitItemWidth(120);
        menu.popup(QPoint(100, 100));
        QVERIFY(QTest::qWaitForWindowExposed(&menu));

        QAction* opener = menu.actions().at(1);
        const QRect plain = menu.actionGeometry(menu.actions().at(0));
        const QRect withSub = menu.actionGeometry(opener);
        const QImage shot = menu.grab().toImage();
        // The arrow's ink lands at (right - 19 + 6.., top - 9 + 15..) of the item.
        const int right = withSub.x() + withSub.width();
        QCOMPARE(shot.pixelColor(right - 19 + 8, withSub.top() - 9 + 19), kArrowInk);
        QCOMPARE(Count(shot, withSub, kArrowInk), 6 * 9);
        QCOMPARE(Count(shot, plain, kArrowInk), 0);

        menu.setActiveAction(opener);
        QTest::keyClick(&menu, Qt::Key_Right);
        QTRY_VERIFY(sub.isVisible());
        QVERIFY(QTest::qWaitForWindowExposed(&sub));
        QVERIFY(FindMenuWndHook(&sub) != nullptr);
        QVERIFY(FindMenuWndHook(&menu) != nullptr);
        QVERIFY(HasFrame(sub));
        QVERIFY(HasFrame(menu));
        QTRY_COMPARE(sub.activeAction(), sub.actions().at(0));
        const QImage subShot = sub.grab().toImage();
        const QRect first = sub.actionGeometry(sub.actions().at(0));
        const QRect other = sub.actionGeometry(sub.actions().at(1));
        QCOMPARE(subShot.pixelColor(first.right() - 2, first.top() + 1), kBlue);
        QCOMPARE(subShot.pixelColor(other.right() - 2, other.top() + 1), QColor(Qt::black));
        QVERIFY(RightmostWhite(subShot, other) > other.left());
        QCOMPARE(Count(subShot, sub.rect(), kArrowInk), 0);
        menu.hide();
        QTRY_VERIFY(!sub.isVisible());
    }

    void measuringKeepsTheMinimumOrFitsTheText() {
        const std::u16string longText = u"Insert a mouse button event here";
        CExMenu narrow(skin_->Path());
        narrow.AppendItem(1, u"Go");
        QCOMPARE(narrow.FitItemWidth(170), 170);
        QCOMPARE(narrow.MeasureItem(), QSize(170, 20));

        CExMenu wide(skin_->Path());
        CExMenu sub(skin_->Path());
        sub.AppendItem(9, u"x");
        wide.AppendItem(1, u"Go");
        wide.AppendItem(2, longText, &sub);
        int measured = 0;
        MeasureTextWidth(ToQString(longText), measured);
        const int width = wide.FitItemWidth(30);
        QVERIFY(width >= measured + 19);
        QVERIFY(width > 170);

        // The whole text is drawn left of the arrow's ink, nothing cut away.
        wide.popup(QPoint(50, 50));
        QVERIFY(QTest::qWaitForWindowExposed(&wide));
        const QRect item = wide.actionGeometry(wide.actions().at(1));
        const QImage shot = wide.grab().toImage();
        const int inkLeft = item.x() + item.width() - 19 + 6;
        const int textRight = RightmostWhite(shot, item);
        QVERIFY2(textRight > item.left() + measured - 4, qPrintable(QString::number(textRight)));
        QVERIFY2(textRight < inkLeft, qPrintable(QString::number(textRight)));
        // The text keeps its padding from the item's left edge.
        QVERIFY(LeftmostWhite(shot, item) >= item.left() + menu_look::kTextLeftPad);
        wide.hide();
    }

    void everyMenuWindowIsFramedOnceAlsoASecondPopup() {
        const std::size_t before = MenuDecorationsMade();
        QMenu first;  // not owner-drawn: still framed
        first.addAction(QStringLiteral("Show"));
        first.addAction(QStringLiteral("Exit"));
        first.popup(QPoint(300, 300));
        QVERIFY(QTest::qWaitForWindowExposed(&first));
        first.update();
        QTRY_COMPARE(MenuDecorationsMade(), before + 1);
        QVERIFY(HasFrame(first));
        // The frame covers the border only: the items start inside it.
        QVERIFY(first.actionGeometry(first.actions().at(0)).left() >= 3);
        QVERIFY(first.actionGeometry(first.actions().at(0)).top() >= 3);

        CExMenu second(skin_->Path());
        second.AppendItem(7, u"Copy");
        second.FitItemWidth(60);
        second.popup(QPoint(320, 320));
        QVERIFY(QTest::qWaitForWindowExposed(&second));
        QVERIFY(first.isVisible());
        QCOMPARE(DecoratedMenuCount(), std::size_t{2});
        QCOMPARE(MenuDecorationsMade(), before + 2);
        QVERIFY(HasFrame(second));
        QVERIFY(HasFrame(first));
        const CMenuWndHook* record = FindMenuWndHook(&second);
        second.repaint();
        QCOMPARE(FindMenuWndHook(&second), record);
        QCOMPARE(MenuDecorationsMade(), before + 2);

        // Hiding releases the window; showing it again catches it again, once.
        second.hide();
        QCOMPARE(FindMenuWndHook(&second), nullptr);
        QCOMPARE(DecoratedMenuCount(), std::size_t{1});
        second.popup(QPoint(320, 320));
        QVERIFY(QTest::qWaitForWindowExposed(&second));
        QCOMPARE(MenuDecorationsMade(), before + 3);
        QVERIFY(HasFrame(second));
        second.hide();
        first.hide();
        QCOMPARE(DecoratedMenuCount(), std::size_t{0});

        // A menu destroyed while shown leaves no record behind.
        auto* gone = new QMenu;
        gone->addAction(QStringLiteral("x"));
        gone->popup(QPoint(10, 10));
        QVERIFY(QTest::qWaitForWindowExposed(gone));
        QCOMPARE(DecoratedMenuCount(), std::size_t{1});
        delete gone;
        QCOMPARE(DecoratedMenuCount(), std::size_t{0});
    }

    void trackedChoiceArrivesLaterAtTheOwner_data() {
        QTest::addColumn<int>("key");
        QTest::addColumn<int>("command");  // 0: nothing arrives
        QTest::newRow("chosen") << int(Qt::Key_Return) << 102;
        QTest::newRow("closed") << int(Qt::Key_Escape) << 0;
    }
    void trackedChoiceArrivesLaterAtTheOwner() {
        QFETCH(int, key);
        QFETCH(int, command);
        QWidget owner;
        CExMenu menu(skin_->Path());
        menu.AppendItem(101, u"Import");
        menu.AppendItem(102, u"Export");
        menu.FitItemWidth(30);
        std::vector<int> received;
        QTimer::singleShot(0, &menu, [&] {
            QTRY_VERIFY(menu.isVisible());
            menu.setActiveAction(menu.actions().at(1));
            QTest::keyClick(&menu, Qt::Key(key));
        });
        QVERIFY(menu.Track(QPoint(40, 40), &owner, [&](int id) { received.push_back(id); }));
        QVERIFY(received.empty());  // posted, not called inside the tracking
        QCoreApplication::processEvents();
        QCOMPARE(received, command ? std::vector<int>{command} : std::vector<int>{});
    }

    void trackingNothingOrForAGoneOwnerDeliversNothing() {
        CExMenu empty(skin_->Path());
        int calls = 0;
        QVERIFY(!empty.Track(QPoint(10, 10), nullptr, [&](int) { ++calls; }));

        auto* owner = new QWidget;
        CExMenu menu(skin_->Path());
        menu.AppendItem(5, u"Only");
        QTimer::singleShot(0, &menu, [&] {
            QTRY_VERIFY(menu.isVisible());
            menu.setActiveAction(menu.actions().at(0));
            QTest::keyClick(&menu, Qt::Key_Return);
        });
        QVERIFY(menu.Track(QPoint(10, 10), owner, [&](int) { ++calls; }));
        delete owner;
        QCoreApplication::processEvents();
        QCOMPARE(calls, 0);
    }

    // A picture for people: the real skin's arrow when it is built, the menu open on its
    // submenu with an item hovered in each.
    void renderReview() {
        const std::filesystem::path realSkin = CORVANE_SKIN_DIR;
        const bool haveArt = std::filesystem::exists(realSkin / "res" / "res_129.png");
        const std::filesystem::path art = haveArt ? realSkin : skin_->Path();
        CExMenu sub(art);
        sub.AppendItem(201, u"Left button");
        sub.AppendItem(202, u"Right button");
        sub.AppendItem(203, u"Middle button");
        sub.FitItemWidth(30);
        CExMenu menu(art);
        menu.AppendItem(101, u"Insert key event");
        menu.AppendItem(102, u"Insert mouse event", &sub);
        menu.AppendItem(103, u"Insert delay");
        menu.FitItemWidth(170);
        menu.popup(QPoint(20, 20));
        QVERIFY(QTest::qWaitForWindowExposed(&menu));
        menu.setActiveAction(menu.actions().at(1));
        QTest::keyClick(&menu, Qt::Key_Right);
        QTRY_VERIFY(sub.isVisible());
        QVERIFY(QTest::qWaitForWindowExposed(&sub));
        sub.setActiveAction(sub.actions().at(1));

        const QPoint subAt = sub.pos() - menu.pos();
        QImage review(subAt.x() + sub.width() + 20, subAt.y() + sub.height() + 20,
                      QImage::Format_RGB32);
        review.fill(QColor(60, 60, 60));
        QPainter p(&review);
        p.drawPixmap(10, 10, menu.grab());
        p.drawPixmap(10 + subAt.x(), 10 + subAt.y(), sub.grab());
        p.end();
        std::filesystem::create_directories(
            std::filesystem::path(CORVANE_MENU_REVIEW).parent_path());
        QVERIFY(review.save(QString::fromUtf8(CORVANE_MENU_REVIEW)));
        const QImage large =
            review.scaled(review.size() * 3, Qt::IgnoreAspectRatio, Qt::FastTransformation);
        QVERIFY(large.save(QString::fromUtf8(CORVANE_MENU_REVIEW).replace(".png", "_x3.png")));
        menu.hide();
    }
};

QTEST_MAIN(ExMenuTest)
#include "ExMenuTest.moc"
