// Setting one key of the settings file: the rest of the file stays as it is, QSettings reads the
// result, and a full disk leaves the old file or the new one, whole.
#include "app/ini_file.h"
#include "app/update_reminder.h"

#include <QCoreApplication>
#include <QSettings>
#include <QTemporaryDir>
#include <QTest>

#include <fcntl.h>
#include <sched.h>
#include <sys/mount.h>
#include <sys/statvfs.h>
#include <unistd.h>

namespace {

constexpr qint64 kPage = 4096;

QByteArray Read(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<missing>");
}

bool Write(const QString& path, const QByteArray& bytes)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}

qint64 FreeBytes(const QString& folder)
{
    struct statvfs info {};
    return ::statvfs(QFile::encodeName(folder).constData(), &info) == 0
               ? qint64(info.f_bavail) * qint64(info.f_frsize)
               : -1;
}

// Fills the file system the folder is on, then gives back the bytes asked for.
bool FillLeaving(const QString& folder, qint64 bytes)
{
    const int fd = ::open(QFile::encodeName(folder + "/filler").constData(),
                          O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0600);
    if (fd < 0)
        return false;
    const QByteArray chunk(kPage, 'x');
    qint64 size = 0;
    for (ssize_t n; (n = ::write(fd, chunk.constData(), chunk.size())) > 0;)
        size += n;
    const bool ok = ::ftruncate(fd, qMax<qint64>(0, size - bytes)) == 0;
    ::close(fd);
    return ok;
}

} // namespace

class IniFileTest : public QObject {
    Q_OBJECT

public:
    explicit IniFileTest(bool privateMounts) : privateMounts_(privateMounts) {}

private slots:
    void setValue_data();
    void setValue();
    void fullDisk_data();
    void fullDisk();

private:
    bool privateMounts_;
};

void IniFileTest::setValue_data()
{
    QTest::addColumn<QByteArray>("before"); // "<missing>": no file
    QTest::addColumn<QByteArray>("after");

    QTest::newRow("no file") << QByteArray("<missing>") << QByteArray("[Settings]\nDuration=D\n");
    QTest::newRow("empty file") << QByteArray() << QByteArray("[Settings]\nDuration=D\n");
    QTest::newRow("other sections only")
        << QByteArray("[Window]\nx=1") << QByteArray("[Window]\nx=1\n\n[Settings]\nDuration=D\n");
    QTest::newRow("section without the key")
        << QByteArray("[Settings]\nOther=\"a, b\"\n[Window]\nx=1\n")
        << QByteArray("[Settings]\nDuration=D\nOther=\"a, b\"\n[Window]\nx=1\n");
    QTest::newRow("key replaced, the rest kept")
        << QByteArray(
               "; note\n[Window]\nDuration=7\n\n[Settings]\nA=1\nDuration = 2001-01-01\nB=2\n")
        << QByteArray("; note\n[Window]\nDuration=7\n\n[Settings]\nA=1\nDuration=D\nB=2\n");
    QTest::newRow("CRLF lines") << QByteArray("[Settings]\r\nDuration=x\r\nB=2\r\n")
                                << QByteArray("[Settings]\r\nDuration=D\r\nB=2\r\n");
    QTest::newRow("a value continued on the next line")
        << QByteArray("[Settings]\nNote=one \\\nDuration=two\n")
        << QByteArray("[Settings]\nDuration=D\nNote=one \\\nDuration=two\n");
    QTest::newRow("a list and a type kept")
        << QByteArray("[Settings]\nDuration=a, b, c\nSize=@Size(3 4)\n")
        << QByteArray("[Settings]\nDuration=D\nSize=@Size(3 4)\n");
}

void IniFileTest::setValue()
{
    QFETCH(QByteArray, before);
    QFETCH(QByteArray, after);

    QTemporaryDir dir;
    const QString path = dir.filePath("lunetide.conf");
    if (before != "<missing>")
        QVERIFY(Write(path, before));
    QVERIFY(SetIniValue(path, "Settings", "Duration", "D"));
    QCOMPARE(Read(path), after);
    QCOMPARE(QSettings(path, QSettings::IniFormat).value("Settings/Duration").toString(), "D");
    QCOMPARE(QDir(dir.path()).entryList(QDir::Files), QStringList{"lunetide.conf"});
}

// The update question answered on a small file system that is full or nearly full. The settings
// file is two pages long, so that its write can fail half-way.
void IniFileTest::fullDisk_data()
{
    QTest::addColumn<qint64>("free");
    QTest::addColumn<bool>("written");
    QTest::newRow("nothing free") << qint64(0) << false;
    QTest::newRow("one page free") << kPage << false;
    QTest::newRow("two pages free") << 2 * kPage << true;
    QTest::newRow("plenty free") << 16 * kPage << true;
}

void IniFileTest::fullDisk()
{
    QFETCH(qint64, free);
    QFETCH(bool, written);
    if (!privateMounts_)
        QSKIP("needs root, for a small file system in a private mount namespace");

    QTemporaryDir dir;
    const QString folder = dir.filePath("fs");
    QVERIFY(QDir().mkdir(folder));
    if (::mount("tmpfs", QFile::encodeName(folder).constData(), "tmpfs", 0, "size=256k") != 0)
        QSKIP(qPrintable(QStringLiteral("cannot mount a tmpfs: %1").arg(qt_error_string(errno))));
    const auto unmount = qScopeGuard([&] { ::umount2(QFile::encodeName(folder).constData(), 0); });

    const QString path = folder + "/lunetide.conf";
    const QByteArray old =
        "[Settings]\nDuration=2001-01-01\nNotes=" + QByteArray(6000, 'n') + "\n\n[Window]\nx=1\n";
    QByteArray changed = old;
    changed.replace("2001-01-01", "2026-12-07");
    QVERIFY(Write(path, old));
    QVERIFY(FillLeaving(folder, free));
    QCOMPARE(FreeBytes(folder), free);

    int asked = 0;
    UpdateReminder(
        path, QDate(2026, 12, 7), [&](const QString&) { return ++asked, false; }, [] {});

    QCOMPARE(asked, 1);
    QCOMPARE(Read(path), written ? changed : old);
    QCOMPARE(QDir(folder).entryList(QDir::Files), QStringList({"filler", "lunetide.conf"}));
}

int main(int argc, char* argv[])
{
    // Before any thread starts: a private mount namespace, so that the test's file systems are
    // seen by this process alone and vanish with it.
    const bool privateMounts = ::geteuid() == 0 && ::unshare(CLONE_NEWNS) == 0 &&
                               ::mount("none", "/", nullptr, MS_REC | MS_PRIVATE, nullptr) == 0;
    QCoreApplication app(argc, argv);
    IniFileTest test(privateMounts);
    return QTest::qExec(&test, argc, argv);
}

#include "test_ini_file.moc"
