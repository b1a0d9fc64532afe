#include "app/single_instance.h"

#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

#include <csignal>

class SingleInstanceTest : public QObject {
    Q_OBJECT

private slots:
    void secondCopyIsRefusedWhileTheFirstRuns();
    void lockOfAKilledCopyIsTakenOver();
    void lockIsReleasedWhenTheCopyEnds();
    void defaultLockIsInThePrivateRuntimeFolder();

private:
    // Starts a process that holds the lock, as a running copy of the program would.
    static bool StartHolder(QProcess& holder, const QString& lockPath);
    QTemporaryDir dir_;
};

bool SingleInstanceTest::StartHolder(QProcess& holder, const QString& lockPath)
{
    holder.start(QStringLiteral(LOCK_HOLDER), {lockPath});
    return holder.waitForReadyRead(10000) && holder.readAllStandardOutput().trimmed() == "locked";
}

void SingleInstanceTest::secondCopyIsRefusedWhileTheFirstRuns()
{
    const QString path = dir_.filePath("running.lock");
    QProcess first;
    QVERIFY(StartHolder(first, path));

    SingleInstance second(path);
    QVERIFY(!second.acquire());
    QVERIFY(!second.acquire()); // asking again does not change the answer
    QCOMPARE(first.state(), QProcess::Running);

    first.kill();
    first.waitForFinished();
}

void SingleInstanceTest::lockOfAKilledCopyIsTakenOver()
{
    const QString path = dir_.filePath("killed.lock");
    QProcess first;
    QVERIFY(StartHolder(first, path));
    ::kill(static_cast<pid_t>(first.processId()), SIGKILL);
    QVERIFY(first.waitForFinished());
    QVERIFY(QFile::exists(path)); // the killed copy could not clean up

    SingleInstance next(path);
    QVERIFY(next.acquire());
}

void SingleInstanceTest::lockIsReleasedWhenTheCopyEnds()
{
    const QString path = dir_.filePath("released.lock");
    {
        SingleInstance first(path);
        QVERIFY(first.acquire());
        SingleInstance second(path);
        QVERIFY(!second.acquire());
    }
    SingleInstance later(path);
    QVERIFY(later.acquire());
}

void SingleInstanceTest::defaultLockIsInThePrivateRuntimeFolder()
{
    const QFileInfo lock(SingleInstance::DefaultLockPath());
    QCOMPARE(lock.fileName(), "lunetide.lock");
    const QFileInfo folder(lock.absolutePath());
    QVERIFY(folder.isDir());
    QCOMPARE(folder.permissions() & (QFile::ReadGroup | QFile::ReadOther | QFile::WriteOther),
             QFile::Permissions());
}

QTEST_GUILESS_MAIN(SingleInstanceTest)
#include "test_single_instance.moc"
