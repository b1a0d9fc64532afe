// Where the user's files are, and what of them is read or made: the size limit to the byte, what
// is never opened for reading, the folders made for the user alone.
#include "settings/ini_file.h"
#include "settings/user_files.h"
#include "settings/user_folders.h"

#include <QTemporaryDir>
#include <QTest>

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

QTEST_GUILESS_MAIN(UserFilesTest)
#include "test_user_files.moc"
