#include "app/single_instance.h"

#include <QProcess>
#include <QRandomGenerator>
#include <QSysInfo>
#include <QTemporaryDir>
#include <QTest>

#include <csignal>
#include <pwd.h>
#include <unistd.h>

using Outcome = SingleInstance::Outcome;
Q_DECLARE_METATYPE(SingleInstance::Outcome)

class SingleInstanceTest : public QObject {
    Q_OBJECT

private slots:
    void secondCopyIsRefusedWhileTheFirstRuns();
    void lockOfAKilledCopyIsTakenOver();
    void lockIsReleasedWhenTheCopyEnds();
    void leftBehind_data();
    void leftBehind();
    void defaultLockIsInThePrivateRuntimeFolder();
    void withoutARuntimeFolderTheLockStaysPrivate();

private:
    // Starts a process that holds the lock, as a running copy of the program would.
    static bool StartHolder(QProcess& holder, const QString& lockPath);
    QTemporaryDir dir_;
};

namespace {

void Write(const QString& path, const QByteArray& bytes)
{
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate)); // same file, same inode
    QCOMPARE(file.write(bytes), bytes.size());
}

QByteArray RandomBytes(int count)
{
    QByteArray bytes(count, '\0');
    QRandomGenerator generator(11);
    for (char& byte : bytes)
        byte = static_cast<char>(generator.bounded(256));
    return bytes;
}

} // namespace

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
    QCOMPARE(second.acquire(), Outcome::HeldByRunningCopy);
    QCOMPARE(second.acquire(), Outcome::HeldByRunningCopy); // asking again changes nothing
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
    QCOMPARE(next.acquire(), Outcome::Acquired);
}

void SingleInstanceTest::lockIsReleasedWhenTheCopyEnds()
{
    const QString path = dir_.filePath("released.lock");
    {
        SingleInstance first(path);
        QCOMPARE(first.acquire(), Outcome::Acquired);
        SingleInstance second(path);
        QCOMPARE(second.acquire(), Outcome::HeldByRunningCopy);
    }
    SingleInstance later(path);
    QCOMPARE(later.acquire(), Outcome::Acquired);
}

// What a crash, a full disk or another machine leaves at the lock's path. Without a running copy
// a lock file is taken over whatever it holds; while a copy runs, the same contents written over
// its lock do not let a second copy in; what cannot be a lock file is reported and the start goes
// on.
void SingleInstanceTest::leftBehind_data()
{
    QTest::addColumn<QByteArray>("contents"); // "<dir>" for a folder at the path
    QTest::addColumn<bool>("copyRunning");
    QTest::addColumn<Outcome>("outcome");

    const QByteArray otherHost = "4242\nlunetide\nanother-" + QSysInfo::machineHostName().toUtf8() +
                                 "\n3d1219c7c4c5404aaa1f6d2a48adfda4\n";
    const QByteArray deadHere =
        "999999999\nlunetide\n" + QSysInfo::machineHostName().toUtf8() + "\n";
    for (const bool running : {false, true}) {
        const Outcome free = running ? Outcome::HeldByRunningCopy : Outcome::Acquired;
        const char* when = running ? ", copy running" : "";
        QTest::addRow("empty%s", when) << QByteArray() << running << free;
        QTest::addRow("300 random bytes%s", when) << RandomBytes(300) << running << free;
        QTest::addRow("another host's lock%s", when) << otherHost << running << free;
        QTest::addRow("a gone process's lock%s", when) << deadHere << running << free;
    }
    QTest::newRow("a folder in the way") << QByteArray("<dir>") << false << Outcome::Unavailable;
    QTest::newRow("folder others can write")
        << QByteArray("<shared>") << false << Outcome::Unavailable;
}

void SingleInstanceTest::leftBehind()
{
    QFETCH(QByteArray, contents);
    QFETCH(bool, copyRunning);
    QFETCH(Outcome, outcome);

    QTemporaryDir folder;
    const QString path = folder.filePath("lunetide.lock");
    QProcess holder;
    if (copyRunning)
        QVERIFY(StartHolder(holder, path));
    if (contents == "<dir>")
        QVERIFY(QDir().mkdir(path));
    else if (contents == "<shared>")
        QVERIFY(QFile::setPermissions(folder.path(), QFile::Permissions(0x7777)));
    else
        Write(path, contents);

    SingleInstance next(path);
    QCOMPARE(next.acquire(), outcome);
    if (outcome == Outcome::Unavailable)
        QVERIFY2(next.problem().contains(path), qPrintable(next.problem()));
    else
        QVERIFY(next.problem().isEmpty());
    if (copyRunning) {
        QCOMPARE(holder.state(), QProcess::Running);
        holder.kill();
        holder.waitForFinished();
    }
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

// Without a usable runtime folder Qt would have fallen back to the shared temporary folder; the
// lock goes to a folder in the user's own cache folder instead, made for this user alone.
void SingleInstanceTest::withoutARuntimeFolderTheLockStaysPrivate()
{
    QTemporaryDir home;
    const QByteArray savedRuntime = qgetenv("XDG_RUNTIME_DIR");
    const QByteArray savedTemp = qgetenv("TMPDIR");
    const QByteArray savedCache = qgetenv("XDG_CACHE_HOME");
    const QString shared = home.filePath("tmp");
    QVERIFY(QDir().mkpath(shared));
    // The runtime folder Qt would fall back to is already taken by a file.
    QFile squatter(shared + "/runtime-" + QString::fromLocal8Bit(::getpwuid(::geteuid())->pw_name));
    QVERIFY(squatter.open(QIODevice::WriteOnly));
    qunsetenv("XDG_RUNTIME_DIR");
    qputenv("TMPDIR", QFile::encodeName(shared));
    qputenv("XDG_CACHE_HOME", QFile::encodeName(home.filePath("cache")));

    const QString path = SingleInstance::DefaultLockPath();
    SingleInstance instance(path);
    const Outcome outcome = instance.acquire();

    qputenv("XDG_RUNTIME_DIR", savedRuntime);
    qputenv("TMPDIR", savedTemp);
    qputenv("XDG_CACHE_HOME", savedCache);
    QVERIFY2(!path.startsWith(shared), qPrintable(path));
    QCOMPARE(path, home.filePath("cache/lunetide/lunetide.lock"));
    QCOMPARE(QFileInfo(path).absoluteDir().path(), home.filePath("cache/lunetide"));
    QCOMPARE(QFile::permissions(home.filePath("cache/lunetide")) & 0x0077, QFile::Permissions());
    QCOMPARE(outcome, Outcome::Acquired);
}

QTEST_GUILESS_MAIN(SingleInstanceTest)
#include "test_single_instance.moc"
