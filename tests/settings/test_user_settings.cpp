// The typed settings and the hemisphere: the setting wins both ways, otherwise the time zone's
// place in the system's own time zone database.
#include "settings/user_settings.h"
#include "settings/zone_hemisphere.h"
#include "support/file_bytes.h"

#include <QTemporaryDir>
#include <QTest>

using lunetide::Hemisphere;

Q_DECLARE_METATYPE(Hemisphere)

class UserSettingsTest : public QObject {
    Q_OBJECT

private slots:
    void zoneHemisphere_data();
    void zoneHemisphere();
    void zoneTableWithCarriageReturns();
    void settingOverridesZone_data();
    void settingOverridesZone();
    void setHemisphere_data();
    void setHemisphere();
};

namespace {} // namespace

void UserSettingsTest::zoneHemisphere_data()
{
    QTest::addColumn<QString>("zone");
    QTest::addColumn<Hemisphere>("hemisphere");
    QTest::newRow("Sydney") << "Australia/Sydney" << Hemisphere::South;
    QTest::newRow("Auckland") << "Pacific/Auckland" << Hemisphere::South;
    QTest::newRow("Sao Paulo") << "America/Sao_Paulo" << Hemisphere::South;
    QTest::newRow("Johannesburg") << "Africa/Johannesburg" << Hemisphere::South;
    QTest::newRow("Nairobi, just south") << "Africa/Nairobi" << Hemisphere::South;
    QTest::newRow("Singapore, just north") << "Asia/Singapore" << Hemisphere::North;
    QTest::newRow("Berlin") << "Europe/Berlin" << Hemisphere::North;
    QTest::newRow("UTC") << "UTC" << Hemisphere::North;
    QTest::newRow("link to Sydney") << "Australia/ACT" << Hemisphere::South;
    QTest::newRow("link one folder up") << "Brazil/East" << Hemisphere::South;
    QTest::newRow("only in zone.tab") << "Africa/Kinshasa" << Hemisphere::South;
    QTest::newRow("unknown") << "Atlantis/Poseidonia" << Hemisphere::North;
    QTest::newRow("a way out") << "../../../etc/passwd" << Hemisphere::North;
    QTest::newRow("TZ's path") << ":/usr/share/zoneinfo/Australia/Sydney" << Hemisphere::South;
    QTest::newRow("leap-second tree") << "right/Australia/Sydney" << Hemisphere::South;
}

void UserSettingsTest::zoneHemisphere()
{
    QFETCH(QString, zone);
    QFETCH(Hemisphere, hemisphere);
    if (!QFileInfo::exists("/usr/share/zoneinfo/zone1970.tab"))
        QSKIP("the time zone database (tzdata) is not installed");
    QCOMPARE(ZoneHemisphere(zone), hemisphere);
    // Without the tables nothing is south.
    QCOMPARE(ZoneHemisphere(zone, QTemporaryDir().path()), Hemisphere::North);
}

// A table written with CR LF line ends still names its zones.
void UserSettingsTest::zoneTableWithCarriageReturns()
{
    QTemporaryDir zoneinfo;
    QFile table(zoneinfo.filePath("zone1970.tab"));
    QVERIFY(table.open(QIODevice::WriteOnly));
    table.write("#codes\tcoordinates\tTZ\r\nAU\t-3352+15113\tAustralia/Sydney\r\n");
    table.close();
    QCOMPARE(ZoneHemisphere("Australia/Sydney", zoneinfo.path()), Hemisphere::South);
}

void UserSettingsTest::settingOverridesZone_data()
{
    QTest::addColumn<QByteArray>("line");
    QTest::addColumn<QByteArray>("zone");
    QTest::addColumn<Hemisphere>("chosen");
    QTest::addColumn<bool>("explicitChoice");
    for (const QByteArray zone : {"Australia/Sydney", "Europe/Berlin"}) {
        const Hemisphere ofZone = zone.startsWith("Aus") ? Hemisphere::South : Hemisphere::North;
        const char* name = zone.constData();
        QTest::addRow("absent, %s", name) << QByteArray() << zone << ofZone << false;
        QTest::addRow("north, %s", name)
            << QByteArray("Hemisphere=north") << zone << Hemisphere::North << true;
        QTest::addRow("south, %s", name)
            << QByteArray("Hemisphere = south ") << zone << Hemisphere::South << true;
        QTest::addRow("garbage, %s", name)
            << QByteArray("Hemisphere=South, north") << zone << ofZone << false;
    }
}

void UserSettingsTest::settingOverridesZone()
{
    QFETCH(QByteArray, line);
    QFETCH(QByteArray, zone);
    QFETCH(Hemisphere, chosen);
    QFETCH(bool, explicitChoice);

    QTemporaryDir dir;
    const QString path = dir.filePath("lunetide.conf");
    QVERIFY(Write(path, "[Settings]\nDuration=2026-12-01\n" + line + "\n"));
    const QByteArray zoneBefore = qgetenv("TZ");
    qputenv("TZ", zone);
    const auto restore = qScopeGuard([&] { qputenv("TZ", zoneBefore); });

    const UserSettings settings(path, dir.path());
    QCOMPARE(settings.hemisphere().has_value(), explicitChoice);
    QCOMPARE(ChosenHemisphere(settings), chosen);
    QCOMPARE(settings.duration(), "2026-12-01");
}

// The choice is one line under [Settings]; every other byte stays.
void UserSettingsTest::setHemisphere_data()
{
    QTest::addColumn<QByteArray>("before"); // "<missing>": no file
    QTest::addColumn<Hemisphere>("hemisphere");
    QTest::addColumn<QByteArray>("after");
    QTest::newRow("no file, south") << QByteArray("<missing>") << Hemisphere::South
                                    << QByteArray("[Settings]\nHemisphere=south\n");
    QTest::newRow("beside the date, north")
        << QByteArray("[Settings]\r\nDuration=2026-12-01\r\n\r\n[W]\nx=1\n") << Hemisphere::North
        << QByteArray("[Settings]\r\nHemisphere=north\r\nDuration=2026-12-01\r\n\r\n[W]\nx=1\n");
    QTest::newRow("south to north")
        << QByteArray("; mine\n[Settings]\nHemisphere = south ; was\nDuration=2026-12-01\n")
        << Hemisphere::North
        << QByteArray("; mine\n[Settings]\nHemisphere=north; was\nDuration=2026-12-01\n");
}

void UserSettingsTest::setHemisphere()
{
    QFETCH(QByteArray, before);
    QFETCH(Hemisphere, hemisphere);
    QFETCH(QByteArray, after);

    QTemporaryDir home;
    const QString path = home.filePath(".config/Lunetide/lunetide.conf");
    if (before != "<missing>")
        QVERIFY(QDir().mkpath(home.filePath(".config/Lunetide")) && Write(path, before));
    UserSettings settings(path, home.path());
    QVERIFY(settings.SetHemisphere(hemisphere));
    QCOMPARE(Read(path), after);
    QCOMPARE(settings.hemisphere(), hemisphere);
    QCOMPARE(UserSettings(path, home.path()).hemisphere(), hemisphere);

    // A file that cannot be read is not written, and the choice stays as it was.
    QVERIFY(QFile::remove(path) && QDir().mkdir(path));
    UserSettings unusable(path, home.path());
    QVERIFY(!unusable.SetHemisphere(hemisphere));
    QCOMPARE(unusable.hemisphere(), std::nullopt);
    QVERIFY(QFileInfo(path).isDir());
}

QTEST_GUILESS_MAIN(UserSettingsTest)
#include "test_user_settings.moc"
