#pragma once

#include "core/civil_day.h"
#include "core/moon_age.h"

#include <optional>
#include <vector>

// The next day on which each moon phase begins: the first day of a run of days with that phase.

namespace lunetide {

struct PhaseStart {
    MoonPhaseKind phase;
    CivilDay day;
};

// The first day after `after` (not `after` itself) on which each phase begins, or only the given
// phase, in date order. A phase that does not begin again by kLastReadableDay is left out.
std::vector<PhaseStart> NextPhaseStarts(CivilDay after, std::optional<MoonPhaseKind> only);

} // namespace lunetide
