// The holder bookkeeping every platform's capture shares, seen through a platform that only
// notes what it is asked to do. It watches the holder itself, as the Windows hook does.
#include <QtTest>
#include <memory>
#include <string>
#include <vector>

#include "platform/KeyboardCaptureBase.h"

namespace {

using Calls = std::vector<std::string>;

// The notes outlive the capture, so that what its destructor does is seen too.
class NotingCapture : public KeyboardCaptureBase {
public:
    explicit NotingCapture(Calls& calls) : calls(calls) {}
    ~NotingCapture() override { Release(false); }

    bool SystemWide() const override { return captured_; }

    Calls& calls;

protected:
    void Watch(QWidget* holder) override {
        holder->installEventFilter(this);
        calls.push_back("watch " + holder->objectName().toStdString());
    }
    void Unwatch(QWidget* former) override {
        former->removeEventFilter(this);
        calls.push_back("unwatch " + former->objectName().toStdString());
    }
    bool Capture() override {
        calls.push_back("capture");
        captured_ = true;
        return true;
    }
    void Uncapture() override {
        calls.push_back("uncapture");
        captured_ = false;
    }

private:
    bool captured_ = false;
};

std::unique_ptr<QWidget> Window(const char* name) {
    auto w = std::make_unique<QWidget>();
    w->setObjectName(QString::fromLatin1(name));
    return w;
}

}  // namespace

class KeyboardCaptureBaseTest : public QObject {
    Q_OBJECT
private slots:
    void aNewHolderReleasesTheFormerOne();
    void everyWayOutReleasesOnce_data();
    void everyWayOutReleasesOnce();
};

void KeyboardCaptureBaseTest::aNewHolderReleasesTheFormerOne() {
    Calls calls;
    NotingCapture capture(calls);
    auto a = Window("a"), b = Window("b");
    int firstLost = 0, lostA = 0, lostB = 0;
    QVERIFY(capture.Install(a.get(), [&] { ++firstLost; }));
    // Installing again for the same holder keeps it and takes the newer notice.
    QVERIFY(capture.Install(a.get(), [&] { ++lostA; }));
    QVERIFY(capture.Install(b.get(), [&] { ++lostB; }));
    QCOMPARE(capture.Holder(), b.get());
    capture.Remove(a.get());  // no longer the holder: nothing happens
    QVERIFY(capture.SystemWide());
    capture.Remove(b.get());
    QCOMPARE(capture.Holder(), nullptr);
    QVERIFY(!capture.Install(nullptr));

    const Calls want{"watch a", "capture", "capture",   "unwatch a", "uncapture",
                     "watch b", "capture", "unwatch b", "uncapture"};
    QCOMPARE(calls, want);
    // The notice is queued, and a holder's own Remove is no loss.
    QCOMPARE(lostA, 0);
    QCoreApplication::processEvents();
    QCOMPARE(firstLost, 0);
    QCOMPARE(lostA, 1);
    QCOMPARE(lostB, 0);
}

void KeyboardCaptureBaseTest::everyWayOutReleasesOnce_data() {
    QTest::addColumn<QString>("how");
    QTest::addColumn<int>("lostNotices");
    QTest::newRow("hidden") << "hide" << 1;
    QTest::newRow("closed") << "close" << 1;
    QTest::newRow("closed before it was shown") << "closeUnshown" << 1;
    QTest::newRow("destroyed") << "destroy" << 0;
    QTest::newRow("capture destroyed") << "dropCapture" << 0;
}

void KeyboardCaptureBaseTest::everyWayOutReleasesOnce() {
    QFETCH(QString, how);
    QFETCH(int, lostNotices);
    Calls calls;
    auto capture = std::make_unique<NotingCapture>(calls);
    auto window = Window("w");
    if (how != "closeUnshown") {
        window->show();
    }
    int lost = 0;
    capture->Install(window.get(), [&] { ++lost; });

    if (how == "hide") {
        window->hide();
    } else if (how == "close" || how == "closeUnshown") {
        window->close();
    } else if (how == "destroy") {
        window.reset();
    } else {
        capture.reset();
    }
    if (capture) {
        QTRY_COMPARE(capture->Holder(), nullptr);
    }
    // Nothing more once released: the window coming and going again is no business of it.
    if (window) {
        window->show();
        window->close();
    }
    QCoreApplication::processEvents();
    const Calls want{"watch w", "capture", "unwatch w", "uncapture"};
    QCOMPARE(calls, want);
    QCOMPARE(lost, lostNotices);
}

QTEST_MAIN(KeyboardCaptureBaseTest)
#include "KeyboardCaptureBaseTest.moc"
