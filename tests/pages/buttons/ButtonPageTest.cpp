// The button page and its dialogs as a user meets them, without a display: the built skin,
// the program's string table and a US layout.
#include <QTimer>
#include <QtTest>
#include <functional>
#include <memory>

#include "common/Messages.h"
#include "common/StringTable.h"
#include "data/FixedText.h"
#include "data/MacroLibrary.h"
#include "data/ProfileDefaults.h"
#include "keys/BuiltInUsLayout.h"
#include "keys/VirtualKeys.h"
#include "pages/buttons/CButtonDlg.h"
#include "pages/buttons/CSelectMacroDlg.h"
#include "pages/buttons/CShortCutDlg.h"
#include "pages/buttons/FunctionCatalogue.h"
#include "pages/common/CDlgMenuFunc.h"
#include "platform/KeyboardCapture.h"
#include "platform/MessageEvent.h"
#include "platform/QtText.h"
#include "skin/CBitmapBtn.h"
#include "skin/CBmpEdit.h"
#include "skin/CListBoxEx.h"
#include "skin/CWarningDlg.h"
#include "skin/WarningDialog.h"

namespace {

const std::filesystem::path kSkin = CORVANE_SKIN_DIR "/";

void Key(QWidget* to, std::uint32_t vk, bool released) {
    MessageEvent e(msg::kKeyEvent, vk, released ? 0x80 : 0);
    QCoreApplication::sendEvent(to, &e);
}

// Runs `step` on the modal window once it is open.
void WhenModalOpens(std::function<void(QWidget*)> step) {
    QTimer::singleShot(0, [step = std::move(step)] {
        QTRY_VERIFY(QApplication::activeModalWidget() != nullptr);
        step(QApplication::activeModalWidget());
    });
}

// The caption a button shows: its accessible name, unless that fell back to the tooltip.
QString Caption(const CBitmapBtn* b) {
    return b->accessibleName() == b->toolTip() ? QString() : b->accessibleName();
}

tagElement Macro(const char16_t* name, int events) {
    tagElement e{};
    WriteFixedText(e.name, name);
    e.repeatCount = 7;
    e.eventCount = events;
    for (int i = 0; i < kMacroEventCapacity; ++i) {
        e.events[i] = {std::uint8_t(4 + i % 30), std::uint8_t(1 + i % 2), std::uint16_t(3 * i)};
    }
    return e;
}

}  // namespace

class ButtonPageTest : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void init();
    void cleanup();

    void shortcutKeys_data();
    void shortcutKeys();
    void shortcutHoldsTheKeyboardUntilItCloses();
    void cancelledShortcutLeavesTheRecord();
    void emptyShortcutRestoresTheDefault();
    void hidingThePageEndsTheDialogs();

    void selectionShowsTheButtonsMacro();
    void okCopiesTheChosenMacro();
    void cancelAfterAPickLeavesTheRecord();
    void selectionIgnoresEscapeAndEnter();

    void lastLeftClickShowsTheWarning();
    void functionMenuHasItsSubmenus();
    void hidingThePageClosesTheMenu();
    void buttonAndMarkerHoverTogether();
    void handednessSwapsOnlyOnAChange();
    void refreshShowsEveryButton();

private:
    tagPROFILE& Profile() { return working_->Current(); }
    tagBUTTON& Button(int b) { return Profile().buttons[b]; }

    StringTable strings_;
    BuiltInUsLayout us_;
    std::unique_ptr<tagSTATEBLOCK> working_;
    std::unique_ptr<MacroLibrary> library_;
    std::unique_ptr<CButtonDlg> page_;
    int notices_ = 0;
};

void ButtonPageTest::initTestCase() {
    QVERIFY(strings_.Load(CORVANE_STRINGS));
    SetWarningDialogResources({kSkin, strings_.Get(87), strings_.Get(88)});
}

