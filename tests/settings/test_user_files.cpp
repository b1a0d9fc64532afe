// Where the user's files are, and what of them is read or made: the size limit to the byte, what
// is never opened for reading, the folders made for the user alone, the place of the lock.
#include "settings/ini_file.h"
#include "settings/user_files.h"
#include "settings/user_folders.h"
#include "settings/user_settings.h"

#include <QTemporaryDir>
#include <QTest>

#include <filesystem>
#include <pwd.h>
#include <sys/stat.h>
#include <unistd.h>

Q_DECLARE_METATYPE(SmallFile::State)

class UserFilesTest : public QObject {
    Q_OBJECT

private slots:
    void readSmallFile_data();
    void readSmallFile();
    void settingsPath_data();
    void settingsPath();
    void homeNotUtf8();
    void lockPlace_data();
    void lockPlace();
};

namespace {

bool Write(const QString& path, const QByteArray& bytes)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}

// Each case sets what it reads; a null value unsets the variable.
void SetEnvironment(const char* name, const QByteArray& value)
{
    value.isNull() ? qunsetenv(name) : qputenv(name, value);
}

} // namespace

void UserFilesTest::readSmallFile_data()
{
    QTest::addColumn<QString>("kind");
    QTest::addColumn<qint64>("size");
    QTest::addColumn<SmallFile::State>("state");
    QTest::newRow("nothing there") << "missing" << qint64(0) << SmallFile::State::Missing;
    QTest::newRow("exactly the limit") << "file" << kMaxIniFileBytes << SmallFile::State::Read;
    QTest::newRow("one byte over") << "file" << kMaxIniFileBytes + 1 << SmallFile::State::Unusable;
    QTest::newRow("named pipe, no writer") << "pipe" << qint64(0) << SmallFile::State::Unusable;
    QTest::newRow("a link to /dev/zero") << "zero" << qint64(0) << SmallFile::State::Unusable;
}

void UserFilesTest::readSmallFile()
{
    QFETCH(QString, kind);
    QFETCH(qint64, size);
    QFETCH(SmallFile::State, state);

    QTemporaryDir dir;
    const QString path = dir.filePath("lunetide.conf");
    const QByteArray bytes(size, ';');
    if (kind == "file")
        QVERIFY(Write(path, bytes));
    if (kind == "pipe") // opening it for reading would wait for a writer for ever
        QCOMPARE(::mkfifo(QFile::encodeName(path).constData(), 0600), 0);
    if (kind == "zero")
        QVERIFY(QFile::link("/dev/zero", path));

    const SmallFile file = ReadSmallFile(path, kMaxIniFileBytes);
    QCOMPARE(file.state, state);
    QCOMPARE(file.bytes, state == SmallFile::State::Read ? bytes : QByteArray());
    QCOMPARE(IsMissingOrSmallFile(path, kMaxIniFileBytes), state != SmallFile::State::Unusable);
}

void UserFilesTest::settingsPath_data()
{
    QTest::addColumn<QByteArray>("home"); // null: unset
    QTest::addColumn<QByteArray>("configHome");
    QTest::addColumn<QString>("path");
    const QString own = QFile::decodeName(::getpwuid(::geteuid())->pw_dir);
    const QString file = "/.config/Lunetide/lunetide.conf";
    QTest::newRow("the home's") << QByteArray("/home/ann") << QByteArray() << "/home/ann" + file;
    QTest::newRow("a configuration folder of one's own")
        << QByteArray("/home/ann") << QByteArray("/srv/conf") << "/srv/conf/Lunetide/lunetide.conf";
    QTest::newRow("a relative configuration folder is ignored")
        << QByteArray("/home/ann") << QByteArray("conf") << "/home/ann" + file;
    QTest::newRow("no HOME: the password database's") << QByteArray() << QByteArray() << own + file;
    QTest::newRow("a relative HOME") << QByteArray("ann") << QByteArray() << own + file;
    QTest::newRow("a missing HOME that is not UTF-8")
        << QByteArray("/nonexistent/jos\xe9") << QByteArray() << QString();
}

void UserFilesTest::settingsPath()
{
    QFETCH(QByteArray, home);
    QFETCH(QByteArray, configHome);
    QFETCH(QString, path);

    SetEnvironment("HOME", home);
    SetEnvironment("XDG_CONFIG_HOME", configHome);
    QCOMPARE(SettingsFilePath(), path);
}

// Qt would open another, invented name: the files go into the real home, reached by its bytes,
// and nothing is made above a home that is missing.
void UserFilesTest::homeNotUtf8()
{
    QTemporaryDir dir;
    const QByteArray home = QFile::encodeName(dir.path()) + "/jos\xe9";
    QCOMPARE(::mkdir(home.constData(), 0700), 0);
    SetEnvironment("HOME", home);
    SetEnvironment("XDG_CONFIG_HOME", {});

    QVERIFY(UserSettings().SetDuration("2026-12-08"));
    QVERIFY(!LockFilePath(dir.filePath("no runtime")).isEmpty());
    struct stat info {};
    QCOMPARE(::stat(home + "/.config/Lunetide/lunetide.conf", &info), 0);
    QCOMPARE(::stat(home + "/.cache/lunetide", &info), 0);
    std::filesystem::remove_all(home.constData()); // QTemporaryDir cannot see it

    SetEnvironment("HOME", QFile::encodeName(dir.filePath("gone/home")));
    QVERIFY(!UserSettings().SetDuration("2026-12-08"));
    QVERIFY(!QFileInfo::exists(dir.filePath("gone")));
}

// The lock goes into <root>/UID only when that folder is this user's alone; otherwise into the
// home's cache folder, made for this user alone.
void UserFilesTest::lockPlace_data()
{
    QTest::addColumn<QString>("runtime"); // the mode of <root>/UID, or what it is
    QTest::addColumn<bool>("used");
    QTest::newRow("private") << "0700" << true;
    QTest::newRow("readable by others") << "0755" << false;
    QTest::newRow("writable by the group") << "0770" << false;
    QTest::newRow("another user's") << "other" << false;
    QTest::newRow("missing") << "missing" << false;
}

void UserFilesTest::lockPlace()
{
    QFETCH(QString, runtime);
    QFETCH(bool, used);

    QTemporaryDir dir;
    const QString folder = dir.filePath(QStringLiteral("run/%1").arg(::geteuid()));
    const QByteArray name = QFile::encodeName(folder);
    QVERIFY(QDir().mkpath(dir.filePath("run")) && QDir().mkpath(dir.filePath("home")));
    if (runtime != "missing")
        QVERIFY(QDir().mkdir(folder) && ::chmod(name, runtime.toUInt(nullptr, 8) | 0700) == 0);
    if (runtime == "other" && ::chown(name, ::geteuid() + 1, ::getegid()) != 0)
        QSKIP("cannot give a folder to another user (needs root)");

    SetEnvironment("HOME", QFile::encodeName(dir.filePath("home")));
    const QString cache = dir.filePath("home/.cache/lunetide");
    QCOMPARE(LockFilePath(dir.filePath("run")), (used ? folder : cache) + "/lunetide.lock");
    QCOMPARE(QFileInfo::exists(cache), !used);
    if (!used)
        QCOMPARE(QFile::permissions(cache) & 0x0777, QFile::Permissions(0x0700));
}

QTEST_GUILESS_MAIN(UserFilesTest)
#include "test_user_files.moc"
