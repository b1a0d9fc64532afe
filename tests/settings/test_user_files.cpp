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
    void makePrivateFolder_data();
    void makePrivateFolder();
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

// Sets environment variables for the life of the object; an empty value unsets one.
class Environment {
public:
    explicit Environment(const QList<std::pair<const char*, QByteArray>>& values)
    {
        for (const auto& [name, value] : values) {
            saved_.append({name, qEnvironmentVariableIsSet(name), qgetenv(name)});
            value.isNull() ? qunsetenv(name) : qputenv(name, value);
        }
    }
    ~Environment()
    {
        for (const Saved& saved : saved_)
            saved.set ? qputenv(saved.name, saved.value) : qunsetenv(saved.name);
    }

private:
    struct Saved {
        const char* name;
        bool set;
        QByteArray value;
    };
    QList<Saved> saved_;
};

} // namespace

void UserFilesTest::readSmallFile_data()
{
    QTest::addColumn<QString>("kind");
    QTest::addColumn<qint64>("size");
    QTest::addColumn<SmallFile::State>("state");
    QTest::newRow("nothing there") << "missing" << qint64(0) << SmallFile::State::Missing;
    QTest::newRow("a file on the way") << "under a file" << qint64(0) << SmallFile::State::Missing;
    QTest::newRow("empty") << "file" << qint64(0) << SmallFile::State::Read;
    QTest::newRow("exactly the limit") << "file" << kMaxIniFileBytes << SmallFile::State::Read;
    QTest::newRow("one byte over") << "file" << kMaxIniFileBytes + 1 << SmallFile::State::Unusable;
    QTest::newRow("a link to a file") << "link" << qint64(10) << SmallFile::State::Read;
    QTest::newRow("named pipe, no writer") << "pipe" << qint64(0) << SmallFile::State::Unusable;
    QTest::newRow("a link to /dev/zero") << "zero" << qint64(0) << SmallFile::State::Unusable;
    QTest::newRow("folder") << "folder" << qint64(0) << SmallFile::State::Unusable;
}

void UserFilesTest::readSmallFile()
{
    QFETCH(QString, kind);
    QFETCH(qint64, size);
    QFETCH(SmallFile::State, state);

    QTemporaryDir dir;
    QString path = dir.filePath("lunetide.conf");
    const QByteArray bytes(size, ';');
    if (kind == "file" || kind == "under a file")
        QVERIFY(Write(path, bytes));
    if (kind == "under a file")
        path += "/lunetide.conf";
    if (kind == "link")
        QVERIFY(Write(dir.filePath("real"), bytes) && QFile::link(dir.filePath("real"), path));
    if (kind == "pipe")
        QCOMPARE(::mkfifo(QFile::encodeName(path).constData(), 0600), 0);
    if (kind == "zero")
        QVERIFY(QFile::link("/dev/zero", path));
    if (kind == "folder")
        QVERIFY(QDir(dir.path()).mkdir("lunetide.conf"));

    const SmallFile file = ReadSmallFile(path, kMaxIniFileBytes);
    QCOMPARE(file.state, state);
    QCOMPARE(file.bytes, state == SmallFile::State::Read ? bytes : QByteArray());
    QCOMPARE(IsMissingOrSmallFile(path, kMaxIniFileBytes), state != SmallFile::State::Unusable);
}

void UserFilesTest::makePrivateFolder_data()
{
    QTest::addColumn<QString>("below"); // inside the temporary folder
    QTest::addColumn<QString>("folder");
    QTest::addColumn<QStringList>("made");
    QTest::newRow("below the home")
        << "home"
        << "home/.config/Lunetide" << QStringList{"home/.config", "home/.config/Lunetide"};
    QTest::newRow("home missing") << "gone"
                                  << "gone/.config/Lunetide" << QStringList{};
    QTest::newRow("outside the home") << "home"
                                      << "elsewhere/Lunetide" << QStringList{};
    QTest::newRow("a look-alike beside the home") << "home"
                                                  << "home2/Lunetide" << QStringList{};
}

void UserFilesTest::makePrivateFolder()
{
    QFETCH(QString, below);
    QFETCH(QString, folder);
    QFETCH(QStringList, made);

    QTemporaryDir dir;
    QVERIFY(QDir(dir.path()).mkdir("home"));
    QCOMPARE(MakePrivateFolder(dir.filePath(folder), dir.filePath(below)), !made.isEmpty());
    for (const QString& path : made)
        QCOMPARE(QFile::permissions(dir.filePath(path)) & 0x0777, QFile::Permissions(0x0700));
    QDir::Filters all = QDir::AllEntries | QDir::NoDotAndDotDot;
    QCOMPARE(QDir(dir.path()).entryList(all), QStringList{"home"});
    if (made.isEmpty())
        QCOMPARE(QDir(dir.filePath("home")).entryList(all), QStringList());
}

