#include "glance/moon_glance.h"

#include <QTest>

using namespace lunetide;

class TestMoonGlance : public QObject {
    Q_OBJECT

private slots:
    // The next full moon is the first after the moment, not after the day's start; the rise and set
    // line says why a day has no time.
    void glance_data()
    {
        QTest::addColumn<QDateTime>("moment");
        QTest::addColumn<bool>("hasPlace");
        QTest::addColumn<double>("latitude");
        QTest::addColumn<double>("longitude");
        QTest::addColumn<QString>("nextFull");
        QTest::addColumn<int>("daysToFull");
        QTest::addColumn<QString>("riseSetLine");
        const QTimeZone berlin("Europe/Berlin");
        const QTimeZone oslo("Europe/Oslo");
        QTest::newRow("full moon passed this morning")
            << QDateTime({2026, 12, 24}, {12, 0}, berlin) << true << 52.52 << 13.40
            << "2027-01-22 13:17" << 29 << "Rise ";
        QTest::newRow("full moon later tonight")
            << QDateTime({2026, 12, 24}, {1, 0}, berlin) << true << 52.52 << 13.40
            << "2026-12-24 02:28" << 0 << "Rise ";
        QTest::newRow("polar night, moon below")
            << QDateTime({2026, 12, 8}, {12, 0}, oslo) << true << 69.65 << 18.96
            << "2026-12-24 02:28" << 16 << "The moon is down all day at ";
        QTest::newRow("polar, moon up")
            << QDateTime({2026, 12, 21}, {12, 0}, oslo) << true << 69.65 << 18.96
            << "2026-12-24 02:28" << 3 << "The moon is up all day at ";
        QTest::newRow("no place") << QDateTime({2026, 12, 21}, {12, 0}, QTimeZone::utc()) << false
                                  << 0.0 << 0.0 << "2026-12-24 01:28" << 3
                                  << "No place is known for the moon's rise and set";
    }
    void glance()
    {
        QFETCH(QDateTime, moment);
        QFETCH(bool, hasPlace);
        QFETCH(double, latitude);
        QFETCH(double, longitude);
        QFETCH(QString, nextFull);
        QFETCH(int, daysToFull);
        QFETCH(QString, riseSetLine);
        std::optional<Place> place;
        if (hasPlace)
            place = Place{latitude, longitude, {}};
        const std::optional<MoonGlance> glance =
            GlanceAt(moment.date(), moment, moment.timeZone(), place, Hemisphere::North);
        QVERIFY(glance);
        QCOMPARE(glance->nextFullMoon.toString("yyyy-MM-dd HH:mm"), nextFull);
        QCOMPARE(glance->daysToFullMoon, daysToFull);
        QCOMPARE(GlanceText(*glance).split(u'\n').value(3).left(riseSetLine.size()), riseSetLine);
    }

    // A year without four digits has no moon of the tradition: no glance rather than a wrong one.
    void yearWithoutFourDigits()
    {
        const QDateTime moment({999, 12, 31}, {12, 0}, QTimeZone::utc());
        QVERIFY(!GlanceAt(moment.date(), moment, QTimeZone::utc(), {}, Hemisphere::North));
    }
};

QTEST_GUILESS_MAIN(TestMoonGlance)
#include "test_moon_glance.moc"
