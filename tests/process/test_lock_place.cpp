// Where the lock goes: a private runtime folder, else the home's cache folder made for this user
// alone, reached by its bytes in a home whose name is not UTF-8.
#include "process/lock_place.h"
#include "settings/user_settings.h"

#include <QTemporaryDir>
#include <QTest>

#include <filesystem>
#include <sys/stat.h>
#include <unistd.h>

class LockPlaceTest : public QObject {
    Q_OBJECT

private slots:
    void homeNotUtf8();
    void lockPlace_data();
    void lockPlace();
};

namespace {

// Each case sets what it reads; a null value unsets the variable.
void SetEnvironment(const char* name, const QByteArray& value)
{
    value.isNull() ? qunsetenv(name) : qputenv(name, value);
}

} // namespace

// Qt would open another, invented name: the files go into the real home, reached by its bytes,
// and nothing is made above a home that is missing.
void LockPlaceTest::homeNotUtf8()
{
    QTemporaryDir dir;
    const QByteArray home = QFile::encodeName(dir.path()) + "/jos\xe9";
    QCOMPARE(::mkdir(home.constData(), 0700), 0);
    SetEnvironment("HOME", home);
    SetEnvironment("XDG_CONFIG_HOME", {});

    QVERIFY(UserSettings().SetDuration("2026-12-08"));
    QVERIFY(!LockFilePath(QStringLiteral("lunetide"), dir.filePath("no runtime")).isEmpty());
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
void LockPlaceTest::lockPlace_data()
{
    QTest::addColumn<QString>("runtime"); // the mode of <root>/UID, or what it is
    QTest::addColumn<bool>("used");
    QTest::newRow("private") << "0700" << true;
    QTest::newRow("readable by others") << "0755" << false;
    QTest::newRow("writable by the group") << "0770" << false;
    QTest::newRow("another user's") << "other" << false;
    QTest::newRow("missing") << "missing" << false;
}

void LockPlaceTest::lockPlace()
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
    QCOMPARE(LockFilePath(QStringLiteral("lunetide"), dir.filePath("run")),
             (used ? folder : cache) + "/lunetide.lock");
    QCOMPARE(QFileInfo::exists(cache), !used);
    if (!used)
        QCOMPARE(QFile::permissions(cache) & 0x0777, QFile::Permissions(0x0700));
}

QTEST_GUILESS_MAIN(LockPlaceTest)
#include "test_lock_place.moc"
