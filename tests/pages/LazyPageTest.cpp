// The stand-in makes its page on the first show only, hands the page everything that reached
// it afterwards, and nothing before.
#include <QtTest>

#include "pages/LazyPage.h"

namespace {

struct Calls {
    int made = 0, refreshed = 0, levels = 0, rates = 0, popups = 0;
};

class RecordingPage : public Page {
public:
    RecordingPage(QWidget* parent, Calls& calls) : Page(parent, {}), calls_(calls) {
        ++calls_.made;
    }
    void RefreshFromProfile() override { ++calls_.refreshed; }
    void SelectLevel() override { ++calls_.levels; }
    void ShowReportRate() override { ++calls_.rates; }
    void ClosePopups() override { ++calls_.popups; }

private:
    Calls& calls_;
};

}  // namespace

class LazyPageTest : public QObject {
    Q_OBJECT
private slots:
    void madeOnFirstShowAndForwardedAfter() {
        Calls calls;
        QWidget host;
        host.resize(300, 200);
        LazyPage lazy(&host, {}, [&calls](QWidget* parent) {
            return std::make_unique<RecordingPage>(parent, calls);
        });
        lazy.setGeometry(0, 0, 300, 200);
        lazy.hide();
        lazy.RefreshFromProfile();
        lazy.SelectLevel();
        lazy.ShowReportRate();
        lazy.ClosePopups();
        host.show();
        QCOMPARE(calls.made, 0);
        QVERIFY(lazy.Real() == nullptr);

        lazy.show();
        QCOMPARE(calls.made, 1);
        QVERIFY(lazy.Real() != nullptr);
        QCOMPARE(calls.refreshed, 1);  // it reads the profile as it is now
        QCOMPARE(calls.levels + calls.rates + calls.popups, 0);
        QVERIFY(lazy.Real()->isVisible());
        QCOMPARE(lazy.Real()->geometry(), QRect(0, 0, 300, 200));

        lazy.hide();
        lazy.show();
        QCOMPARE(calls.made, 1);
        lazy.RefreshFromProfile();
        lazy.SelectLevel();
        lazy.ShowReportRate();
        lazy.ClosePopups();
        QCOMPARE(calls.refreshed, 2);
        QCOMPARE(calls.levels, 1);
        QCOMPARE(calls.rates, 1);
        QCOMPARE(calls.popups, 1);

        lazy.resize(320, 180);
        QCOMPARE(lazy.Real()->geometry(), QRect(0, 0, 320, 180));
    }
};

QTEST_MAIN(LazyPageTest)
#include "LazyPageTest.moc"