void ButtonPageTest::init() {
    working_ = std::make_unique<tagSTATEBLOCK>();
    ResetStateDefaults(*working_, u"Profile ");
    library_ = std::make_unique<MacroLibrary>([] { return std::filesystem::path(); }, u"Macro ");
    PageContext c;
    c.skinFolder = kSkin;
    c.strings = &strings_;
    c.working = working_.get();
    c.macros = [this] { return library_.get(); };
    c.keyboardLayout = &us_;
    c.editNotice = [this](int) { ++notices_; };
    notices_ = 0;
    page_ = std::make_unique<CButtonDlg>(nullptr, c);
    page_->RefreshFromProfile();
    page_->show();
}

void ButtonPageTest::cleanup() {
    page_.reset();
}

void ButtonPageTest::shortcutKeys_data() {
    QTest::addColumn<QList<int>>("events");   // virtual key, negative when released
    QTest::addColumn<QList<int>>("toggles");  // skin keys clicked
    QTest::addColumn<int>("key");
    QTest::addColumn<QString>("shown");
    QTest::addColumn<int>("mask");
    QTest::newRow("A pressed and released")
        << QList<int>{'A', -'A'} << QList<int>{} << 0x04 << "A" << 0;
    QTest::newRow("release of Ctrl comes last")
        << QList<int>{int(vk::kLControl), 'A', -'A', -int(vk::kLControl)} << QList<int>{} << 0xE0
        << "L_Ctrl" << 0;
    QTest::newRow("Ctrl and Alt toggles with F5")
        << QList<int>{0x74, -0x74} << QList<int>{4, 6} << 0x3E << "F5" << 0x05;
    QTest::newRow("toggle switched on and off again")
        << QList<int>{0x74} << QList<int>{5, 5} << 0x3E << "F5" << 0;
}

void ButtonPageTest::shortcutKeys() {
    QFETCH(QList<int>, events);
    QFETCH(QList<int>, toggles);
    QFETCH(int, key);
    QFETCH(QString, shown);
    QFETCH(int, mask);
    CShortCutDlg dlg(page_.get(), kSkin, strings_, us_, KeyboardCapture::Instance());
    dlg.SetValues({});
    dlg.open();
    for (int e : events) {
        Key(&dlg, std::uint32_t(std::abs(e)), e < 0);
    }
    for (int t : toggles) {
        QTest::mouseClick(dlg.Button(t), Qt::LeftButton);
    }
    QCOMPARE(dlg.KeyField()->text(), shown);
    QTest::mouseClick(dlg.Button(1), Qt::LeftButton);
    QCOMPARE(dlg.result(), CShortCutDlg::kOk);
    QCOMPARE(int(dlg.Values().key), key);
    QCOMPARE(int(dlg.Values().Mask()), mask);
}

void ButtonPageTest::shortcutHoldsTheKeyboardUntilItCloses() {
    KeyboardCapture& capture = KeyboardCapture::Instance();
    for (int closer : {1, 2, 3}) {
        CShortCutDlg dlg(page_.get(), kSkin, strings_, us_, capture);
        ShortcutValues v;
        v.key = 0x3A;
        v.shift = v.win = true;
        dlg.SetValues(v);
        QCOMPARE(dlg.KeyField()->text(), QStringLiteral("F1"));
        QVERIFY(dlg.Button(5)->isChecked());
        QVERIFY(!dlg.Button(4)->isChecked());
        dlg.open();
        QCOMPARE(capture.Holder(), &dlg);
        QTest::mouseClick(dlg.Button(closer), Qt::LeftButton);
        QCOMPARE(dlg.result(), closer == 1 ? CShortCutDlg::kOk : CShortCutDlg::kCancel);
        QCOMPARE(capture.Holder(), nullptr);
    }
}

void ButtonPageTest::cancelledShortcutLeavesTheRecord() {
    const tagBUTTON before = Button(3);
    WhenModalOpens([](QWidget* w) {
        auto* dlg = qobject_cast<CShortCutDlg*>(w);
        QVERIFY(dlg);
        Key(dlg, 'Q', false);
        QTest::mouseClick(dlg->Button(4), Qt::LeftButton);
        QTest::mouseClick(dlg->Button(2), Qt::LeftButton);
    });
    page_->Assignment().SetCurrentButton(3);
    page_->OnFunctionCommand(catalogue::kKeyCombinationCommand);
    QVERIFY(std::memcmp(&Button(3), &before, sizeof before) == 0);
    QCOMPARE(notices_, 0);
}

