#include <QSignalSpy>
#include <QTest>

#include "SkinTestSupport.h"
#include "common/Messages.h"
#include "skin/CBitmapBtn.h"

namespace {
const QColor kNormal(10, 10, 10), kOver(20, 120, 20), kDown(200, 30, 30), kDisable(90, 90, 90);

void GivePictures(CBitmapBtn& b, QRect rect) {
    b.setGeometry(rect);
    b.SetSkinPictures(SolidImage(300, 100, kNormal), SolidImage(300, 100, kOver),
                      SolidImage(300, 100, kDown), SolidImage(300, 100, kDisable), rect);
}

QColor Corner(CBitmapBtn& b) {
    return b.grab().toImage().pixelColor(1, 1);
}

// Whether any pixel of the button has (nearly) the COLORREF colour.
bool Shows(CBitmapBtn& b, std::uint32_t colour) {
    const QImage shot = b.grab().toImage();
    const QColor want(colour & 0xFF, (colour >> 8) & 0xFF, (colour >> 16) & 0xFF);
    for (int y = 0; y < shot.height(); ++y) {
        for (int x = 0; x < shot.width(); ++x) {
            const QColor c = shot.pixelColor(x, y);
            if (qAbs(c.red() - want.red()) < 8 && qAbs(c.green() - want.green()) < 8 &&
                qAbs(c.blue() - want.blue()) < 8) {
                return true;
            }
        }
    }
    return false;
}
}  // namespace

