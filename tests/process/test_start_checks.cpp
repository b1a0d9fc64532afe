// Whether the platform Qt would start on needs a display that is not there.
#include "process/start_checks.h"

#include <QTest>

#include <unistd.h>

class StartChecksTest : public QObject {
    Q_OBJECT

private slots:
    void displayIsMissing_data();
    void displayIsMissing();
    void closedDescriptorReopened_data();
    void closedDescriptorReopened();
};

void StartChecksTest::displayIsMissing_data()
{
    QTest::addColumn<QByteArray>("display");
    QTest::addColumn<QByteArray>("wayland");
    QTest::addColumn<QByteArray>("platform"); // QT_QPA_PLATFORM
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<bool>("missing");
    const QByteArray none;
    QTest::newRow("nothing") << none << none << none << QStringList{} << true;
    QTest::newRow("DISPLAY") << QByteArray(":0") << none << none << QStringList{} << false;
    QTest::newRow("WAYLAND_DISPLAY")
        << none << QByteArray("wayland-0") << none << QStringList{} << false;
    QTest::newRow("-display") << none << none << none << QStringList{"-display", ":1"} << false;
    QTest::newRow("wayland, then xcb")
        << none << none << QByteArray("wayland;xcb") << QStringList{} << true;
    QTest::newRow("wayland-egl") << none << none << QByteArray("wayland-egl") << QStringList{}
                                 << true;
    QTest::newRow("offscreen") << none << none << QByteArray("offscreen") << QStringList{} << false;
    QTest::newRow("xcb, then offscreen")
        << none << none << QByteArray("xcb;offscreen") << QStringList{} << false;
    QTest::newRow("--platform offscreen over QT_QPA_PLATFORM=xcb")
        << none << none << QByteArray("xcb") << QStringList{"--platform", "offscreen"} << false;
    QTest::newRow("-platform xcb over QT_QPA_PLATFORM=offscreen")
        << none << none << QByteArray("offscreen") << QStringList{"-platform", "xcb"} << true;
}

void StartChecksTest::displayIsMissing()
{
    QFETCH(QByteArray, display);
    QFETCH(QByteArray, wayland);
    QFETCH(QByteArray, platform);
    QFETCH(QStringList, arguments);
    QFETCH(bool, missing);

    const std::pair<const char*, QByteArray> environment[] = {
        {"DISPLAY", display}, {"WAYLAND_DISPLAY", wayland}, {"QT_QPA_PLATFORM", platform}};
    for (const auto& [name, value] : environment)
        value.isNull() ? qunsetenv(name) : qputenv(name, value);
    QCOMPARE(DisplayIsMissing(QStringList{"lunetide"} + arguments), missing);
}

// A standard descriptor closed at start is opened on /dev/null, so that the next file opened does
// not take its number.
void StartChecksTest::closedDescriptorReopened_data()
{
    QTest::addColumn<int>("fd");
    QTest::newRow("standard input") << 0;
    QTest::newRow("standard error") << 2;
}

void StartChecksTest::closedDescriptorReopened()
{
    QFETCH(int, fd);
    const int saved = ::dup(fd);
    QVERIFY(saved > 2);
    ::close(fd);
    OpenClosedStandardDescriptors();
    char target[64] = {};
    const ssize_t length =
        ::readlink(QByteArray("/proc/self/fd/" + QByteArray::number(fd)).constData(), target,
                   sizeof target - 1);
    ::dup2(saved, fd);
    ::close(saved);
    QCOMPARE(QByteArray(target, length > 0 ? int(length) : 0), "/dev/null");
}

QTEST_APPLESS_MAIN(StartChecksTest)
#include "test_start_checks.moc"