void ButtonPageTest::emptyShortcutRestoresTheDefault() {
    Button(6).type = 9;
    WhenModalOpens([](QWidget* w) {
        QTest::mouseClick(static_cast<CShortCutDlg*>(w)->Button(1), Qt::LeftButton);
    });
    page_->Assignment().SetCurrentButton(6);
    page_->OnFunctionCommand(catalogue::kKeyCombinationCommand);
    QCOMPARE(int(Button(6).type), 14);
    QCOMPARE(Caption(page_->AssignButton(6)), ToQString(strings_.Get(1019)));
    QCOMPARE(notices_, 1);
}

void ButtonPageTest::hidingThePageEndsTheDialogs() {
    library_->AppendMacro(Macro(u"Jump", 2));
    const tagPROFILE before = Profile();
    QPointer<CDlgMenuFunc> popup;
    WhenModalOpens([&](QWidget* w) {
        Key(w, 'Q', false);
        QCOMPARE(KeyboardCapture::Instance().Holder(), w);
        page_->hide();  // the device went away
    });
    page_->Assignment().SetCurrentButton(3);
    page_->OnFunctionCommand(catalogue::kKeyCombinationCommand);
    QCOMPARE(KeyboardCapture::Instance().Holder(), nullptr);

    page_->show();
    WhenModalOpens([&](QWidget* w) {
        auto* dlg = static_cast<CSelectMacroDlg*>(w);
        QTest::mouseClick(dlg->Button(4), Qt::LeftButton);
        popup = dlg->Popup();
        QVERIFY(popup);
        page_->hide();
    });
    page_->OnFunctionCommand(catalogue::kMacroCommand);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QVERIFY(!popup);
    QVERIFY(std::memcmp(&Profile(), &before, sizeof before) == 0);
}

void ButtonPageTest::selectionShowsTheButtonsMacro() {
    library_->AppendMacro(Macro(u"Jump", 2));
    library_->AppendMacro(Macro(u"Reload", 4));
    CSelectMacroDlg dlg(page_.get(), kSkin, strings_, library_.get());
    dlg.SetSelection({1, 1});
    QCOMPARE(Caption(dlg.Button(4)), QStringLiteral("Reload"));
    QVERIFY(dlg.Button(6)->isChecked());
    QVERIFY(!dlg.Button(5)->isChecked() && !dlg.Button(7)->isChecked());
    dlg.SetSelection({2, -1});  // a button without a macro: no name, its stored option
    QCOMPARE(Caption(dlg.Button(4)), QString());
    QVERIFY(dlg.Button(7)->isChecked());
    QVERIFY(!dlg.Button(6)->isChecked());
    QTest::mouseClick(dlg.Button(5), Qt::LeftButton);
    QCOMPARE(dlg.Selection().playbackMode, 0);
    QVERIFY(!dlg.Button(7)->isChecked());
}

void ButtonPageTest::okCopiesTheChosenMacro() {
    library_->AppendMacro(Macro(u"Jump", 2));
    const tagElement& chosen = library_->AppendMacro(Macro(u"Reload", 180));
    WhenModalOpens([](QWidget* w) {
        auto* dlg = qobject_cast<CSelectMacroDlg*>(w);
        QVERIFY(dlg);
        QTest::mouseClick(dlg->Button(4), Qt::LeftButton);
        QVERIFY(dlg->Popup() != nullptr);
        QCOMPARE(dlg->Popup()->List()->count(), 2);
        QCOMPARE(dlg->Popup()->width(), dlg->Button(4)->width());
        dlg->Popup()->List()->setCurrentRow(1);  // the pick closes the list
        QVERIFY(dlg->Popup() == nullptr);
        QCOMPARE(Caption(dlg->Button(4)), QStringLiteral("Reload"));
        QTest::mouseClick(dlg->Button(7), Qt::LeftButton);
        QTest::mouseClick(dlg->Button(1), Qt::LeftButton);
    });
    page_->Assignment().SetCurrentButton(4);
    page_->OnFunctionCommand(catalogue::kMacroCommand);
    const tagBUTTON& b = Button(4);
    QCOMPARE(int(b.type), 18);
    QCOMPARE(b.macroIndex, 1);
    QCOMPARE(b.playbackMode, 2);
    QCOMPARE(int(b.macroEventCount), 180);
    QCOMPARE(b.repeatCount, 7);
    QVERIFY(std::memcmp(b.macroEvents, chosen.events, sizeof b.macroEvents) == 0);
    QCOMPARE(Caption(page_->AssignButton(4)), QStringLiteral("Reload"));
}

