#include <QTest>

#include "SkinTestSupport.h"
#include "common/Messages.h"
#include "skin/CBitmapBtn.h"
#include "skin/CBmpEdit.h"
#include "skin/CSpinWnd.h"

namespace {
// The box's notice, the spin's answer and the corrected text's notice follow one another
// through the queue.
void Drain() {
    for (int i = 0; i < 4; ++i) {
        QCoreApplication::sendPostedEvents();
    }
}

std::vector<std::uintptr_t> Values(const MessageLog& owner) {
    std::vector<std::uintptr_t> v;
    for (const MessageLog::Entry& e : owner.Only(msg::kSpinValue)) {
        // Every notice carries the owner's tag; a foreign one shows as a wrong value.
        v.push_back(std::get<2>(e) == 402 ? std::get<1>(e) : ~std::uintptr_t(0));
    }
    return v;
}
}  // namespace

// A colour box of the lighting page: 0..255, three characters, tag 402.
struct ColourBox {
    MessageLog owner;
    CSpinWnd* spin = nullptr;

    explicit ColourBox(int step) {
        spin = new CSpinWnd(&owner);
        spin->setGeometry(10, 10, 60, 22);
        spin->SetMinimum(0);
        spin->SetMaximum(255);
        spin->SetStep(step);
        spin->SetTag(402);
        spin->SetTextLimit(3);
        owner.show();
    }
    void Type(QChar c) {
        QTest::keyClick(spin->NumberBox(), c.toLatin1());
        Drain();
    }
    QString Shown() const { return spin->NumberBox()->text(); }
};

class SpinWndTest : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { UseTestFont(); }

    void typedDigitsAreClampedAsTheyAreTyped() {
        ColourBox box(1);
        box.Type('3');
        QCOMPARE(box.Shown(), QStringLiteral("3"));
        box.Type('0');
        QCOMPARE(box.Shown(), QStringLiteral("30"));
        box.Type('0');
        QCOMPARE(box.Shown(), QStringLiteral("255"));
        QCOMPARE(box.spin->Value(), 255);
        // The correction is itself a change of the text and is reported again.
        QCOMPARE(Values(box.owner), (std::vector<std::uintptr_t>{3, 30, 255, 255}));
    }

    void typedValuesMoveToTheStepAtOnce() {
        ColourBox box(5);
        box.Type('3');
        QCOMPARE(box.Shown(), QStringLiteral("5"));
        QCOMPARE(Values(box.owner), (std::vector<std::uintptr_t>{5, 5}));
    }

    void buttonsStepAndReportThroughTheBox() {
        ColourBox box(1);
        box.spin->SetValue(10);
        Drain();
        box.owner.messages.clear();
        box.spin->UpButton()->click();
        Drain();
        QCOMPARE(box.Shown(), QStringLiteral("11"));
        QCOMPARE(Values(box.owner), (std::vector<std::uintptr_t>{11}));
        box.owner.messages.clear();
        box.spin->DownButton()->click();
        box.spin->DownButton()->click();
        Drain();
        QCOMPARE(box.Shown(), QStringLiteral("9"));
        QCOMPARE(Values(box.owner), (std::vector<std::uintptr_t>{9, 9}));
        // At the end the button holds the value.
        box.spin->SetValue(255);
        box.spin->UpButton()->click();
        Drain();
        QCOMPARE(box.Shown(), QStringLiteral("255"));
    }

    void buttonsLieInTheRightFourteenPixels() {
        ColourBox box(1);
        QCOMPARE(box.spin->UpButton()->geometry(), QRect(46, 0, 14, 11));
        QCOMPARE(box.spin->DownButton()->geometry(), QRect(46, 11, 14, 11));
        QCOMPARE(box.spin->NumberBox()->geometry(), QRect(0, 0, 60, 22));
    }
};

QTEST_MAIN(SpinWndTest)
#include "SpinWndTest.moc"