void UserFilesTest::settingsPath_data()
{
    QTest::addColumn<QByteArray>("home"); // a null array: unset
    QTest::addColumn<QByteArray>("configHome");
    QTest::addColumn<QString>("path");
    const QString own = QFile::decodeName(::getpwuid(::geteuid())->pw_dir);
    QTest::newRow("the home's") << QByteArray("/home/ann") << QByteArray()
                                << "/home/ann/.config/Lunetide/lunetide.conf";
    QTest::newRow("a configuration folder of one's own")
        << QByteArray("/home/ann") << QByteArray("/srv/ann/conf")
        << "/srv/ann/conf/Lunetide/lunetide.conf";
    QTest::newRow("a relative configuration folder is ignored")
        << QByteArray("/home/ann") << QByteArray("conf")
        << "/home/ann/.config/Lunetide/lunetide.conf";
    QTest::newRow("no HOME: the password database's")
        << QByteArray() << QByteArray() << own + "/.config/Lunetide/lunetide.conf";
    QTest::newRow("an empty HOME")
        << QByteArray("") << QByteArray() << own + "/.config/Lunetide/lunetide.conf";
    QTest::newRow("a relative HOME")
        << QByteArray("ann") << QByteArray() << own + "/.config/Lunetide/lunetide.conf";
    QTest::newRow("a missing HOME that is not UTF-8")
        << QByteArray("/home/jos\xe9") << QByteArray() << QString();
    QTest::newRow("not UTF-8, but a configuration folder of one's own")
        << QByteArray("/home/jos\xe9") << QByteArray("/srv/conf")
        << "/srv/conf/Lunetide/lunetide.conf";
}

void UserFilesTest::settingsPath()
{
    QFETCH(QByteArray, home);
    QFETCH(QByteArray, configHome);
    QFETCH(QString, path);

    const Environment environment({{"HOME", home}, {"XDG_CONFIG_HOME", configHome}});
    QCOMPARE(SettingsFilePath(), path);
}

// Qt would open another, invented name: the files go into the real home, reached by its bytes.
void UserFilesTest::homeNotUtf8()
{
    QTemporaryDir dir;
    const QByteArray home = QFile::encodeName(dir.path()) + "/jos\xe9";
    QCOMPARE(::mkdir(home.constData(), 0700), 0);
    const Environment environment({{"HOME", home}, {"XDG_CONFIG_HOME", QByteArray()}});

    QVERIFY(UserSettings().SetDuration("2026-12-08"));
    QVERIFY(!LockFilePath(dir.filePath("no runtime")).isEmpty());
    struct stat info {};
    QCOMPARE(::stat(home + "/.config/Lunetide/lunetide.conf", &info), 0);
    QCOMPARE(::stat(home + "/.cache/lunetide", &info), 0);
    std::filesystem::remove_all(home.constData()); // QTemporaryDir cannot see it
}

// The lock goes into <root>/UID only when that folder is this user's alone; otherwise into the
// home's cache folder, made for this user alone.
void UserFilesTest::lockPlace_data()
{
    QTest::addColumn<QString>("runtime"); // what <root>/UID is
    QTest::addColumn<bool>("used");
    QTest::newRow("private") << "0700" << true;
    QTest::newRow("readable by others") << "0755" << false;
    QTest::newRow("writable by the group") << "0770" << false;
    QTest::newRow("writable by all") << "1777" << false;
    QTest::newRow("another user's") << "other" << false;
    QTest::newRow("missing") << "missing" << false;
    QTest::newRow("a file") << "file" << false;
}

void UserFilesTest::lockPlace()
{
    QFETCH(QString, runtime);
    QFETCH(bool, used);

    QTemporaryDir dir;
    const QString folder = dir.filePath(QStringLiteral("run/%1").arg(::geteuid()));
    QVERIFY(QDir().mkpath(dir.filePath("run")) && QDir().mkpath(dir.filePath("home")));
    if (runtime == "file")
        QVERIFY(Write(folder, {}));
    else if (runtime != "missing")
        QVERIFY(QDir().mkdir(folder));
    if (runtime.startsWith('0') || runtime.startsWith('1'))
        QCOMPARE(::chmod(QFile::encodeName(folder).constData(), runtime.toUInt(nullptr, 8)), 0);
    if (runtime == "other") {
        QCOMPARE(::chmod(QFile::encodeName(folder).constData(), 0700), 0);
        if (::chown(QFile::encodeName(folder).constData(), ::geteuid() + 1, ::getegid()) != 0)
            QSKIP("cannot give a folder to another user (needs root)");
    }

    const Environment environment({{"HOME", QFile::encodeName(dir.filePath("home"))},
                                   {"XDG_RUNTIME_DIR", QFile::encodeName(dir.filePath("run"))}});
    const QString path = LockFilePath(dir.filePath("run"));
    const QString cache = dir.filePath("home/.cache/lunetide");
    QCOMPARE(path, (used ? folder : cache) + "/lunetide.lock");
    QCOMPARE(QFileInfo::exists(cache), !used);
    if (!used)
        QCOMPARE(QFile::permissions(cache) & 0x0777, QFile::Permissions(0x0700));
}

QTEST_GUILESS_MAIN(UserFilesTest)
#include "test_user_files.moc"
