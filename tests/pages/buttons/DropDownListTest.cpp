// The drop-down list of profiles and macros, with the built skin.
#include <QKeyEvent>
#include <QScrollBar>
#include <QtTest>
#include <memory>

#include "common/Messages.h"
#include "data/FixedText.h"
#include "data/MacroLibrary.h"
#include "data/ProfileList.h"
#include "pages/common/CDlgMenuFunc.h"
#include "platform/MessageEvent.h"
#include "skin/CListBoxEx.h"

namespace {

// Records the numbered messages it receives.
class Owner : public QWidget {
public:
    struct Received {
        std::uintptr_t wParam;
        std::intptr_t lParam;
    };
    std::vector<Received> choices;

protected:
    bool event(QEvent* e) override {
        if (auto* m = dynamic_cast<MessageEvent*>(e); m && m->Number() == msg::kListChoice) {
            choices.push_back({m->WParam(), m->LParam()});
            return true;
        }
        return QWidget::event(e);
    }
};

std::vector<std::u16string> Names(int n) {
    std::vector<std::u16string> names;
    for (int i = 0; i < n; ++i) {
        names.push_back(u"Entry " + DecimalU16(i));
    }
    return names;
}

DropDownRequest Request(int mode, int count, int selection) {
    DropDownRequest r;
    r.mode = mode;
    r.anchor = QRect(100, 200, 180, 30);
    r.width = 180;
    r.selection = selection;
    r.names = Names(count);
    return r;
}

int PopupsOf(QWidget& owner) {
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    return int(owner.findChildren<CDlgMenuFunc*>().size());
}

}  // namespace

class DropDownListTest : public QObject {
    Q_OBJECT
private slots:
    void heightFollowsTheEntries_data();
    void heightFollowsTheEntries();
    void preselectsTheMarkedEntry();
    void withoutAMarkTheFocusPicksNothing();
    void arrowKeysReportTheFirstChange();
    void clickOnTheSelectedEntryIsAPick();
    void aSecondOpenLeavesOnePopup();
    void emptyListOpensNothing();
    void staleIndexFindsNoEntry();
    void namesComeFromTheLists();
};

void DropDownListTest::heightFollowsTheEntries_data() {
    QTest::addColumn<int>("mode");
    QTest::addColumn<int>("entries");
    QTest::addColumn<int>("height");
    QTest::addColumn<bool>("scrolls");
    QTest::newRow("fifteen macros") << 3 << 15 << 250 << true;
    QTest::newRow("ten macros") << 3 << 10 << 250 << false;
    QTest::newRow("three profiles") << 4 << 3 << 75 << false;
    QTest::newRow("one profile") << 4 << 1 << 25 << false;
}

void DropDownListTest::heightFollowsTheEntries() {
    QFETCH(int, mode);
    QFETCH(int, entries);
    QFETCH(int, height);
    QFETCH(bool, scrolls);
    Owner owner;
    QPointer<CDlgMenuFunc> slot;
    CDlgMenuFunc* popup = OpenDropDown(slot, &owner, CORVANE_SKIN_DIR, Request(mode, entries, 0));
    QVERIFY(popup != nullptr);
    QCOMPARE(popup->geometry(), QRect(100, 230, 180, height));
    QCOMPARE(popup->rows, std::min(entries, 10));
    QCOMPARE(popup->List()->count(), entries);
    QCOMPARE(popup->List()->verticalScrollBar()->maximum() > 0, scrolls);
    CloseDropDown(slot);
}

void DropDownListTest::preselectsTheMarkedEntry() {
    Owner owner;
    QPointer<CDlgMenuFunc> slot;
    OpenDropDown(slot, &owner, CORVANE_SKIN_DIR, Request(4, 3, 2));
    QCOMPARE(slot->List()->currentRow(), 2);
    OpenDropDown(slot, &owner, CORVANE_SKIN_DIR, Request(4, 3, 7));  // out of range: none
    QVERIFY(slot->List()->selectedItems().isEmpty());
    QCoreApplication::processEvents();
    QVERIFY(owner.choices.empty());  // preselecting is no pick
}

// The opener gives the list the focus; with nothing marked, the view must not make its first
// entry current then and report it as picked, which closed the list at once.
void DropDownListTest::withoutAMarkTheFocusPicksNothing() {
    Owner owner;
    QPointer<CDlgMenuFunc> slot;
    OpenDropDown(slot, &owner, CORVANE_SKIN_DIR, Request(3, 4, -1));
    int signalled = -1;
    connect(slot, &CDlgMenuFunc::chosen, this, [&](int index, int) { signalled = index; });
    for (Qt::FocusReason reason : {Qt::ActiveWindowFocusReason, Qt::OtherFocusReason}) {
        QFocusEvent out(QEvent::FocusOut, reason);
        QCoreApplication::sendEvent(slot->List(), &out);
        QFocusEvent in(QEvent::FocusIn, reason);
        QCoreApplication::sendEvent(slot->List(), &in);
    }
    QCoreApplication::processEvents();
    QCOMPARE(signalled, -1);
    QVERIFY(owner.choices.empty());
    QVERIFY(slot->List()->selectedItems().isEmpty());
    // The first arrow press then picks the first entry.
    QTest::keyClick(slot->List(), Qt::Key_Down);
    QCOMPARE(signalled, 0);
}