void ButtonPageTest::cancelAfterAPickLeavesTheRecord() {
    library_->AppendMacro(Macro(u"Jump", 2));
    const tagPROFILE before = Profile();
    WhenModalOpens([](QWidget* w) {
        auto* dlg = static_cast<CSelectMacroDlg*>(w);
        QTest::mouseClick(dlg->Button(4), Qt::LeftButton);
        dlg->Popup()->List()->setCurrentRow(0);
        QTest::mouseClick(dlg->Button(3), Qt::LeftButton);  // the close button cancels
    });
    page_->Assignment().SetCurrentButton(4);
    page_->OnFunctionCommand(catalogue::kMacroCommand);
    QVERIFY(std::memcmp(&Profile(), &before, sizeof before) == 0);
}

void ButtonPageTest::selectionIgnoresEscapeAndEnter() {
    library_->AppendMacro(Macro(u"Jump", 2));
    CSelectMacroDlg dlg(page_.get(), kSkin, strings_, library_.get());
    dlg.open();
    QTest::mouseClick(dlg.Button(4), Qt::LeftButton);
    QPointer<CDlgMenuFunc> popup = dlg.Popup();
    for (Qt::Key k : {Qt::Key_Escape, Qt::Key_Return, Qt::Key_Enter, Qt::Key_Space}) {
        QTest::keyClick(&dlg, k);
    }
    QVERIFY(dlg.isVisible());
    dlg.hide();  // a hidden dialog leaves no list behind
    QVERIFY(dlg.Popup() == nullptr);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QVERIFY(!popup);
}

void ButtonPageTest::lastLeftClickShowsTheWarning() {
    bool warned = false;
    WhenModalOpens([&](QWidget* w) {
        auto* warning = qobject_cast<CWarningDlg*>(w);
        QVERIFY(warning);
        warned = true;
        QTest::mouseClick(warning->OkButton(), Qt::LeftButton);
    });
    page_->Assignment().SetCurrentButton(0);
    page_->OnFunctionCommand(1013);
    QVERIFY(warned);
    QCOMPARE(int(Button(0).type), 2);
    QCOMPARE(Caption(page_->AssignButton(0)), ToQString(strings_.Get(1005)));
}

void ButtonPageTest::functionMenuHasItsSubmenus() {
    QStringList mainItems;
    QList<int> subCounts;
    QList<int> widths;
    QTimer::singleShot(0, this, [&] {
        CExMenu* menu = page_->OpenMenu();
        QVERIFY(menu);
        widths << menu->ItemWidth();
        for (QAction* a : menu->actions()) {
            mainItems << a->text();
            if (auto* sub = qobject_cast<CExMenu*>(a->menu())) {
                subCounts << sub->ItemCount();
                widths << sub->ItemWidth();
            }
        }
        page_->ClosePopups();
    });
    page_->AssignButton(2)->SetHover(true);
    page_->Marker(2)->SetHover(true);
    page_->ShowFunctionMenu(2);
    QCOMPARE(page_->Assignment().CurrentButton(), 2);
    QCOMPARE(mainItems.size(), 19);
    QCOMPARE(mainItems[0], ToQString(strings_.Get(1005)));
    QCOMPARE(mainItems[11], ToQString(strings_.Get(1009)));
    QCOMPARE(mainItems[12], ToQString(strings_.Get(1082)));
    QCOMPARE(mainItems[14], ToQString(strings_.Get(1017)));
    QCOMPARE(mainItems[18], ToQString(strings_.Get(1088)));
    QCOMPARE(subCounts, (QList<int>{3, 8, 8, 8, 5}));
    for (int i = 1; i < widths.size(); ++i) {
        QVERIFY(widths[i] >= catalogue::kMenuMinimumWidth);
        QVERIFY(widths[i] <= widths[0]);  // the main level is the widest
    }
    QVERIFY(page_->OpenMenu() == nullptr);
    QVERIFY(!page_->AssignButton(2)->Hover());
    QVERIFY(!page_->Marker(2)->Hover());
}

