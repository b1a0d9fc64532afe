// Setting one key of the settings file: the rest of the file stays as it is, QSettings reads the
// result, and a full disk leaves the old file or the new one, whole.
#include "settings/ini_file.h"
#include "settings/user_settings.h"
#include "support/file_bytes.h"

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

// What QSettings reads from a file: the key as the program reads it (a fresh QSettings that looks
// only in the key's section), and every key once every section has been read. Each time from a
// new file: QSettings keeps what it read while a file's size and time stay the same.
struct Judged {
    QString value;
    QVariantMap all;
};

Judged Judge(const QByteArray& bytes)
{
    QTemporaryDir dir;
    const QString path = dir.filePath("copy.conf");
    Write(path, bytes == "<missing>" ? QByteArray() : bytes);
    Judged judged;
    judged.value = QSettings(path, QSettings::IniFormat).value("Settings/Duration").toString();
    QSettings settings(path, QSettings::IniFormat);
    for (const QString& key : settings.allKeys())
        judged.all.insert(key, settings.value(key));
    return judged;
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
    void leftoverNewFile();

private:
    bool privateMounts_;
};

// QSettings is the judge: after the write it reads the new value, and every other key as before.
// Where QSettings reads no line as the key (a comment, a continued value, another section), the
// line stays and the key is added.
void IniFileTest::setValue_data()
{
    QTest::addColumn<QByteArray>("before"); // "<missing>": no file
    QTest::addColumn<QByteArray>("after");  // the same as before: not written

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
    QTest::newRow("CRLF lines, key added")
        << QByteArray("[Settings]\r\nB=2\r\n") << QByteArray("[Settings]\r\nDuration=D\r\nB=2\r\n");
    QTest::newRow("a value continued on the next line")
        << QByteArray("[Settings]\nNote=one \\\nDuration=two\n")
        << QByteArray("[Settings]\nDuration=D\nNote=one \\\nDuration=two\n");
    QTest::newRow("a comment ending in a backslash")
        << QByteArray("[Settings]\n; kept in C:\\\nDuration=2001-01-01\n")
        << QByteArray("[Settings]\n; kept in C:\\\nDuration=D\n");
    QTest::newRow("a value ending in an escaped backslash")
        << QByteArray("[Settings]\nPath=C:\\\\\nDuration=2001-01-01\n")
        << QByteArray("[Settings]\nPath=C:\\\\\nDuration=D\n");
    QTest::newRow("a quoted value over lines")
        << QByteArray("[Settings]\nNote=\"a\nDuration=b\"\n")
        << QByteArray("[Settings]\nDuration=D\nNote=\"a\nDuration=b\"\n");
    QTest::newRow("a comment after the value")
        << QByteArray("[Settings]\nDuration=2001-01-01 ; first start\n")
        << QByteArray("[Settings]\nDuration=D; first start\n");
    QTest::newRow("byte order mark") << QByteArray("\xef\xbb\xbf[Settings]\nDuration=2001-01-01\n")
                                     << QByteArray("\xef\xbb\xbf[Settings]\nDuration=D\n");
    QTest::newRow("spaced heading") << QByteArray("[ Settings ] ; mine\nA=1\n")
                                    << QByteArray("[ Settings ] ; mine\nDuration=D\nA=1\n");
    QTest::newRow("percent-encoded names") << QByteArray("[Sett%69ngs]\nDur%61tion=2001-01-01\n")
                                           << QByteArray("[Sett%69ngs]\nDur%61tion=D\n");
    QTest::newRow("a %U escape") << QByteArray("[Settings]\nDur%U0061tion=2001-01-01\n")
                                 << QByteArray("[Settings]\nDur%U0061tion=D\n");
    QTest::newRow("the key twice") << QByteArray("[Settings]\nDuration=1\n[W]\nx=1\n[Settings]\n"
                                                 "Duration=2\n")
                                   << QByteArray("[Settings]\nDuration=D\n[W]\nx=1\n[Settings]\n"
                                                 "Duration=D\n");
    QTest::newRow("the key in the General section")
        << QByteArray("[General]\nSettings\\Duration=1\n")
        << QByteArray("[General]\nSettings\\Duration=D\n\n[Settings]\nDuration=D\n");
    QTest::newRow("another section's case")
        << QByteArray("[settings]\nDuration=1\n")
        << QByteArray("[settings]\nDuration=1\n\n[Settings]\nDuration=D\n");
    QTest::newRow("a list and a type kept")
        << QByteArray("[Settings]\nDuration=a, b, c\nSize=@Size(3 4)\n")
        << QByteArray("[Settings]\nDuration=D\nSize=@Size(3 4)\n");
    // Text added at the end would become part of the last value: the section goes first.
    QTest::newRow("open quote at the end")
        << QByteArray("[W]\nx=\"a") << QByteArray("[Settings]\nDuration=D\n\n[W]\nx=\"a");
    QTest::newRow("open quote at the end, a key above the first heading")
        << QByteArray("A=1\n[W]\nx=\"a") << QByteArray("A=1\n[W]\nx=\"a");
    // The line break added would make one escaped break with the lone one at the end.
    QTest::newRow("a backslash and a lone CR at the end")
        << QByteArray("[Other]\rNote=first line\\\r")
        << QByteArray("[Settings]\nDuration=D\n\n[Other]\rNote=first line\\\r");
    QTest::newRow("a backslash and a lone LF at the end, a comment and CRLF before")
        << QByteArray("; mine\r\n[Other]\r\nNote=first line\\\n")
        << QByteArray("; mine\r\n[Settings]\r\nDuration=D\r\n\r\n[Other]\r\nNote=first line\\\n");
    QTest::newRow("a backslash and a lone CR at the end, a key above the first heading")
        << QByteArray("A=1\n[Other]\nNote=first line\\\r")
        << QByteArray("A=1\n[Other]\nNote=first line\\\r");
    QTest::newRow("a backslash and CRLF at the end")
        << QByteArray("[Other]\r\nNote=first line\\\r\n")
        << QByteArray("[Other]\r\nNote=first line\\\r\n\r\n[Settings]\r\nDuration=D\r\n");
    QTest::newRow("a backslash and a lone CR, the section above")
        << QByteArray("[Settings]\rNote=first line\\\r")
        << QByteArray("[Settings]\rDuration=D\nNote=first line\\\r");
}

