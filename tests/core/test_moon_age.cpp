#include "core/moon_age.h"

#include <QDate>
#include <QTest>

#include <stdexcept>

using namespace lunetide;

Q_DECLARE_METATYPE(lunetide::MoonPhaseKind)

class MoonAgeTest : public QObject {
    Q_OBJECT

private slots:
    void workedDates_data();
    void workedDates();
    void phaseBoundaries_data();
    void phaseBoundaries();
    void everyDateOfTheYearList();
    void correctionSwitchesAtTheYear2000();
    void negativeSumsWrapIntoTheCycle();
    void reportsInsteadOfWrapping();
};

void MoonAgeTest::workedDates_data()
{
    QTest::addColumn<int>("year");
    QTest::addColumn<int>("month");
    QTest::addColumn<int>("day");
    QTest::addColumn<int>("age");
    QTest::addColumn<MoonPhaseKind>("phase");
    QTest::addColumn<int>("picture");

    QTest::newRow("1 Jan 1901") << 1901 << 1 << 1 << 11 << MoonPhaseKind::WaxingMoon << 12;
    QTest::newRow("1 Jan 1910") << 1910 << 1 << 1 << 21 << MoonPhaseKind::WaningMoon << 22;
    QTest::newRow("22 Dec 1999") << 1999 << 12 << 22 << 14 << MoonPhaseKind::FullMoon << 15;
    QTest::newRow("1 Jan 2000") << 2000 << 1 << 1 << 26 << MoonPhaseKind::DarkMoon << 27;
    QTest::newRow("6 Jan 2000") << 2000 << 1 << 6 << 1 << MoonPhaseKind::DarkMoon << 2;
    QTest::newRow("23 Dec 2007") << 2007 << 12 << 23 << 14 << MoonPhaseKind::FullMoon << 15;
    QTest::newRow("3 Nov 2009") << 2009 << 11 << 3 << 15 << MoonPhaseKind::FullMoon << 16;
    QTest::newRow("1 Jan 2010") << 2010 << 1 << 1 << 17 << MoonPhaseKind::FullMoon << 18;
    QTest::newRow("29 Feb 2012") << 2012 << 2 << 29 << 8 << MoonPhaseKind::WaxingMoon << 9;
    QTest::newRow("31 Dec 2050") << 2050 << 12 << 31 << 18 << MoonPhaseKind::WaningMoon << 19;
}

void MoonAgeTest::workedDates()
{
    QFETCH(int, year);
    QFETCH(int, month);
    QFETCH(int, day);
    QFETCH(int, age);
    QFETCH(MoonPhaseKind, phase);
    QFETCH(int, picture);

    const int computed = MoonAgeOf(year, month, day);
    QCOMPARE(computed, age);
    QCOMPARE(PhaseOf(computed), phase);
    QCOMPARE(MoonImageNumber(computed), picture);
}

void MoonAgeTest::phaseBoundaries_data()
{
    QTest::addColumn<int>("age");
    QTest::addColumn<MoonPhaseKind>("phase");
    const struct {
        int first, last;
        MoonPhaseKind phase;
    } ranges[] = {
        {0, 3, MoonPhaseKind::DarkMoon},     {4, 7, MoonPhaseKind::NewMoon},
        {8, 12, MoonPhaseKind::WaxingMoon},  {13, 17, MoonPhaseKind::FullMoon},
        {18, 25, MoonPhaseKind::WaningMoon}, {26, 29, MoonPhaseKind::DarkMoon},
    };
    for (const auto& range : ranges) {
        QTest::addRow("age %d", range.first) << range.first << range.phase;
        QTest::addRow("age %d", range.last) << range.last << range.phase;
    }
}

void MoonAgeTest::phaseBoundaries()
{
    QFETCH(int, age);
    QFETCH(MoonPhaseKind, phase);
    QCOMPARE(PhaseOf(age), phase);
}

// Properties of the rule that hold on every date of the main window's year list.
void MoonAgeTest::everyDateOfTheYearList()
{
    for (QDate date(1901, 1, 1); date <= QDate(2050, 12, 31); date = date.addDays(1)) {
        const int age = MoonAgeOf(date.year(), date.month(), date.day());
        QVERIFY2(age >= 0 && age <= 29, qPrintable(date.toString(Qt::ISODate)));

        if (date.day() > 1) {
            const int before = MoonAgeOf(date.year(), date.month(), date.day() - 1);
            QVERIFY2(age == (before + 1) % 30, qPrintable(date.toString(Qt::ISODate)));
        }
        // January shares its month term with March, February with April.
        if (date.month() == 1)
            QCOMPARE(age, MoonAgeOf(date.year(), 3, date.day()));
        if (date.month() == 2)
            QCOMPARE(age, MoonAgeOf(date.year(), 4, date.day()));
    }
}

void MoonAgeTest::correctionSwitchesAtTheYear2000()
{
    // 31 Dec 1999: yy 99, r 14, s 14 + 31 + 12 = 57, a = 57 - 4 = 53, age 23.
    QCOMPARE(MoonAgeOf(1999, 12, 31), 23);
    // 1 Jan 2000: yy 0, r 0, s 4, a = round(4 - 8.3) = -4, age 26.
    QCOMPARE(MoonAgeOf(2000, 1, 1), 26);
    // The same two-digit year on either side of the switch differs by the corrections' gap.
    for (int month = 1; month <= 12; ++month) {
        for (int day = 1; day <= 28; ++day) {
            const int old = MoonAgeOf(1900 + 10, month, day);
            const int modern = MoonAgeOf(2000 + 10, month, day);
            QCOMPARE((old - modern + 30) % 30, 4);
        }
    }
}

void MoonAgeTest::negativeSumsWrapIntoTheCycle()
{
    // 1 Jan 2010: a = -13 gives 17; a day that makes a exactly -30 gives 0 rather than 30.
    QCOMPARE(MoonAgeOf(2010, 1, 1), 17);
    // yy 10: r = -99 mod 30 = -9; s = -9 + day + 3; a = s - 8 = -30 needs day = -16.
    QCOMPARE(MoonAgeOf(2010, 1, -16), 0);
    QCOMPARE(MoonAgeOf(2010, 1, -17), 29);
}

void MoonAgeTest::reportsInsteadOfWrapping()
{
    QVERIFY_THROWS_EXCEPTION(std::overflow_error, MoonAgeOf(2007, 12, 32767));
    QVERIFY_THROWS_EXCEPTION(std::overflow_error, MoonAgeOf(2010, 1, -32768));
    QVERIFY_THROWS_EXCEPTION(std::invalid_argument, MoonAgeOf(999, 1, 1));
    QVERIFY_THROWS_EXCEPTION(std::invalid_argument, MoonAgeOf(10000, 1, 1));
    QVERIFY_THROWS_EXCEPTION(std::invalid_argument, MoonAgeOf(2007, 0, 1));
    QVERIFY_THROWS_EXCEPTION(std::invalid_argument, MoonAgeOf(2007, 13, 1));
    QVERIFY_THROWS_EXCEPTION(std::invalid_argument, PhaseOf(30));
    QVERIFY_THROWS_EXCEPTION(std::invalid_argument, PhaseOf(-1));
    // The largest day that still fits gives an age, not an error.
    QVERIFY(MoonAgeOf(1999, 12, 32767 - 14 - 12) >= 0);
}

QTEST_APPLESS_MAIN(MoonAgeTest)
#include "test_moon_age.moc"
