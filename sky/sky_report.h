#pragma once

#include "sky/full_moon_marks.h"
#include "sky/moon_position.h"
#include "sky/principal_phases.h"
#include "sky/rise_set.h"

#include <optional>
#include <string_view>
#include <vector>

// What the views show of the sky at a moment of a local day: the moon's light and its own sign,
// its rise and set at the place, and the principal phases to come, a full moon with its name and
// marks. Times are Julian Days (UT); the caller's time zone comes in as its offset from UTC.

namespace lunetide::sky {

// "New Moon", "First Quarter", "Full Moon", "Last Quarter".
std::string_view PrincipalPhaseName(PrincipalPhase phase);

// A principal phase; a full moon has its name and marks.
struct PhaseEvent {
    PrincipalPhase phase = PrincipalPhase::NewMoon;
    double julianDay = 0;
    std::optional<FullMoon> fullMoon;
};

// The principal phases in [from, to), full moons named for a place at `latitude` by its local
// month. One search serves a whole range of days.
std::vector<PhaseEvent> PhaseEventsBetween(double from, double to, double latitude,
                                           const UtcOffsetAt& utcOffset);

// A local day: its midnight and the next one, 23 to 25 hours apart.
struct LocalDay {
    double start = 0;
    double end = 0;
};

struct SkyReport {
    double at = 0;
    MoonIllumination illumination;
    SunSign moonSign = SunSign::Aries;
    SignEntry nextSign{};               // the sign the moon enters next, and when
    std::optional<MoonDay> moonDay;     // the day's rise, set and transit; none without a place
    std::vector<PhaseEvent> nextPhases; // the next four after the day's start
};

// The sky at `at`, a moment of `day`, for the place if there is one (the full moons are then
// named for its hemisphere, else for the north). `phases` are PhaseEventsBetween over at least
// the day's start and the month after it.
SkyReport SkyAt(double at, const LocalDay& day, const std::optional<GeoPlace>& place,
                const std::vector<PhaseEvent>& phases);

// The same, with the phases searched for this day alone.
SkyReport SkyAt(double at, const LocalDay& day, const std::optional<GeoPlace>& place,
                const UtcOffsetAt& utcOffset);

// How far after a day's start PhaseEventsBetween must reach for SkyAt: more than a lunation.
inline constexpr double kPhasesAhead = 31;

} // namespace lunetide::sky
