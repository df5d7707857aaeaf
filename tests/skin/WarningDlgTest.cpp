#include <QTest>
#include <QTimer>

#include "SkinTestSupport.h"
#include "skin/CBitmapBtn.h"
#include "skin/CWarningDlg.h"
#include "support/TempDir.h"

namespace {
constexpr const char* kLayout =
    "1=ok,130,300,100,30,Confirm\r\n2=cancel,270,300,100,30,Keep it\r\n3=close,460,10,30,30,"
    "Close\r\n";
}

class WarningDlgTest : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { UseTestFont(); }

    void answers_data() {
        QTest::addColumn<int>("which");  // 1 OK, 2 Cancel, 3 close button, 4 window closed
        QTest::addColumn<int>("result");
        QTest::newRow("ok") << 1 << 1;
        QTest::newRow("cancel") << 2 << 2;
        QTest::newRow("close button") << 3 << 2;
        QTest::newRow("window closed") << 4 << 2;
    }
    void answers() {
        QFETCH(int, which);
        QFETCH(int, result);
        TempDir dir;
        WriteSkin(dir.Path(), "skin_warning.ini", 500, 380, kLayout);
        QWidget owner;
        owner.setGeometry(100, 100, 900, 700);
        owner.show();
        CWarningDlg dialog(&owner, dir.Path(), u"OK", u"Cancel");
        dialog.SetTitle(u"Warning");
        dialog.SetMessage(u"Delete this profile?");
        QTimer::singleShot(0, &dialog, [&] {
            switch (which) {
                case 1:
                    QTest::mouseClick(dialog.OkButton(), Qt::LeftButton);
                    break;
                case 2:
                    QTest::mouseClick(dialog.CancelButton(), Qt::LeftButton);
                    break;
                case 3:
                    QTest::mouseClick(dialog.CloseButton(), Qt::LeftButton);
                    break;
                default:
                    dialog.close();
            }
        });
        QCOMPARE(dialog.exec(), result);
    }

    void keysDoNotAnswerAndLayoutComesFromTheSkin() {
        TempDir dir;
        WriteSkin(dir.Path(), "skin_warning.ini", 500, 380, kLayout);
        QWidget owner;
        owner.setGeometry(100, 100, 900, 700);
        owner.show();
        CWarningDlg dialog(&owner, dir.Path(), u"OK", u"Cancel");
        QCOMPARE(dialog.size(), QSize(500, 380));
        QCOMPARE(dialog.OkButton()->geometry(), QRect(130, 300, 100, 30));
        QCOMPARE(dialog.CancelButton()->toolTip(), QStringLiteral("Keep it"));
        const QString okCaption = dialog.OkButton()->PreparedTexts().at(0).shown;
        QCOMPARE(okCaption, QStringLiteral("OK"));
        bool stillOpen = false;
        QPoint offCentre;
        QTimer::singleShot(0, &dialog, [&] {
            QTest::keyClick(&dialog, Qt::Key_Escape);
            QTest::keyClick(&dialog, Qt::Key_Return);
            stillOpen = dialog.isVisible();
            offCentre = dialog.geometry().center() - owner.geometry().center();
            QTest::mouseClick(dialog.OkButton(), Qt::LeftButton);
        });
        QCOMPARE(dialog.exec(), 1);
        QVERIFY(stillOpen);
        // Centred over its owner (QRect::center rounds down on each side).
        QVERIFY(offCentre.manhattanLength() <= 4);
    }

    void paintsTitleAndMessageInTheLightAccent() {
        TempDir dir;
        WriteSkin(dir.Path(), "skin_warning.ini", 500, 380, kLayout);
        CWarningDlg dialog(nullptr, dir.Path(), u"OK", u"Cancel");
        dialog.SetTitle(u"WWWW");
        dialog.SetMessage(u"WWWWWWWW");
        const QImage shot = dialog.grab().toImage();
        auto themed = [&](QRect area) {
            for (int y = area.top(); y <= area.bottom(); ++y) {
                for (int x = area.left(); x <= area.right(); ++x) {
                    const QColor c = shot.pixelColor(x, y);
                    if (qAbs(c.red() - 104) < 10 && qAbs(c.green() - 176) < 10 &&
                        qAbs(c.blue() - 232) < 10) {
                        return true;
                    }
                }
            }
            return false;
        };
        QVERIFY(themed(QRect(34, 20, 200, 20)));   // title, vertically centred in 0-58
        QVERIFY(themed(QRect(20, 185, 460, 20)));  // short message centred in 60-330
        QVERIFY(!themed(QRect(20, 62, 460, 40)));
    }

    void withoutASkinTheButtonsStillAnswer() {
        TempDir dir;  // no layout file, no pictures
        CWarningDlg dialog(nullptr, dir.Path(), u"OK", u"Cancel");
        QVERIFY(!dialog.OkButton()->geometry().isEmpty());
        QVERIFY(!dialog.CancelButton()->geometry().isEmpty());
        QVERIFY(dialog.rect().contains(dialog.CancelButton()->geometry()));
        QTimer::singleShot(0, &dialog,
                           [&] { QTest::mouseClick(dialog.CancelButton(), Qt::LeftButton); });
        QCOMPARE(dialog.exec(), 2);
    }
};

QTEST_MAIN(WarningDlgTest)
#include "WarningDlgTest.moc"