void IniFileTest::setValue()
{
    QFETCH(QByteArray, before);
    QFETCH(QByteArray, after);

    QTemporaryDir dir;
    const QString path = dir.filePath("lunetide.conf");
    if (before != "<missing>")
        QVERIFY(Write(path, before));
    Judged judgedBefore = Judge(Read(path));

    QCOMPARE(SetIniValue(path, "Settings", "Duration", "D"), after != before);
    QCOMPARE(Read(path), after);
    Judged judged = Judge(after);
    if (after != before) {
        QCOMPARE(judged.value, "D");
        QCOMPARE(judged.all.value("Settings/Duration"), "D");
    }
    judged.all.remove("Settings/Duration");
    judgedBefore.all.remove("Settings/Duration");
    QCOMPARE(judged.all, judgedBefore.all);
    QCOMPARE(QDir(dir.path()).entryList(QDir::Files), QStringList{"lunetide.conf"});
}

// The date stored on a small file system that is full or nearly full. The settings
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

    UserSettings settings(path, folder);
    QCOMPARE(settings.duration(), "2001-01-01");
    QCOMPARE(settings.SetDuration("2026-12-07"), written);
    QCOMPARE(Read(path), written ? changed : old);
    QCOMPARE(QDir(folder).entryList(QDir::Files), QStringList({"filler", "lunetide.conf"}));
}

// A store killed before its new file replaced the old one leaves that file beside it: the next
// store removes it once it is a minute old, and nothing else.
void IniFileTest::leftoverNewFile()
{
    QTemporaryDir dir;
    const QString path = dir.filePath("lunetide.conf");
    const QDateTime old = QDateTime::currentDateTime().addSecs(-61);
    for (const char* name : {"lunetide.conf.Ab3xY9", "lunetide.conf.young1", "lunetide.conf.bak"}) {
        QFile file(dir.filePath(name));
        QVERIFY(file.open(QIODevice::WriteOnly));
        QVERIFY(qstrcmp(name, "lunetide.conf.young1") == 0 ||
                file.setFileTime(old, QFileDevice::FileModificationTime));
    }
    QVERIFY(SetIniValue(path, "Settings", "Duration", "2026-12-08"));
    QCOMPARE(QDir(dir.path()).entryList(QDir::Files),
             QStringList({"lunetide.conf", "lunetide.conf.bak", "lunetide.conf.young1"}));
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
