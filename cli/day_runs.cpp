#include "cli/day_runs.h"

namespace lunetide::cli {
namespace {

int KeyOf(RunKind kind, QDate date)
{
    return kind == RunKind::Phase ? int(PhaseOfDay(date)) : int(SignOfDay(date));
}

} // namespace

Moon MoonOfDay(QDate date)
{
    int year = 0;
    int month = 0;
    int day = 0;
    date.getDate(&year, &month, &day);
    return MoonOf(year, month, day);
}

MoonPhaseKind PhaseOfDay(QDate date)
{
    return MoonOfDay(date).phase;
}

SunSign SignOfDay(QDate date)
{
    // Every real day has a sign: the boundaries cover days 1 to 31 of every month.
    return *SunSignOf(date.month(), date.day());
}

std::vector<DayRun> RunsOf(RunKind kind, QDate first, QDate last, QDate earliest, QDate latest)
{
    std::vector<DayRun> runs;
    if (first > last)
        return runs;

    const int firstKey = KeyOf(kind, first);
    while (first > earliest && KeyOf(kind, first.addDays(-1)) == firstKey)
        first = first.addDays(-1);
    const int lastKey = KeyOf(kind, last);
    while (last < latest && KeyOf(kind, last.addDays(1)) == lastKey)
        last = last.addDays(1);

    DayRun run{first, first};
    int key = KeyOf(kind, first);
    for (QDate day = first.addDays(1); day <= last; day = day.addDays(1)) {
        const int dayKey = KeyOf(kind, day);
        if (dayKey != key) {
            runs.push_back(run);
            run.first = day;
            key = dayKey;
        }
        run.last = day;
    }
    runs.push_back(run);
    return runs;
}

} // namespace lunetide::cli
