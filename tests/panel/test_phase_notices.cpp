// The notices of real days: the tradition's from its day-by-day rule, the sky's instants and full
// moon names as an independent ephemeris gives them, in local time.
#include "panel/notices/phase_notices.h"

#include <QTest>

#include <cmath>

using lunetide::Hemisphere;
using lunetide::LitSide;

class PhaseNoticesTest : public QObject {
    Q_OBJECT

private slots:
    void noticesOfDay_data();
    void noticesOfDay();
};

void PhaseNoticesTest::noticesOfDay_data()
{
    QTest::addColumn<QDate>("day");
    QTest::addColumn<QByteArray>("zone");
    QTest::addColumn<double>("latitude");     // NaN: no place
    QTest::addColumn<int>("litSide");         // every notice's
    QTest::addColumn<QStringList>("notices"); // key | title | body
    const double none = std::nan("");
    const int right = int(LitSide::Right);
    QTest::newRow("south: December's full moon named as June's, the moon turned")
        << QDate(2026, 12, 24) << QByteArray("Australia/Sydney") << -33.87 << int(LitSide::Left)
        << QStringList{"2026-12-24T01:28Z:full-moon | Full moon at 12:28 (Strawberry Moon) | "
                       "In the sky on Thu 24 Dec 2026 at 12:28 (supermoon)"};
    QTest::newRow("a summer full moon 27 minutes after midnight")
        << QDate(2027, 4, 21) << QByteArray("Europe/Berlin") << none << right
        << QStringList{"2027-04-20T22:27Z:full-moon | Full moon at 00:27 (Pink Moon) | "
                       "In the sky on Wed 21 Apr 2027 at 00:27"};
    QTest::newRow("the day before: nothing, though in UTC it has that full moon")
        << QDate(2027, 4, 20) << QByteArray("Europe/Berlin") << none << right << QStringList();
    QTest::newRow("the 23-hour day summer time begins")
        << QDate(2028, 3, 26) << QByteArray("Europe/Berlin") << 52.52 << int(LitSide::None)
        << QStringList{"2028-03-26T04:31Z:new-moon | New moon at 06:31 | "
                       "In the sky on Sun 26 Mar 2028 at 06:31"};
    QTest::newRow("a run begins on the day of a quarter: the tradition first")
        << QDate(2027, 4, 14) << QByteArray("Europe/Berlin") << none << right
        << QStringList{
               "2027-04-14:Waxing-Moon | Waxing Moon begins today | The waxing moon is a "
               "good time for developing work like power, success, health and partnerships.",
               "2027-04-13T22:56Z:first-quarter | First quarter at 00:56 | "
               "In the sky on Wed 14 Apr 2027 at 00:56"};
    QTest::newRow("Full Moon begins: its text's first sentence")
        << QDate(2026, 12, 22) << QByteArray("Europe/Berlin") << none << right
        << QStringList{"2026-12-22:Full-Moon | Full Moon begins today | "
                       "The full moon is a good time for predictions and trying out Magick."};
}

void PhaseNoticesTest::noticesOfDay()
{
    QFETCH(QDate, day);
    QFETCH(QByteArray, zone);
    QFETCH(double, latitude);
    QFETCH(int, litSide);
    QFETCH(QStringList, notices);

    std::optional<Place> place;
    if (!std::isnan(latitude))
        place = Place{latitude, 0, {}};
    const Hemisphere hemisphere = latitude < 0 ? Hemisphere::South : Hemisphere::North;
    QStringList got;
    for (const lunetide::PhaseNotice& notice :
         lunetide::NoticesOfDay(day, QTimeZone(zone), place, hemisphere)) {
        got << QStringList{notice.key, notice.title, notice.body}.join(QStringLiteral(" | "));
        QCOMPARE(int(notice.shape.litSide), litSide);
    }
    QCOMPARE(got, notices);
}

QTEST_MAIN(PhaseNoticesTest)
#include "test_phase_notices.moc"
