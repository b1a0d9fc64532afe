// Without a session bus the notifier says so at once, so that the panel shows its own message.
#include "panel/notices/desktop_notifier.h"

#include <QElapsedTimer>
#include <QTemporaryDir>
#include <QTest>

class DesktopNotifierTest : public QObject {
    Q_OBJECT

private slots:
    void noBus();
};

void DesktopNotifierTest::noBus()
{
    const QTemporaryDir dir;
    qputenv("DBUS_SESSION_BUS_ADDRESS", "unix:path=" + QFile::encodeName(dir.filePath("nowhere")));
    QElapsedTimer timer;
    timer.start();
    QVERIFY(!SendDesktopNotification({"k", "Full moon at 12:28 (Cold Moon)", "b", {}}));
    QCOMPARE_LT(timer.elapsed(), 1000);
}

QTEST_MAIN(DesktopNotifierTest)
#include "test_desktop_notifier.moc"