class BitmapBtnTest : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { UseTestFont(); }

    void pictureAndTextColourFollowTheState() {
        MessageLog parent;
        parent.resize(300, 100);
        CBitmapBtn b(&parent);
        GivePictures(b, QRect(0, 0, 120, 40));
        b.SetFontHeight(30);
        b.SetCaption(u"WWW");
        QCOMPARE(Corner(b), kNormal);
        QVERIFY(Shows(b, 0xFFFFFF));

        b.setCheckable(true);
        b.setChecked(true);
        QCOMPARE(Corner(b), kDown);
        QVERIFY(Shows(b, 0x8E5101));
        QVERIFY(!Shows(b, 0xFFFFFF));

        b.setEnabled(false);
        QCOMPARE(Corner(b), kDisable);
        b.setChecked(false);
        QCOMPARE(Corner(b), kDisable);
        QVERIFY(Shows(b, 0x6E6E6E));

        b.setEnabled(true);
        b.SetHover(true);
        QCOMPARE(Corner(b), kOver);
        QVERIFY(Shows(b, 0x8E5101));
    }

    void checkBoxClicksToggleAndEachReportsOnce() {
        QWidget parent;
        parent.resize(300, 100);
        CBitmapBtn b(&parent);
        GivePictures(b, QRect(10, 10, 80, 30));
        b.SetCheckBoxMode(true);
        parent.show();
        QVERIFY(QTest::qWaitForWindowExposed(&parent));
        QVERIFY(b.isCheckable());
        QSignalSpy clicks(&b, &QAbstractButton::clicked);
        QSignalSpy toggles(&b, &QAbstractButton::toggled);

        // Each click switches once and reports the new state, in the toggle and the click.
        QTest::mouseClick(&b, Qt::LeftButton);
        QVERIFY(b.isChecked());
        QCOMPARE(clicks.count(), 1);
        QCOMPARE(clicks.last().at(0).toBool(), true);
        QCOMPARE(toggles.count(), 1);
        QCOMPARE(toggles.last().at(0).toBool(), true);
        QCOMPARE(Corner(b), kDown);
        QTest::mouseClick(&b, Qt::LeftButton);
        QVERIFY(!b.isChecked());
        QCOMPARE(clicks.count(), 2);
        QCOMPARE(clicks.last().at(0).toBool(), false);
        QCOMPARE(toggles.count(), 2);

        // Released away from the button: no click, no toggle.
        QTest::mousePress(&b, Qt::LeftButton);
        QTest::mouseRelease(&b, Qt::LeftButton, {}, QPoint(200, 200));
        QVERIFY(!b.isChecked());
        QCOMPARE(clicks.count(), 2);
        QCOMPARE(toggles.count(), 2);

        // A click that is not the mouse's reports without switching.
        b.click();
        QCOMPARE(clicks.count(), 3);
        QVERIFY(!b.isChecked());
    }

    void pushButtonReportsOneClick() {
        QWidget parent;
        CBitmapBtn b(&parent);
        GivePictures(b, QRect(0, 0, 50, 20));
        parent.show();
        QVERIFY(QTest::qWaitForWindowExposed(&parent));
        QSignalSpy clicks(&b, &QAbstractButton::clicked);
        QTest::mouseClick(&b, Qt::LeftButton);
        QCOMPARE(clicks.count(), 1);
        QVERIFY(!b.isChecked());
    }

    // A checkable push button (a tab, a level) shows what its owner sets; a click only reports.
    void checkablePushButtonKeepsItsOwnersState() {
        QWidget parent;
        CBitmapBtn b(&parent);
        GivePictures(b, QRect(0, 0, 50, 20));
        b.setCheckable(true);
        parent.show();
        QVERIFY(QTest::qWaitForWindowExposed(&parent));
        QSignalSpy clicks(&b, &QAbstractButton::clicked);
        QSignalSpy toggles(&b, &QAbstractButton::toggled);
        QTest::mouseClick(&b, Qt::LeftButton);
        QCOMPARE(clicks.count(), 1);
        QVERIFY(!b.isChecked());
        QCOMPARE(toggles.count(), 0);

        b.setChecked(true);
        b.setChecked(true);
        QCOMPARE(toggles.count(), 1);
        QTest::mouseClick(&b, Qt::LeftButton);
        QCOMPARE(clicks.count(), 2);
        QVERIFY(b.isChecked());
        QCOMPARE(Corner(b), kDown);
    }

    void movingOntoTheNextButtonPostsLeaveThenEnter() {
        MessageLog parent;
        parent.resize(300, 100);
        CBitmapBtn first(&parent), second(&parent);
        GivePictures(first, QRect(0, 0, 100, 40));
        GivePictures(second, QRect(100, 0, 100, 40));
        first.SetTag(7);
        second.SetTag(8);
        parent.show();
        QApplication::setActiveWindow(&parent);
        QVERIFY(QTest::qWaitForWindowActive(&parent));

        QTest::mouseMove(&parent, QPoint(50, 20));
        QTRY_VERIFY(first.Hover());
        QTest::mouseMove(&parent, QPoint(150, 20));
        QTRY_VERIFY(second.Hover());
        QVERIFY(!first.Hover());
        QCoreApplication::processEvents();
        using E = MessageLog::Entry;
        const std::vector<E> want = {E{msg::kButtonHover, 1, 7}, E{msg::kButtonHover, 0, 7},
                                     E{msg::kButtonHover, 1, 8}};
        QCOMPARE(parent.Only(msg::kButtonHover), want);
    }

    void captionEllipsisOrShrinkByTheFlag() {
        QWidget parent;
        CBitmapBtn b(&parent);
        GivePictures(b, QRect(0, 0, 60, 24));
        b.SetCaption(u"A caption far wider than the button");
        b.SetFontHeight(20);
        std::vector<PreparedText> t = b.PreparedTexts();
        QCOMPARE(t.size(), std::size_t(1));
        QVERIFY(t[0].shown.endsWith(QChar(0x2026)));
        QCOMPARE(t[0].height, 20);

        b.SetShrinkToFit(true);
        t = b.PreparedTexts();
        QCOMPARE(t[0].shown, QStringLiteral("A caption far wider than the button"));
        QCOMPARE(t[0].height, 17);
    }

    void layoutsAndTwoTextsPlaceTheTexts() {
        QWidget parent;
        CBitmapBtn b(&parent);
        GivePictures(b, QRect(0, 0, 100, 30));
        b.SetCaption(u"x");
        b.SetCaptionLayout(8);
        QCOMPARE(b.PreparedTexts()[0].rect.left(), 20);
        QVERIFY(b.PreparedTexts()[0].flags & Qt::AlignLeft);
        b.SetCaptionLayout(13);
        QCOMPARE(b.PreparedTexts()[0].rect, QRect(8, 6, 84, 16));

        b.SetTwoTexts(u"A", QRect(0, 0, 50, 30), u"B", QRect(50, 0, 50, 30));
        const std::vector<PreparedText> t = b.PreparedTexts();
        QCOMPARE(t.size(), std::size_t(2));
        QCOMPARE(t[0].shown, QStringLiteral("A"));
        QCOMPARE(t[1].rect.left(), 50);
        QVERIFY(t[1].flags & Qt::AlignHCenter);
    }

    void tooltipCanBeSwitchedOff() {
        QWidget parent;
        CBitmapBtn b(&parent);
        b.SetTooltip(u"Apply the settings", true);
        QCOMPARE(b.toolTip(), QStringLiteral("Apply the settings"));
        b.SetTooltip(u"Apply the settings", false);
        QVERIFY(b.toolTip().isEmpty());
    }

    void missingPicturesStillShowAButton() {
        QWidget parent;
        CBitmapBtn b(&parent);
        b.setGeometry(0, 0, 40, 20);
        const QImage shot = b.grab().toImage();
        QCOMPARE(shot.pixelColor(0, 0), QColor(1, 81, 142));
        QCOMPARE(shot.pixelColor(20, 10), QColor(0x30, 0x33, 0x38));
    }
};

QTEST_MAIN(BitmapBtnTest)
#include "BitmapBtnTest.moc"