void DropDownListTest::arrowKeysReportTheFirstChange() {
    Owner owner;
    QPointer<CDlgMenuFunc> slot;
    OpenDropDown(slot, &owner, CORVANE_SKIN_DIR, Request(3, 15, 4));
    int signalled = -1;
    connect(slot, &CDlgMenuFunc::chosen, this, [&](int index, int mode) {
        signalled = index;
        QCOMPARE(mode, 3);
    });
    QTest::keyClick(slot->List(), Qt::Key_Down);
    QCOMPARE(signalled, 5);
    QCoreApplication::processEvents();
    QCOMPARE(owner.choices.size(), std::size_t(1));
    QCOMPARE(owner.choices[0].wParam, std::uintptr_t(5));
    QCOMPARE(owner.choices[0].lParam, std::intptr_t(3));
}

void DropDownListTest::clickOnTheSelectedEntryIsAPick() {
    Owner owner;
    QPointer<CDlgMenuFunc> slot;
    OpenDropDown(slot, &owner, CORVANE_SKIN_DIR, Request(4, 3, 1));
    slot->show();
    QWidget* viewport = slot->List()->viewport();
    const QRect row1 = slot->List()->visualItemRect(slot->List()->item(1));
    QTest::mouseClick(viewport, Qt::LeftButton, {}, row1.center());
    QCoreApplication::processEvents();
    QCOMPARE(owner.choices.size(), std::size_t(1));
    QCOMPARE(owner.choices[0].wParam, std::uintptr_t(1));
    // Another entry: reported once, at its selection change.
    const QRect row2 = slot->List()->visualItemRect(slot->List()->item(2));
    QTest::mouseClick(viewport, Qt::LeftButton, {}, row2.center());
    QCoreApplication::processEvents();
    QCOMPARE(owner.choices.size(), std::size_t(2));
    QCOMPARE(owner.choices[1].wParam, std::uintptr_t(2));
}

void DropDownListTest::aSecondOpenLeavesOnePopup() {
    Owner owner;
    QPointer<CDlgMenuFunc> slot;
    CDlgMenuFunc* first = OpenDropDown(slot, &owner, CORVANE_SKIN_DIR, Request(4, 3, 0));
    QPointer<CDlgMenuFunc> firstAlive(first);
    OpenDropDown(slot, &owner, CORVANE_SKIN_DIR, Request(4, 3, 0));
    QCOMPARE(PopupsOf(owner), 1);
    QVERIFY(!firstAlive);
    CloseDropDown(slot);
    QCOMPARE(PopupsOf(owner), 0);
    CloseDropDown(slot);  // nothing open: nothing happens
}

void DropDownListTest::emptyListOpensNothing() {
    Owner owner;
    QPointer<CDlgMenuFunc> slot;
    OpenDropDown(slot, &owner, CORVANE_SKIN_DIR, Request(4, 2, 0));
    QCOMPARE(OpenDropDown(slot, &owner, CORVANE_SKIN_DIR, Request(3, 0, -1)), nullptr);
    QCOMPARE(PopupsOf(owner), 0);  // the earlier one went all the same
}

void DropDownListTest::staleIndexFindsNoEntry() {
    QCOMPARE(ChosenEntry(2, 3), std::optional<std::size_t>(2));
    QCOMPARE(ChosenEntry(3, 3), std::nullopt);
    QCOMPARE(ChosenEntry(0, 0), std::nullopt);
    QCOMPARE(ChosenEntry(std::uintptr_t(-1), 3), std::nullopt);
}

void DropDownListTest::namesComeFromTheLists() {
    MacroLibrary library([] { return std::filesystem::path(); }, u"Macro ");
    for (const char16_t* name : {u"Jump", u"Reload"}) {
        tagElement e{};
        WriteFixedText(e.name, name);
        library.AppendMacro(e);
    }
    QVERIFY(MacroNames(library) == (std::vector<std::u16string>{u"Jump", u"Reload"}));
    ProfileList profiles;
    auto p = std::make_unique<tagPROFILE>();
    WriteFixedText(p->name, u"Work");
    profiles.Append(std::move(p));
    QVERIFY(ProfileNames(profiles) == std::vector<std::u16string>{u"Work"});
}

QTEST_MAIN(DropDownListTest)
#include "DropDownListTest.moc"
