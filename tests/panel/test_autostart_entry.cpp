#include "panel/autostart_entry.h"
#include "panel/tray_wait.h"

#include <QFile>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

class TestAutostartEntry : public QObject {
    Q_OBJECT

private slots:
    void init()
    {
        QVERIFY(home_.isValid());
        qputenv("HOME", home_.path().toUtf8());
        qunsetenv("XDG_CONFIG_HOME");
    }

    // The entry must be one the desktop reads, whatever the program's path holds.
    void execLineIsValid_data()
    {
        QTest::addColumn<QString>("program");
        QTest::addColumn<QString>("exec");
        QTest::newRow("plain") << "/usr/bin/lunetide-panel"
                               << "Exec=/usr/bin/lunetide-panel";
        QTest::newRow("blank and dollar") << "/opt/my apps/a$b\\c"
                                          << R"(Exec="/opt/my apps/a\\$b\\\\c")";
    }
    void execLineIsValid()
    {
        QFETCH(QString, program);
        QFETCH(QString, exec);
        QString problem;
        QVERIFY2(SetAutostartEntry(true, program, &problem), qPrintable(problem));
        const QString path = home_.path() + "/.config/autostart/lunetide-panel.desktop";
        QCOMPARE(AutostartEntryPath(), path);
        QFile file(path);
        QVERIFY(file.open(QIODevice::ReadOnly));
        QVERIFY(QString::fromUtf8(file.readAll()).split(u'\n').contains(exec));
        if (QStandardPaths::findExecutable("desktop-file-validate").isEmpty())
            QSKIP("desktop-file-validate is not installed");
        QProcess validate;
        validate.start("desktop-file-validate", {path});
        QVERIFY(validate.waitForFinished());
        QVERIFY2(validate.exitCode() == 0, validate.readAllStandardOutput().constData());
    }

    // $XDG_CONFIG_HOME counts only as an absolute path; unchecking twice is no failure.
    void configFolderAndRemoval()
    {
        qputenv("XDG_CONFIG_HOME", "relative/config");
        QCOMPARE(AutostartEntryPath(), home_.path() + "/.config/autostart/lunetide-panel.desktop");
        const QString config = home_.path() + "/elsewhere";
        qputenv("XDG_CONFIG_HOME", config.toUtf8());
        QString problem;
        QVERIFY(SetAutostartEntry(true, "/usr/bin/lunetide-panel", &problem));
        QVERIFY(QFile::exists(config + "/autostart/lunetide-panel.desktop"));
        QVERIFY(HasAutostartEntry());
        QVERIFY(SetAutostartEntry(false, {}, &problem));
        QVERIFY(!HasAutostartEntry());
        QVERIFY(SetAutostartEntry(false, {}, &problem));
    }

    void trayWait_data()
    {
        QTest::addColumn<QByteArray>("setting");
        QTest::addColumn<int>("seconds");
        QTest::newRow("unset") << QByteArray() << 120;
        QTest::newRow("zero") << QByteArray("0") << 0;
        QTest::newRow("an hour") << QByteArray("3600") << 3600;
        QTest::newRow("beyond") << QByteArray("3601") << 120;
        QTest::newRow("negative") << QByteArray("-1") << 120;
        QTest::newRow("not a number") << QByteArray("2s") << 120;
    }
    void trayWait()
    {
        QFETCH(QByteArray, setting);
        QFETCH(int, seconds);
        QCOMPARE(TrayWaitSeconds(setting), seconds);
    }

private:
    QTemporaryDir home_;
};

QTEST_GUILESS_MAIN(TestAutostartEntry)
#include "test_autostart_entry.moc"
