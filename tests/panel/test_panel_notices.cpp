// The notices of real days (the sky's as an independent ephemeris gives them), what is remembered
// as told in an empty home's settings file, and the notifier without a session bus.
#include "panel/notices/desktop_notifier.h"
#include "panel/notices/told_notices.h"
#include "support/file_bytes.h"

#include <QDir>
#include <QElapsedTimer>
#include <QTemporaryDir>
#include <QTest>

#include <cmath>

using lunetide::LitSide;

class PanelNoticesTest : public QObject {
    Q_OBJECT

private slots:
    void init();
    void noticesOfDay_data();
    void noticesOfDay();
    void rememberTold_data();
    void rememberTold();
    void noSessionBus();

private:
    std::unique_ptr<QTemporaryDir> home_;
};

void PanelNoticesTest::init()
{
    home_ = std::make_unique<QTemporaryDir>();
    qputenv("HOME", QFile::encodeName(home_->path()));
    qunsetenv("XDG_CONFIG_HOME");
}

void PanelNoticesTest::noticesOfDay_data()
{
    QTest::addColumn<QDate>("day");
    QTest::addColumn<QByteArray>("zone");
    QTest::addColumn<double>("latitude"); // NaN: no place; south of the equator: seen from there
    QTest::addColumn<LitSide>("lit");     // every notice's moon
    QTest::addColumn<QStringList>("notices"); // key | title | body
    const double none = std::nan("");
    QTest::newRow("south: December's full moon named as June's, the moon turned")
        << QDate(2026, 12, 24) << QByteArray("Australia/Sydney") << -33.87 << LitSide::Left
        << QStringList{"2026-12-24T01:28Z:full-moon | Full moon at 12:28 (Strawberry Moon) | "
                       "In the sky on Thu 24 Dec 2026 at 12:28 (supermoon)"};
    QTest::newRow("a summer full moon 27 minutes after midnight")
        << QDate(2027, 4, 21) << QByteArray("Europe/Berlin") << none << LitSide::Right
        << QStringList{"2027-04-20T22:27Z:full-moon | Full moon at 00:27 (Pink Moon) | "
                       "In the sky on Wed 21 Apr 2027 at 00:27"};
    QTest::newRow("the day before: nothing, though in UTC it has that full moon")
        << QDate(2027, 4, 20) << QByteArray("Europe/Berlin") << none << LitSide::Right
        << QStringList();
    QTest::newRow("the 23-hour day summer time begins")
        << QDate(2028, 3, 26) << QByteArray("Europe/Berlin") << 52.52 << LitSide::None
        << QStringList{"2028-03-26T04:31Z:new-moon | New moon at 06:31 | "
                       "In the sky on Sun 26 Mar 2028 at 06:31"};
    QTest::newRow("a run begins on the day of a quarter: the tradition first")
        << QDate(2027, 4, 14) << QByteArray("Europe/Berlin") << none << LitSide::Right
        << QStringList{
               "2027-04-14:Waxing-Moon | Waxing Moon begins today | The waxing moon is a "
               "good time for developing work like power, success, health and partnerships.",
               "2027-04-13T22:56Z:first-quarter | First quarter at 00:56 | "
               "In the sky on Wed 14 Apr 2027 at 00:56"};
    QTest::newRow("Full Moon begins: its text's first sentence")
        << QDate(2026, 12, 22) << QByteArray("Europe/Berlin") << none << LitSide::Right
        << QStringList{"2026-12-22:Full-Moon | Full Moon begins today | "
                       "The full moon is a good time for predictions and trying out Magick."};
}

void PanelNoticesTest::noticesOfDay()
{
    QFETCH(QDate, day);
    QFETCH(QByteArray, zone);
    QFETCH(double, latitude);
    QFETCH(LitSide, lit);
    QFETCH(QStringList, notices);
    std::optional<Place> place;
    if (!std::isnan(latitude))
        place = Place{latitude, 0, {}};
    const auto hemisphere =
        latitude < 0 ? lunetide::Hemisphere::South : lunetide::Hemisphere::North;
    QStringList got;
    for (const lunetide::PhaseNotice& notice :
         lunetide::NoticesOfDay(day, QTimeZone(zone), place, hemisphere)) {
        got << QStringList{notice.key, notice.title, notice.body}.join(QStringLiteral(" | "));
        QCOMPARE(notice.shape.litSide, lit);
    }
    QCOMPARE(got, notices);
}

void PanelNoticesTest::rememberTold_data()
{
    QTest::addColumn<QByteArray>("before"); // the settings file, "<missing>" or "<folder>"
    QTest::addColumn<QStringList>("keys");  // told on 2026-12-24
    QTest::addColumn<bool>("stored");
    QTest::addColumn<QStringList>("untold"); // of a:1, b and x, after a restart
    QTest::newRow("empty home, then a restart: nothing again")
        << QByteArray("<missing>") << QStringList{"a:1", "b", "x"} << true << QStringList();
    QTest::newRow("the same day: added to")
        << QByteArray("[Panel]\nNotify=false\nTold=2026-12-24 x\n") << QStringList{"a:1"} << true
        << QStringList{"b"};
    QTest::newRow("a new day drops the old day's keys")
        << QByteArray("[Panel]\nTold=2026-12-23 x\n") << QStringList{"a:1"} << true
        << QStringList{"b", "x"};
    QTest::newRow("corrupt: a list, as QSettings reads commas")
        << QByteArray("[Panel]\nTold=2026-12-24 x, b\n") << QStringList{"a:1"} << true
        << QStringList{"b", "x"};
    QTest::newRow("unreadable: a folder in the file's place, kept")
        << QByteArray("<folder>") << QStringList{"a:1"} << false << QStringList{"a:1", "b", "x"};
    QTest::newRow("a key with a blank would be two")
        << QByteArray("<missing>") << QStringList{"a b"} << false << QStringList{"a:1", "b", "x"};
}

void PanelNoticesTest::rememberTold()
{
    QFETCH(QByteArray, before);
    QFETCH(QStringList, keys);
    QFETCH(bool, stored);
    QFETCH(QStringList, untold);
    const QString path = home_->filePath(".config/Lunetide/lunetide.conf");
    if (before != "<missing>")
        QVERIFY(QDir().mkpath(before == "<folder>" ? path : QFileInfo(path).path()));
    if (before != "<missing>" && before != "<folder>")
        QVERIFY(Write(path, before));
    QCOMPARE(PanelSettings().notify(), !before.contains("Notify=false"));
    QCOMPARE(PanelSettings().RememberTold(QDate(2026, 12, 24), keys), stored);
    QStringList got;
    for (const auto& notice : UntoldNotices(
             {{"a:1", {}, {}, {}}, {"b", {}, {}, {}}, {"x", {}, {}, {}}}, PanelSettings()))
        got << notice.key;
    QCOMPARE(got, untold);
    QCOMPARE(QFileInfo(path).isDir(), before == "<folder>");
}

// Said at once, so that the panel shows its own message instead.
void PanelNoticesTest::noSessionBus()
{
    qputenv("DBUS_SESSION_BUS_ADDRESS", "unix:path=" + QFile::encodeName(home_->filePath("none")));
    QElapsedTimer timer;
    timer.start();
    QVERIFY(!SendDesktopNotification({"k", "Full moon at 12:28 (Cold Moon)", "b", {}}));
    QCOMPARE_LT(timer.elapsed(), 1000);
}

QTEST_MAIN(PanelNoticesTest)
#include "test_panel_notices.moc"
