// The macro page's window with the built skin: what the controls accept, their names, and
// that a hidden page never keeps the keyboard.
#include <QApplication>
#include <QtTest>
#include <memory>

#include "common/Messages.h"
#include "common/StringTable.h"
#include "data/FixedText.h"
#include "data/MacroLibrary.h"
#include "data/ProfileDefaults.h"
#include "pages/macro/CInsertMac1Dlg.h"
#include "pages/macro/CInsertMac2Dlg.h"
#include "pages/macro/CInsertMacDlg.h"
#include "pages/macro/CMacroManagerDlg.h"
#include "pages/macro/MacroPageCore.h"
#include "platform/MessageEvent.h"
#include "skin/CBitmapBtn.h"
#include "skin/CBmpEdit.h"
#include "skin/CListBoxEx.h"

class MacroPageWidgetTest : public QObject {
    Q_OBJECT
private slots:
    void init();
    void cleanup();
    void boxesTakeNoMoreThanTheirLimit();
    void everyControlHasAName();
    void enterInTheInsertDelayBoxClosesNothing();
    void hidingThePageEndsTheRecording();
    void keysTypedBeforeTheStopClickAreRecorded();
    void chosenDelayModeReadsAlikeOnPageAndInsertDialog();

private:
    QTemporaryDir dir_;
    StringTable strings_;
    std::unique_ptr<tagSTATEBLOCK> working_;
    std::unique_ptr<MacroLibrary> library_;
    std::unique_ptr<QWidget> host_;
    CMacroManagerDlg* page_ = nullptr;
};

void MacroPageWidgetTest::init() {
    const std::filesystem::path program = CORVANE_TEST_PROGRAM_DIR;
    QVERIFY(strings_.Load(program / "lan" / "strings.txt"));
    working_ = std::make_unique<tagSTATEBLOCK>();
    ResetStateDefaults(*working_, u"Profile ");
    const std::filesystem::path folder = dir_.path().toStdString() + "/";
    library_ = std::make_unique<MacroLibrary>([folder] { return folder; }, u"Macro ");
    tagElement m{};
    WriteFixedText(m.name, u"Combo");
    m.events[0] = {0x04, 1, 0};
    m.events[1] = {0x04, 2, 0};
    m.eventCount = 2;
    library_->AppendMacro(m);

    PageContext context;
    context.skinFolder = program / "skins" / "";
    context.strings = &strings_;
    context.working = working_.get();
    context.macros = [this] { return library_.get(); };
    host_ = std::make_unique<QWidget>();
    host_->resize(900, 520);
    page_ = new CMacroManagerDlg(host_.get(), context);
    host_->show();
    QVERIFY(QTest::qWaitForWindowExposed(host_.get()));
}

void MacroPageWidgetTest::cleanup() {
    host_.reset();
}

void MacroPageWidgetTest::boxesTakeNoMoreThanTheirLimit() {
    CBmpEdit* delay = page_->DelayBox();
    delay->clear();
    QTest::keyClicks(delay, QStringLiteral("1234567"));
    QCOMPARE(delay->text(), QStringLiteral("12345"));
    delay->clear();
    QTest::keyClicks(delay, QStringLiteral("4x2"));  // digits only
    QCOMPARE(delay->text(), QStringLiteral("42"));

    page_->Core().SelectMacro(0);
    QTest::mouseClick(page_->Button(5), Qt::LeftButton);
    CBmpEdit* name = page_->NameEditor();
    QVERIFY(name->isVisible());
    name->clear();
    QTest::keyClicks(name, QStringLiteral("abcdefghijklmnopqrstuvwxyz"));
    QCOMPARE(name->text().size(), 20);
}

void MacroPageWidgetTest::everyControlHasAName() {
    QList<QWidget*> unnamed;
    for (QWidget* w : page_->findChildren<QWidget*>()) {
        const bool control = qobject_cast<CBitmapBtn*>(w) || qobject_cast<CBmpEdit*>(w) ||
                             qobject_cast<CListBoxEx*>(w);
        if (control && w->accessibleName().isEmpty()) {
            unnamed << w;
        }
    }
    QVERIFY2(unnamed.isEmpty(), qPrintable(QString::number(unnamed.size()) +
                                           QStringLiteral(" controls without a name")));
}

