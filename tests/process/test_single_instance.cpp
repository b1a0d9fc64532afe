#include "process/single_instance.h"

#include <QProcess>
#include <QRandomGenerator>
#include <QSysInfo>
#include <QTemporaryDir>
#include <QTest>

#include <csignal>
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
    void defaultLockDependsOnTheUserAlone_data();
    void defaultLockDependsOnTheUserAlone();

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
    // Never read: QLockFile would read them without end. (A named pipe: see the end-to-end checks.)
    QTest::newRow("a link to /dev/zero") << QByteArray("<zero>") << false << Outcome::Unavailable;
    QTest::newRow("a large file") << RandomBytes(1 << 20) << false << Outcome::Unavailable;
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
    else if (contents == "<zero>")
        QVERIFY(QFile::link("/dev/zero", path));
    else
        Write(path, contents);
    const QFileInfo before(path);

    SingleInstance next(path);
    QCOMPARE(next.acquire(), outcome);
    if (outcome == Outcome::Unavailable) {
        QVERIFY2(next.problem().contains(path), qPrintable(next.problem()));
        const QFileInfo after(path); // left as it was
        QCOMPARE(after.isSymLink(), before.isSymLink());
        QCOMPARE(after.isFile(), before.isFile());
        QCOMPARE(after.size(), before.size());
    } else {
        QVERIFY(next.problem().isEmpty());
    }
    if (copyRunning) {
        QCOMPARE(holder.state(), QProcess::Running);
        holder.kill();
        holder.waitForFinished();
    }
}

// One lock per user, whatever the session's environment says: a copy started with
// XDG_RUNTIME_DIR and one started without (su, ssh, cron) find the same lock, in the system's
// runtime folder for the user when it is private, else in the user's own cache folder. Never in
// a folder other users can write, as Qt's fallback under the temporary folder would be.
void SingleInstanceTest::defaultLockDependsOnTheUserAlone_data()
{
    // XDG_RUNTIME_DIR and XDG_CACHE_HOME: a folder in the home, or unset ("").
    QTest::addColumn<QString>("runtime");
    QTest::addColumn<QString>("cache");
    QTest::newRow("session runtime folder") << "runtime"
                                            << "";
    QTest::newRow("no runtime folder") << ""
                                       << "";
    QTest::newRow("a runtime folder others can write") << "shared"
                                                       << "";
    QTest::newRow("another cache folder") << ""
                                          << "tmp";
}

void SingleInstanceTest::defaultLockDependsOnTheUserAlone()
{
    QFETCH(QString, runtime);
    QFETCH(QString, cache);

    QTemporaryDir home;
    for (const char* folder : {"runtime", "shared", "tmp"})
        QVERIFY(QDir(home.path()).mkdir(folder));
    QVERIFY(QFile::setPermissions(home.filePath("runtime"), QFile::Permissions(0x7700)));
    QVERIFY(QFile::setPermissions(home.filePath("shared"), QFile::Permissions(0x7777)));
    const QList<std::pair<const char*, QString>> environment{
        {"HOME", home.path()},
        {"TMPDIR", home.filePath("tmp")},
        {"XDG_RUNTIME_DIR", runtime.isEmpty() ? runtime : home.filePath(runtime)},
        {"XDG_CACHE_HOME", cache.isEmpty() ? cache : home.filePath(cache)}};
    QList<QByteArray> saved;
    for (const auto& [name, value] : environment) {
        saved << qgetenv(name);
        value.isEmpty() ? qunsetenv(name) : qputenv(name, QFile::encodeName(value));
    }
    const QString path = LockFilePath();
    for (qsizetype i = 0; i < environment.size(); ++i)
        qputenv(environment[i].first, saved[i]);

    const QString system = QStringLiteral("/run/user/%1").arg(::geteuid());
    if (QFileInfo(system).isDir() && QFileInfo(system).ownerId() == ::geteuid() &&
        (QFile::permissions(system) & 0x0077) == 0) {
        QCOMPARE(path, system + "/lunetide.lock");
    } else {
        QCOMPARE(path, home.filePath(".cache/lunetide/lunetide.lock"));
        for (const QString& made : {home.filePath(".cache"), home.filePath(".cache/lunetide")})
            QCOMPARE(QFile::permissions(made) & 0x0777, QFile::Permissions(0x0700));
    }
    QCOMPARE(QDir(home.filePath("tmp")).entryList(QDir::AllEntries | QDir::NoDotAndDotDot),
             QStringList());
    SingleInstance instance(path);
    QCOMPARE(instance.acquire(), Outcome::Acquired);
}

QTEST_GUILESS_MAIN(SingleInstanceTest)
#include "test_single_instance.moc"
