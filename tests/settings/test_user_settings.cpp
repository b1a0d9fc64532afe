// The typed settings and the hemisphere: the setting wins both ways, otherwise the time zone's
// place in the system's own time zone database.
#include "settings/user_settings.h"
#include "settings/zone_place.h"
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
    void zonePlace_data();
    void zonePlace();
    void place_data();
    void place();
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

// The zone's line gives the place: degrees and minutes, or seconds too; the city from its name.
void UserSettingsTest::zonePlace_data()
{
    QTest::addColumn<QString>("zone");
    QTest::addColumn<QString>("text"); // PlaceText, or "" for none
    QTest::newRow("Sydney") << "Australia/Sydney"
                            << "Sydney (the time zone's place)";
    QTest::newRow("a city of two words") << "America/Sao_Paulo"
                                         << "Sao Paulo (the time zone's place)";
    QTest::newRow("UTC") << "UTC"
                         << "";
}

void UserSettingsTest::zonePlace()
{
    QFETCH(QString, zone);
    QFETCH(QString, text);
    const std::optional<Place> place = PlaceOfZone(zone);
    QCOMPARE(place ? PlaceText(*place) : QString(), text);
    // Degrees, minutes and seconds, west and south negative.
    QTemporaryDir zoneinfo;
    QVERIFY(Write(zoneinfo.filePath("zone1970.tab"), "US\t+611305-1495401\tAmerica/Anchorage\n"));
    const std::optional<Place> anchorage = PlaceOfZone("America/Anchorage", zoneinfo.path());
    QVERIFY(anchorage && qAbs(anchorage->latitude - 61.21806) < 1e-4 &&
            qAbs(anchorage->longitude + 149.90028) < 1e-4);
}

// Latitude and Longitude are read only both together and in range; they are stored and removed in
// one write, and a place out of range is refused.
void UserSettingsTest::place_data()
{
    QTest::addColumn<QByteArray>("before");
    QTest::addColumn<QString>("read"); // PlaceText of what is read, or ""
    QTest::newRow("both") << QByteArray("[Settings]\nLatitude=52.52\nLongitude=-13.4\n")
                          << "52.52\u00B0 N, 13.40\u00B0 W";
    QTest::newRow("only one") << QByteArray("[Settings]\nLatitude=52.52\n") << "";
    QTest::newRow("out of range") << QByteArray("[Settings]\nLatitude=91\nLongitude=0\n") << "";
    QTest::newRow("not a number") << QByteArray("[Settings]\nLatitude=north\nLongitude=0\n") << "";
}

void UserSettingsTest::place()
{
    QFETCH(QByteArray, before);
    QFETCH(QString, read);

    QTemporaryDir dir;
    const QString path = dir.filePath("lunetide.conf");
    QVERIFY(Write(path, before + "[W]\nx=1\n"));
    UserSettings settings(path, dir.path());
    QCOMPARE(settings.place() ? PlaceText(*settings.place()) : QString(), read);

    QVERIFY(!settings.SetPlace(Place{-91, 0, {}}));
    QCOMPARE(Read(path), before + "[W]\nx=1\n");
    QVERIFY(settings.SetPlace(Place{-33.8688, 151.2093, {}}));
    const UserSettings stored(path, dir.path());
    QVERIFY(stored.place() && stored.place()->latitude == -33.8688 &&
            stored.place()->longitude == 151.2093);
    QVERIFY(settings.SetPlace(std::nullopt));
    QCOMPARE(Read(path), "[Settings]\n[W]\nx=1\n");
    QCOMPARE(UserSettings(path, dir.path()).place(), std::nullopt);
}

QTEST_GUILESS_MAIN(UserSettingsTest)
#include "test_user_settings.moc"