void MacroPageWidgetTest::enterInTheInsertDelayBoxClosesNothing() {
    page_->Core().SelectMacro(0);
    page_->EventList()->setCurrentRow(1);
    QTest::mouseClick(page_->Button(17), Qt::LeftButton);
    QVERIFY(page_->InsertDialog()->isVisible());
    QVERIFY(!page_->Button(13)->isEnabled());  // the page's edits wait for the dialog
    CBmpEdit* box = page_->InsertDialog()->DelayPage()->DelayBox();
    box->setFocus();
    QTest::keyClick(box, Qt::Key_Return);
    QTest::keyClick(box, Qt::Key_Escape);
    QCoreApplication::processEvents();
    QVERIFY(page_->InsertDialog()->isVisible());
    QTest::mouseClick(page_->InsertDialog()->CancelButton(), Qt::LeftButton);
    QTRY_VERIFY(!page_->InsertDialog()->isVisible());
    QVERIFY(page_->Button(13)->isEnabled());
}

void MacroPageWidgetTest::hidingThePageEndsTheRecording() {
    page_->Core().SelectMacro(0);
    QTest::mouseClick(page_->Button(11), Qt::LeftButton);
    QVERIFY(page_->Core().Recorder().Recording());
    QVERIFY(page_->Button(11)->isChecked());
    page_->hide();
    QVERIFY(!page_->Core().Recorder().Recording());
    QVERIFY(!page_->Button(11)->isChecked());
    QCOMPARE(page_->Button(11)->accessibleName(), QString::fromStdU16String(strings_.Get(16)));
}

void MacroPageWidgetTest::keysTypedBeforeTheStopClickAreRecorded() {
    page_->Core().SelectMacro(0);
    QTest::mouseClick(page_->Button(11), Qt::LeftButton);
    QVERIFY(page_->Core().Recorder().Recording());
    // The capture posts each key; when the keys and the click come in one read from the
    // display, the click is handled before the posted keys.
    constexpr std::uintptr_t kVkB = 0x42;
    PostMessageTo(page_, msg::kKeyEvent, kVkB, 0);
    PostMessageTo(page_, msg::kKeyEvent, kVkB, 0x80);
    QTest::mouseClick(page_->Button(11), Qt::LeftButton);
    QVERIFY(!page_->Core().Recorder().Recording());
    QVERIFY(!page_->Button(11)->isChecked());
    const tagElement* stored = library_->RecordAt(0);
    QCOMPARE(stored->eventCount, 3);
    QCOMPARE(int(stored->events[0].code), 0x05);
    QCOMPARE(int(stored->events[1].delay), 50);
    QCOMPARE(int(stored->events[2].action), 2);
    // Nothing is left to arrive after the stop, and nothing starts again.
    QCoreApplication::processEvents();
    QVERIFY(!page_->Core().Recorder().Recording());
    QCOMPARE(library_->RecordAt(0)->eventCount, 3);
}

void MacroPageWidgetTest::chosenDelayModeReadsAlikeOnPageAndInsertDialog() {
    // Fixed delay is the first choice of both; the patch under a chosen mode is the accent,
    // so its caption is white there, as on every toggle of the program.
    CBitmapBtn* onPage = page_->Button(8);
    CBitmapBtn* inDialog = page_->InsertDialog()->RecordPage()->ModeButton(1);
    QVERIFY(onPage->isChecked());
    QVERIFY(inDialog->isChecked());
    QCOMPARE(onPage->CurrentTextColour(), 0xFFFFFFu);
    QCOMPARE(inDialog->CurrentTextColour(), 0xFFFFFFu);
}

QTEST_MAIN(MacroPageWidgetTest)
#include "MacroPageWidgetTest.moc"
