// The page widget on the built skin: what its controls show after a refresh, an edit or a
// device change, and the keys and clicks it keeps to itself.
#include <QApplication>
#include <QtTest>
#include <memory>
#include <vector>

#include "common/StringTable.h"
#include "data/ProfileDefaults.h"
#include "pages/sensitivity/CSensitivityDlg.h"
#include "pages/sensitivity/SensitivityTables.h"
#include "platform/QtText.h"
#include "skin/CBitmapBtn.h"
#include "skin/CClickHSlider.h"
#include "skin/CExMenu.h"
#include "skin/SkinText.h"
#include "skin/SliderScale.h"

class SensitivityPageTest : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void init();
    void cleanup();
    void refreshShowsTheProfile();
    void levelClickMovesOnlyTheLevelSliders();
    void thirdMenuEntryStoresTwo();
    void deviceChangesShow();
    void keysAndBackgroundClicks();
    void everyControlHasAName();

private:
    tagPROFILE& P() { return working_->Current(); }
    QString Caption(const CBitmapBtn* b) const { return b->accessibleName(); }
    QString LineA(const CBitmapBtn* b) const { return b->PreparedTexts().at(0).shown; }
    QString LineB(const CBitmapBtn* b) const { return b->PreparedTexts().at(1).shown; }

    StringTable strings_;
    std::unique_ptr<tagSTATEBLOCK> working_;
    std::vector<int> notices_;
    int backgroundClicks_ = 0;
    std::unique_ptr<QWidget> host_;
    CSensitivityDlg* page_ = nullptr;
};

void SensitivityPageTest::initTestCase() {
    QVERIFY(LoadPrivateFont(CORVANE_PROGRAM_DIR).has_value());
    QVERIFY(strings_.Load(CORVANE_PROGRAM_DIR "/lan/strings.txt"));
}

void SensitivityPageTest::init() {
    working_ = std::make_unique<tagSTATEBLOCK>();
    ResetStateDefaults(*working_, u"Profile ");
    notices_.clear();
    backgroundClicks_ = 0;
    PageContext c;
    c.skinFolder = std::filesystem::path(CORVANE_PROGRAM_DIR "/skins/");
    c.strings = &strings_;
    c.working = working_.get();
    c.editNotice = [this](int kind) { notices_.push_back(kind); };
    c.backgroundClicked = [this] { ++backgroundClicks_; };
    host_ = std::make_unique<QWidget>();
    page_ = new CSensitivityDlg(host_.get(), c);
    host_->resize(page_->size());
    host_->show();
    QVERIFY(QTest::qWaitForWindowExposed(host_.get()));
    page_->RefreshFromProfile();
}

void SensitivityPageTest::cleanup() {
    host_.reset();
}

void SensitivityPageTest::refreshShowsTheProfile() {
    P().levelX[0] = 400;  // beyond the slider: shown at its end, text and value kept
    P().levelY[0] = 7;
    P().currentLevel = 9;  // damaged: shown as the last level
    P().pointerSpeed = 7;
    P().pointerAccel = 4;
    P().reportRate = 5;
    P().xySeparate = 1;
    page_->RefreshFromProfile();
    QCOMPARE(LineA(page_->LevelButton(0)), QStringLiteral("40000"));
    QCOMPARE(LineB(page_->LevelButton(0)), QStringLiteral("700"));
    for (int i = 0; i < 5; ++i) {
        QCOMPARE(page_->LevelButton(i)->isChecked(), i == 4);
    }
    QCOMPARE(page_->Slider(sens::kSliderX)->Value(), P().levelX[4]);
    QCOMPARE(page_->Slider(sens::kSliderSpeed)->Value(), 3);
    QCOMPARE(page_->Slider(sens::kSliderAccel)->Value(), 4);
    QCOMPARE(Caption(page_->RateButton()), ToQString(strings_.Get(40)));
    QVERIFY(page_->LinkButton()->isChecked());
    QCOMPARE(P().pointerSpeed, 7);
    QCOMPARE(P().currentLevel, 9);
    QVERIFY(notices_.empty());

    P().currentLevel = 0;
    page_->RefreshFromProfile();
    QCOMPARE(page_->Slider(sens::kSliderX)->Value(), 400);
    QCOMPARE(P().levelX[0], 400);
}

