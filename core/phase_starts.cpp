#include "core/phase_starts.h"

#include <array>

namespace lunetide {

std::vector<PhaseStart> NextPhaseStarts(CivilDay after, std::optional<MoonPhaseKind> only)
{
    std::vector<PhaseStart> starts;
    const std::size_t wanted = only ? 1 : std::size(kAllPhases);
    if (after >= kLastReadableDay)
        return starts;

    std::array<bool, std::size(kAllPhases)> found{};
    MoonPhaseKind previous = MoonOf(after).phase;
    for (CivilDay day = NextDay(after); starts.size() < wanted; day = NextDay(day)) {
        const MoonPhaseKind phase = MoonOf(day).phase;
        if (phase != previous && !found[std::size_t(phase)] && (!only || phase == *only)) {
            found[std::size_t(phase)] = true;
            starts.push_back({phase, day});
        }
        previous = phase;
        if (day == kLastReadableDay)
            break;
    }
    return starts;
}

} // namespace lunetide
