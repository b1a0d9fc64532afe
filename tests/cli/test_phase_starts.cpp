// The next day each phase begins, checked against the day-by-day readings: every start of every
// phase in the years 1901 to 2050 must be found from the day before it and from the phase's
// previous start, and never from the start itself.

#include "cli/day_output.h"
#include "cli/phase_starts.h"

#include <QTest>

using namespace lunetide;
using namespace lunetide::cli;

class PhaseStartsTest : public QObject {
    Q_OBJECT

private slots:
    void everyStartFrom1901To2050();
};

void PhaseStartsTest::everyStartFrom1901To2050()
{
    // The starts by the readings: days whose phase differs from the day before's.
    QList<QDate> starts[std::size(kAllPhases)];
    const QDate first(1901, 1, 1);
    const QDate last(2050, 12, 31);
    MoonPhaseKind previous = ReadingOfDay(first.addDays(-1)).moon->phase;
    for (QDate day = first; day <= last; day = day.addDays(1)) {
        const MoonPhaseKind phase = ReadingOfDay(day).moon->phase;
        if (phase != previous)
            starts[int(phase)].append(day);
        previous = phase;
    }

    for (const MoonPhaseKind phase : kAllPhases) {
        const QList<QDate>& days = starts[int(phase)];
        QVERIFY(days.size() > 1800); // about one a lunation
        for (qsizetype i = 0; i < days.size(); ++i) {
            const QDate expected = days[i];
            const QDate from = i == 0 ? expected.addDays(-1) : days[i - 1];
            for (const QDate after : {from, expected.addDays(-1)}) {
                const std::vector<PhaseStart> found = NextPhaseStarts(after, phase);
                if (found.size() != 1 || found[0].day != expected || found[0].phase != phase)
                    QFAIL(qPrintable(
                        QStringLiteral("after %1: expected %2")
                            .arg(after.toString(Qt::ISODate), expected.toString(Qt::ISODate))));
            }
        }
    }

    // All five at once: the same days, in date order.
    for (QDate after = first; after <= last; after = after.addDays(97)) {
        const std::vector<PhaseStart> all = NextPhaseStarts(after, std::nullopt);
        QCOMPARE(all.size(), std::size(kAllPhases));
        for (std::size_t i = 0; i < all.size(); ++i) {
            QCOMPARE(all[i].day, NextPhaseStarts(after, all[i].phase).at(0).day);
            if (i > 0)
                QVERIFY(all[i - 1].day < all[i].day);
        }
    }
}

QTEST_GUILESS_MAIN(PhaseStartsTest)
#include "test_phase_starts.moc"
