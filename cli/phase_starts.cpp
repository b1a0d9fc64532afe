#include "cli/phase_starts.h"

#include "cli/date_argument.h"
#include "cli/day_runs.h"
#include "core/correspondence.h"

#include <array>

namespace lunetide::cli {

std::vector<PhaseStart> NextPhaseStarts(QDate after, std::optional<MoonPhaseKind> only)
{
    std::vector<PhaseStart> starts;
    const std::size_t wanted = only ? 1 : std::size(kAllPhases);
    if (after >= LastReadableDay())
        return starts;

    std::array<bool, std::size(kAllPhases)> found{};
    MoonPhaseKind previous = PhaseOfDay(after);
    for (QDate day = after.addDays(1); starts.size() < wanted; day = day.addDays(1)) {
        const MoonPhaseKind phase = PhaseOfDay(day);
        if (phase != previous && !found[std::size_t(phase)] && (!only || phase == *only)) {
            found[std::size_t(phase)] = true;
            starts.push_back({phase, day});
        }
        previous = phase;
        if (day == LastReadableDay())
            break;
    }
    return starts;
}

std::optional<MoonPhaseKind> PhaseNamed(const QString& name)
{
    const QString wanted = name.simplified();
    for (const MoonPhaseKind phase : kAllPhases) {
        const std::string_view phaseName = PhaseTextsOf(phase, TextCopy::Display).name;
        if (wanted.compare(QLatin1StringView(phaseName.data(), qsizetype(phaseName.size())),
                           Qt::CaseInsensitive) == 0)
            return phase;
    }
    return std::nullopt;
}

} // namespace lunetide::cli
