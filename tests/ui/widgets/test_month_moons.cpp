#include "core/moon_age.h"
#include "ui/widgets/month_moons.h"

#include <QTest>

using namespace lunetide;
using namespace lunetide::ui;

class MonthMoonsTest : public QObject {
    Q_OBJECT

private slots:
    void runLinesOfAMonth_data();
    void runLinesOfAMonth();
    void everyMonthOfTheListsIsCoveredByItsRuns();
};

void MonthMoonsTest::runLinesOfAMonth_data()
{
    QTest::addColumn<QDate>("day");
    QTest::addColumn<QStringList>("lines");
    QTest::newRow("December 2026")
        << QDate(2026, 12, 24)
        << QStringList{"1-4  Waning Moon",   "5-12  Dark Moon",  "13-16  New Moon",
                       "17-21  Waxing Moon", "22-26  Full Moon", "27-31  Waning Moon"};
    // A leap February, and the month the lists open with: as the terminal tool's month legend.
    QTest::newRow("February 2000")
        << QDate(2000, 2, 29)
        << QStringList{"1-7  Dark Moon", "8-11  New Moon", "12-16  Waxing Moon", "17-21  Full Moon",
                       "22-29  Waning Moon"};
    QTest::newRow("January 1901") << QDate(1901, 1, 1)
                                  << QStringList{"1-2  Waxing Moon",  "3-7  Full Moon",
                                                 "8-15  Waning Moon", "16-23  Dark Moon",
                                                 "24-27  New Moon",   "28-31  Waxing Moon"};
}

void MonthMoonsTest::runLinesOfAMonth()
{
    QFETCH(QDate, day);
    QFETCH(QStringList, lines);
    QCOMPARE(PhaseRunLines(MoonsOfMonth(day)), lines);
}

// Every month of the years the lists offer: the runs cover day 1 to the last day without gap or
// overlap, each run's days have its phase, and two runs side by side differ.
void MonthMoonsTest::everyMonthOfTheListsIsCoveredByItsRuns()
{
    for (QDate first(1901, 1, 1); first.year() <= 2050; first = first.addMonths(1)) {
        const MonthMoons month = MoonsOfMonth(first.addDays(first.daysInMonth() - 1));
        QCOMPARE(month.first, first);
        QCOMPARE(int(month.moons.size()), first.daysInMonth());
        int next = 1;
        for (std::size_t i = 0; i < month.runs.size(); ++i) {
            const PhaseRun& run = month.runs[i];
            QCOMPARE(run.firstDay, next);
            QVERIFY(run.lastDay >= run.firstDay);
            if (i > 0)
                QVERIFY(month.runs[i - 1].phase != run.phase);
            for (int day = run.firstDay; day <= run.lastDay; ++day) {
                const Moon moon = MoonOf(first.year(), first.month(), day);
                QCOMPARE(run.phase, moon.phase);
                QCOMPARE(month.moons[std::size_t(day - 1)].age, moon.age);
            }
            next = run.lastDay + 1;
        }
        QCOMPARE(next, first.daysInMonth() + 1);
    }
}

QTEST_GUILESS_MAIN(MonthMoonsTest)
#include "test_month_moons.moc"