void SensitivityPageTest::levelClickMovesOnlyTheLevelSliders() {
    P().levelX[3] = 111;
    P().levelY[3] = 222;
    CClickHSlider* speed = page_->Slider(sens::kSliderSpeed);
    CClickHSlider* accel = page_->Slider(sens::kSliderAccel);
    const int speedBefore = speed->Value(), accelBefore = accel->Value();
    QTest::mouseClick(page_->LevelButton(3), Qt::LeftButton);
    QCOMPARE(P().currentLevel, 3);
    for (int i = 0; i < 5; ++i) {
        QCOMPARE(page_->LevelButton(i)->isChecked(), i == 3);
    }
    QCOMPARE(page_->Slider(sens::kSliderX)->Value(), 111);
    QCOMPARE(page_->Slider(sens::kSliderY)->Value(), 222);
    QCOMPARE(speed->Value(), speedBefore);
    QCOMPARE(accel->Value(), accelBefore);
    QCOMPARE(notices_, std::vector<int>{1});

    // Linked: a click on the X track moves Y with it, and the button shows both.
    CClickHSlider* x = page_->Slider(sens::kSliderX);
    const int px = x->width() * 3 / 4;
    const std::int32_t v = ClickOnTrack(px, x->width(), 1, 320, true, 1).position;
    QTest::mouseClick(x, Qt::LeftButton, {}, QPoint(px, x->height() / 2));
    QCOMPARE(P().levelX[3], v);
    QCOMPARE(P().levelY[3], v);
    QCOMPARE(page_->Slider(sens::kSliderY)->Value(), v);
    const QString text = QString::number(v * 100);
    QCOMPARE(LineA(page_->LevelButton(3)), text);
    QCOMPARE(LineB(page_->LevelButton(3)), text);
    QCOMPARE(notices_, (std::vector<int>{1, 1}));
}

void SensitivityPageTest::thirdMenuEntryStoresTwo() {
    P().reportRate = 0;
    page_->RefreshFromProfile();
    int items = 0, width = 0;
    QTimer::singleShot(0, this, [&] {
        auto* menu = qobject_cast<CExMenu*>(QApplication::activePopupWidget());
        if (menu == nullptr) {
            return;
        }
        items = menu->ItemCount();
        width = menu->ItemWidth();
        for (int i = 0; i < 3; ++i) {
            QTest::keyClick(menu, Qt::Key_Down);
        }
        QTest::keyClick(menu, Qt::Key_Return);
    });
    QTest::mouseClick(page_->RateButton(), Qt::LeftButton);
    QCOMPARE(items, 4);
    QVERIFY(width >= sens::kRateMenuItemWidth);
    QTRY_COMPARE(P().reportRate, 2);
    QCOMPARE(Caption(page_->RateButton()), ToQString(strings_.Get(42)));
    QCOMPARE(notices_, std::vector<int>{3});
    QVERIFY(!page_->RateButton()->Hover());
}

void SensitivityPageTest::deviceChangesShow() {
    // The link stores the values, then calls the hooks; no edit notice follows.
    P().currentLevel = 4;
    page_->SelectLevel();
    QVERIFY(page_->LevelButton(4)->isChecked());
    QVERIFY(!page_->LevelButton(1)->isChecked());
    QCOMPARE(page_->Slider(sens::kSliderX)->Value(), P().levelX[4]);
    P().reportRate = 3;
    page_->ShowReportRate();
    QCOMPARE(Caption(page_->RateButton()), ToQString(strings_.Get(43)));

    // While the page is hidden the controls follow too, so its next show is current.
    page_->hide();
    P().currentLevel = 0;
    page_->SelectLevel();
    page_->show();
    QVERIFY(page_->LevelButton(0)->isChecked());
    QVERIFY(notices_.empty());
}

void SensitivityPageTest::keysAndBackgroundClicks() {
    CBitmapBtn* level = page_->LevelButton(0);
    level->setFocus();
    QTest::keyClick(level, Qt::Key_Space);
    QTest::keyClick(level, Qt::Key_Return);
    QTest::keyClick(page_->LinkButton(), Qt::Key_Space);
    QCOMPARE(P().currentLevel, 1);
    QVERIFY(!page_->LinkButton()->isChecked());
    QVERIFY(notices_.empty());

    // A click on the background tells the main window, which closes its popups.
    QTest::mouseClick(page_, Qt::LeftButton, {}, QPoint(5, page_->height() - 5));
    QCOMPARE(backgroundClicks_, 1);
    QVERIFY(notices_.empty());
}

void SensitivityPageTest::everyControlHasAName() {
    const auto controls = page_->findChildren<QWidget*>(QString(), Qt::FindDirectChildrenOnly);
    QCOMPARE(controls.size(), 13);
    for (const QWidget* w : controls) {
        QVERIFY2(!w->accessibleName().isEmpty(), w->metaObject()->className());
    }
}

QTEST_MAIN(SensitivityPageTest)
#include "SensitivityPageTest.moc"
