// The program's own loader, on the real plug-ins and on broken ones.
#include <QCoreApplication>
#include <QtTest>

#include "platform/MessageEvent.h"
#include "platform/TransportLibrary.h"

namespace {

class Inbox : public QObject {
public:
    QList<QList<qint64>> messages;

protected:
    bool event(QEvent* e) override {
        if (auto* m = dynamic_cast<MessageEvent*>(e)) {
            messages.append({qint64(m->Number()), qint64(m->WParam()), qint64(m->LParam())});
            return true;
        }
        return QObject::event(e);
    }
};

}  // namespace

class TransportLibraryTest : public QObject {
    Q_OBJECT
private slots:
    void realPluginsLoadAndFindNoMouse();
    void brokenOrMissingPluginsStayUnbound();
    void notificationsArriveAsMessages();
};

void TransportLibraryTest::realPluginsLoadAndFindNoMouse() {
    Inbox inbox;
    for (const char* path : {HIDDRIVER_1_PATH, HIDDRIVER_2_PATH}) {
        TransportLibrary t(path, &inbox);
        QVERIFY2(t.Bound(), path);
        t.SetVidPid(0x1D57, 0xFA60);
        t.OpenDevMonitor(1325, 1326);
        QCOMPARE(t.OpenFeatureDevice(), 0);  // this machine has no such mouse
        const std::uint8_t report[8] = {0x06, 0x08};
        QCOMPARE(t.SetFeature(report, 8), 0);
        t.CloseFeatureDevice();
        t.CloseDevMonitor();
    }
}

void TransportLibraryTest::brokenOrMissingPluginsStayUnbound() {
    Inbox inbox;
    for (const char* path :
         {FAULTY_WRONG_VERSION_PATH, FAULTY_NO_GETFEATURE_PATH, "/nonexistent/hiddriver_1.so"}) {
        TransportLibrary t(path, &inbox);
        QVERIFY2(!t.Bound(), path);
        QCOMPARE(t.OpenFeatureDevice(), 0);  // an unbound variant is never called
    }
}

void TransportLibraryTest::notificationsArriveAsMessages() {
    QTemporaryDir dir;
    qputenv("CORVANE_VMOUSE_DIR", (dir.path() + QStringLiteral("/vm")).toUtf8());
    qputenv("CORVANE_VMOUSE_PLUGGED", "1");
    Inbox inbox;
    TransportLibrary t(HIDDRIVER_VIRTUAL_PATH, &inbox);
    QVERIFY(t.Bound());
    t.SetVidPid(0x1D57, 0xFA60);
    t.OpenDevMonitor(1325, 1326);
    QVERIFY(t.OpenFeatureDevice() != 0);
    QProcess tool;
    tool.start(QStringLiteral(CORVANE_VMOUSE_TOOL), {QStringLiteral("level"), QStringLiteral("4")});
    QVERIFY(tool.waitForFinished(10000));
    QTRY_COMPARE(inbox.messages.size(), 1);
    QCOMPARE(inbox.messages.front(), (QList<qint64>{1325, 0x1000, 4}));
    t.CloseFeatureDevice();
    t.CloseDevMonitor();
}

QTEST_GUILESS_MAIN(TransportLibraryTest)
#include "TransportLibraryTest.moc"