void ButtonPageTest::hidingThePageClosesTheMenu() {
    bool wasOpen = false;
    QTimer::singleShot(0, this, [&] {
        wasOpen = page_->OpenMenu() != nullptr && page_->OpenMenu()->isVisible();
        page_->hide();  // the device went away
    });
    page_->ShowFunctionMenu(5);
    QVERIFY(wasOpen);
    QVERIFY(page_->OpenMenu() == nullptr);
    QCOMPARE(QWidget::mouseGrabber(), nullptr);
    QCOMPARE(QWidget::keyboardGrabber(), nullptr);
}

void ButtonPageTest::buttonAndMarkerHoverTogether() {
    emit page_->Marker(4)->hoverChanged(true);
    QVERIFY(page_->AssignButton(4)->Hover());
    emit page_->Marker(4)->hoverChanged(false);
    QVERIFY(!page_->AssignButton(4)->Hover());
    emit page_->AssignButton(4)->hoverChanged(true);
    QVERIFY(page_->Marker(4)->Hover());
    QVERIFY(!page_->Marker(3)->Hover());
}

void ButtonPageTest::handednessSwapsOnlyOnAChange() {
    const int current = Profile().handedness;
    const tagPROFILE before = Profile();
    QTest::mouseClick(page_->HandOption(current), Qt::LeftButton);
    QVERIFY(std::memcmp(&Profile(), &before, sizeof before) == 0);
    QVERIFY(page_->HandOption(current)->isChecked());

    QTest::mouseClick(page_->HandOption(1 - current), Qt::LeftButton);
    QCOMPARE(Profile().handedness, 1 - current);
    QVERIFY(page_->HandOption(1 - current)->isChecked());
    QVERIFY(!page_->HandOption(current)->isChecked());
    // Buttons 1 and 2 show each other's functions now.
    QCOMPARE(Caption(page_->AssignButton(0)), ToQString(strings_.Get(1006)));
    QCOMPARE(Caption(page_->AssignButton(1)), ToQString(strings_.Get(1005)));
    QCOMPARE(notices_, 1);
}

void ButtonPageTest::refreshShowsEveryButton() {
    Button(8).type = 17;
    Button(8).modifiers = 0x0A;
    Button(8).keyCode = 0x3A;
    Button(9).type = 18;
    WriteFixedText(Button(9).macroName, u"Jump");
    Button(10).type = 61;  // present in profiles, never offered
    page_->RefreshFromProfile();
    QCOMPARE(Caption(page_->AssignButton(8)), QStringLiteral("Shift+Win+F1"));
    QCOMPARE(Caption(page_->AssignButton(9)), QStringLiteral("Jump"));
    QCOMPARE(Caption(page_->AssignButton(10)), QString());
    QCOMPARE(Caption(page_->AssignButton(11)), ToQString(strings_.Get(1014)));
    // Every control has a name for screen readers.
    for (int b = 0; b < kButtonCount; ++b) {
        QVERIFY(!page_->Marker(b)->accessibleName().isEmpty());
        QVERIFY(!page_->AssignButton(b)->accessibleName().isEmpty());
    }
}

QTEST_MAIN(ButtonPageTest)
#include "ButtonPageTest.moc"
