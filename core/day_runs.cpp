#include "core/day_runs.h"

#include "core/moon_age.h"
#include "core/sun_sign.h"

namespace lunetide {

std::vector<DayRun> RunsOf(const DayKey& keyOf, CivilDay first, CivilDay last, CivilDay earliest,
                           CivilDay latest)
{
    std::vector<DayRun> runs;
    if (first > last)
        return runs;

    const int firstKey = keyOf(first);
    while (first > earliest && keyOf(PreviousDay(first)) == firstKey)
        first = PreviousDay(first);
    const int lastKey = keyOf(last);
    while (last < latest && keyOf(NextDay(last)) == lastKey)
        last = NextDay(last);

    DayRun run{first, first};
    int key = keyOf(first);
    for (CivilDay day = NextDay(first); day <= last; day = NextDay(day)) {
        const int dayKey = keyOf(day);
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

std::vector<DayRun> RunsOf(RunKind kind, CivilDay first, CivilDay last, CivilDay earliest,
                           CivilDay latest)
{
    if (kind == RunKind::Phase)
        return RunsOf([](const CivilDay& day) { return int(MoonOf(day).phase); }, first, last,
                      earliest, latest);
    return RunsOf([](const CivilDay& day) { return int(SignOfDay(day)); }, first, last, earliest,
                  latest);
}

} // namespace lunetide
