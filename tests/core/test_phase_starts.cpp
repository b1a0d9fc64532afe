// The next day each phase begins, checked against the day-by-day readings: every start of every
// phase in the years 1901 to 2050 must be found from the day before it and from the phase's
// previous start, and never from the start itself.

#include "core/phase_starts.h"

#include <QDate>
#include <QTest>

using namespace lunetide;

namespace {

QString Iso(const CivilDay& day)
{
    return QDate(int(day.year()), int(unsigned(day.month())), int(unsigned(day.day())))
        .toString(Qt::ISODate);
}

} // namespace

class PhaseStartsTest : public QObject {
    Q_OBJECT

private slots:
    void everyStartFrom1901To2050();
};

void PhaseStartsTest::everyStartFrom1901To2050()
{
    // The starts by the readings: days whose phase differs from the day before's.
    std::vector<CivilDay> starts[std::size(kAllPhases)];
    const CivilDay first = std::chrono::year{1901} / 1 / 1;
    const CivilDay last = std::chrono::year{2050} / 12 / 31;
    MoonPhaseKind previous = MoonOf(PreviousDay(first)).phase;
    for (CivilDay day = first; day <= last; day = NextDay(day)) {
        const MoonPhaseKind phase = MoonOf(day).phase;
        if (phase != previous)
            starts[int(phase)].push_back(day);
        previous = phase;
    }

    for (const MoonPhaseKind phase : kAllPhases) {
        const std::vector<CivilDay>& days = starts[int(phase)];
        QVERIFY(days.size() > 1800); // about one a lunation
        for (std::size_t i = 0; i < days.size(); ++i) {
            const CivilDay expected = days[i];
            const CivilDay from = i == 0 ? PreviousDay(expected) : days[i - 1];
            for (const CivilDay after : {from, PreviousDay(expected)}) {
                const std::vector<PhaseStart> found = NextPhaseStarts(after, phase);
                if (found.size() != 1 || found[0].day != expected || found[0].phase != phase)
                    QFAIL(qPrintable(
                        QStringLiteral("after %1: expected %2").arg(Iso(after), Iso(expected))));
            }
        }
    }

    // All five at once: the same days, in date order.
    for (CivilDay after = first; after <= last;
         after = std::chrono::sys_days(after) + std::chrono::days(97)) {
        const std::vector<PhaseStart> all = NextPhaseStarts(after, std::nullopt);
        QCOMPARE(all.size(), std::size(kAllPhases));
        for (std::size_t i = 0; i < all.size(); ++i) {
            QVERIFY(all[i].day == NextPhaseStarts(after, all[i].phase).at(0).day);
            if (i > 0)
                QVERIFY(all[i - 1].day < all[i].day);
        }
    }
}

QTEST_GUILESS_MAIN(PhaseStartsTest)
#include "test_phase_starts.moc"
