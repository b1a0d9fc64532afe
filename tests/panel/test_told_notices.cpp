// What the panel remembers in the user's settings file, starting from an empty home, and which
// notices it then still has to tell.
#include "panel/notices/told_notices.h"
#include "support/file_bytes.h"

#include <QDir>
#include <QTemporaryDir>
#include <QTest>

class ToldNoticesTest : public QObject {
    Q_OBJECT

private slots:
    void init();
    void notify_data();
    void notify();
    void rememberTold_data();
    void rememberTold();
    void untoldAfterRestart_data();
    void untoldAfterRestart();

private:
    QString SettingsPath() const { return home_->filePath(".config/Lunetide/lunetide.conf"); }
    // The settings file as the panel finds it: "<missing>" leaves none, "<folder>" puts a folder
    // in its place.
    bool Prepare(const QByteArray& bytes) const;

    std::unique_ptr<QTemporaryDir> home_;
};

void ToldNoticesTest::init()
{
    home_ = std::make_unique<QTemporaryDir>();
    qputenv("HOME", QFile::encodeName(home_->path()));
    qunsetenv("XDG_CONFIG_HOME");
}

bool ToldNoticesTest::Prepare(const QByteArray& bytes) const
{
    const QString path = SettingsPath();
    if (bytes == "<missing>")
        return true;
    if (bytes == "<folder>")
        return QDir().mkpath(path);
    return QDir().mkpath(QFileInfo(path).path()) && Write(path, bytes);
}

void ToldNoticesTest::notify_data()
{
    QTest::addColumn<QByteArray>("before");
    QTest::addColumn<bool>("on");
    QTest::newRow("absent: on") << QByteArray("<missing>") << true;
    QTest::newRow("FALSE among blanks: off") << QByteArray("[Panel]\nNotify = FALSE \n") << false;
}

// Read as found, then turned over and read back.
void ToldNoticesTest::notify()
{
    QFETCH(QByteArray, before);
    QFETCH(bool, on);
    QVERIFY(Prepare(before));
    QCOMPARE(PanelSettings().notify(), on);
    QVERIFY(PanelSettings().SetNotify(!on));
    QCOMPARE(PanelSettings().notify(), !on);
}

void ToldNoticesTest::rememberTold_data()
{
    QTest::addColumn<QByteArray>("before");
    QTest::addColumn<QStringList>("keys"); // told on 2026-12-24
    QTest::addColumn<bool>("stored");
    QTest::addColumn<QStringList>("told"); // read back
    QTest::newRow("empty home") << QByteArray("<missing>") << QStringList{"a:1", "b"} << true
                                << QStringList{"a:1", "b"};
    QTest::newRow("the same day: added once")
        << QByteArray("[Panel]\nTold=2026-12-24 x\n") << QStringList{"a", "x"} << true
        << QStringList{"x", "a"};
    QTest::newRow("a new day drops the old day's keys")
        << QByteArray("[Panel]\nTold=2026-12-23 x\n") << QStringList{"a"} << true
        << QStringList{"a"};
    QTest::newRow("corrupt: a list, as QSettings reads commas")
        << QByteArray("[Panel]\nTold=2026-12-24 x, y\n") << QStringList{"a"} << true
        << QStringList{"a"};
    QTest::newRow("unreadable: a folder is in the file's place")
        << QByteArray("<folder>") << QStringList{"a"} << false << QStringList();
    QTest::newRow("a key with a blank would be two")
        << QByteArray("<missing>") << QStringList{"a b"} << false << QStringList();
}

void ToldNoticesTest::rememberTold()
{
    QFETCH(QByteArray, before);
    QFETCH(QStringList, keys);
    QFETCH(bool, stored);
    QFETCH(QStringList, told);
    QVERIFY(Prepare(before));
    QCOMPARE(PanelSettings().RememberTold(QDate(2026, 12, 24), keys), stored);
    QCOMPARE(PanelSettings().told(), told);
    QCOMPARE(QFileInfo(SettingsPath()).isDir(), before == "<folder>");
}

void ToldNoticesTest::untoldAfterRestart_data()
{
    QTest::addColumn<QStringList>("toldBefore");
    QTest::addColumn<QStringList>("untold");
    QTest::newRow("nothing told") << QStringList() << QStringList{"a", "b"};
    QTest::newRow("the first told") << QStringList{"a"} << QStringList{"b"};
    QTest::newRow("both told: nothing again") << QStringList{"b", "a"} << QStringList();
}

void ToldNoticesTest::untoldAfterRestart()
{
    QFETCH(QStringList, toldBefore);
    QFETCH(QStringList, untold);
    QVERIFY(PanelSettings().RememberTold(QDate(2026, 12, 24), toldBefore));
    QStringList keys;
    for (const lunetide::PhaseNotice& notice :
         UntoldNotices({{"a", {}, {}, {}}, {"b", {}, {}, {}}}, PanelSettings()))
        keys << notice.key;
    QCOMPARE(keys, untold);
}

QTEST_MAIN(ToldNoticesTest)
#include "test_told_notices.moc"
