#include "core/month_moons.h"

#include <QDate>
#include <QStringList>
#include <QTest>

using namespace lunetide;

Q_DECLARE_METATYPE(LegendLayout)

namespace {

std::chrono::year_month MonthOf(QDate day)
{
    return std::chrono::year{day.year()} / std::chrono::month{unsigned(day.month())};
}

QStringList Lines(const MonthMoons& month, LegendLayout layout)
{
    QStringList lines;
    for (const std::string& line : LegendLines(month, layout))
        lines << QString::fromStdString(line);
    return lines;
}

} // namespace

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
    QTest::addColumn<LegendLayout>("layout");
    QTest::addColumn<QStringList>("lines");
    const LegendLayout flowing = LegendLayout::Flowing;
    QTest::newRow("December 2026")
        << QDate(2026, 12, 24) << flowing
        << QStringList{"1-4  Waning Moon",   "5-12  Dark Moon",  "13-16  New Moon",
                       "17-21  Waxing Moon", "22-26  Full Moon", "27-31  Waning Moon"};
    // A leap February, and the month the lists open with.
    QTest::newRow("February 2000")
        << QDate(2000, 2, 29) << flowing
        << QStringList{"1-7  Dark Moon", "8-11  New Moon", "12-16  Waxing Moon", "17-21  Full Moon",
                       "22-29  Waning Moon"};
    QTest::newRow("January 1901") << QDate(1901, 1, 1) << flowing
                                  << QStringList{"1-2  Waxing Moon",  "3-7  Full Moon",
                                                 "8-15  Waning Moon", "16-23  Dark Moon",
                                                 "24-27  New Moon",   "28-31  Waxing Moon"};
    // In columns: runs of one day at either end of the month, days of one and two digits.
    QTest::newRow("February 1906, columns")
        << QDate(1906, 2, 1) << LegendLayout::Columns
        << QStringList{" 1     New Moon",    " 2-6   Waxing Moon", " 7-11  Full Moon",
                       "12-19  Waning Moon", "20-27  Dark Moon",   "28     New Moon"};
}

void MonthMoonsTest::runLinesOfAMonth()
{
    QFETCH(QDate, day);
    QFETCH(LegendLayout, layout);
    QFETCH(QStringList, lines);
    QCOMPARE(Lines(MoonsOfMonth(MonthOf(day)), layout), lines);
}

// Every month of the years the lists offer: the runs cover day 1 to the last day without gap or
// overlap, each run's days have its phase, and two runs side by side differ.
void MonthMoonsTest::everyMonthOfTheListsIsCoveredByItsRuns()
{
    for (QDate first(1901, 1, 1); first.year() <= 2050; first = first.addMonths(1)) {
        const MonthMoons month = MoonsOfMonth(MonthOf(first.addDays(first.daysInMonth() - 1)));
        QVERIFY(month.month == MonthOf(first));
        QCOMPARE(int(month.moons.size()), first.daysInMonth());
        int next = 1;
        for (std::size_t i = 0; i < month.runs.size(); ++i) {
            const PhaseRun& run = month.runs[i];
            const int firstDay = int(unsigned(run.first.day()));
            const int lastDay = int(unsigned(run.last.day()));
            QCOMPARE(firstDay, next);
            QVERIFY(lastDay >= firstDay);
            if (i > 0)
                QVERIFY(month.runs[i - 1].phase != run.phase);
            for (int day = firstDay; day <= lastDay; ++day) {
                const Moon moon = MoonOf(first.year(), first.month(), day);
                QCOMPARE(run.phase, moon.phase);
                QCOMPARE(month.moons[std::size_t(day - 1)].age, moon.age);
            }
            next = lastDay + 1;
        }
        QCOMPARE(next, first.daysInMonth() + 1);
    }
}

QTEST_GUILESS_MAIN(MonthMoonsTest)
#include "test_month_moons.moc"
