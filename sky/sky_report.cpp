#include "sky/sky_report.h"

#include <algorithm>
#include <cmath>

namespace lunetide::sky {

std::string_view PrincipalPhaseName(PrincipalPhase phase)
{
    switch (phase) {
    case PrincipalPhase::NewMoon:
        return "New Moon";
    case PrincipalPhase::FirstQuarter:
        return "First Quarter";
    case PrincipalPhase::FullMoon:
        return "Full Moon";
    case PrincipalPhase::LastQuarter:
        return "Last Quarter";
    }
    return {};
}

std::vector<PhaseEvent> PhaseEventsBetween(double from, double to, double latitude,
                                           const UtcOffsetAt& utcOffset)
{
    const std::vector<FullMoon> fullMoons = FullMoonsBetween(from, to, latitude, utcOffset);
    std::vector<PhaseEvent> events;
    for (const PhaseInstant& instant : PrincipalPhasesBetween(from, to)) {
        PhaseEvent event{instant.phase, instant.julianDay, std::nullopt};
        if (instant.phase == PrincipalPhase::FullMoon) {
            // The same instants, found by the same search.
            const auto named = std::find_if(fullMoons.begin(), fullMoons.end(), [&](const auto& m) {
                return std::abs(m.julianDay - instant.julianDay) < 1e-6;
            });
            if (named != fullMoons.end())
                event.fullMoon = *named;
        }
        events.push_back(std::move(event));
    }
    return events;
}

SkyReport SkyAt(double at, const LocalDay& day, const std::optional<GeoPlace>& place,
                const std::vector<PhaseEvent>& phases)
{
    SkyReport report;
    report.at = at;
    report.illumination = MoonIlluminationAt(at);
    report.moonSign = MoonSignAt(at);
    report.nextSign = NextMoonSignEntry(at);
    if (place)
        report.moonDay = MoonRiseSetTransit(*place, day.start, day.end);
    auto next = std::lower_bound(phases.begin(), phases.end(), day.start,
                                 [](const PhaseEvent& e, double t) { return e.julianDay < t; });
    for (; next != phases.end() && report.nextPhases.size() < 4; ++next)
        report.nextPhases.push_back(*next);
    return report;
}

SkyReport SkyAt(double at, const LocalDay& day, const std::optional<GeoPlace>& place,
                const UtcOffsetAt& utcOffset)
{
    const double latitude = place ? place->latitude : 0;
    return SkyAt(at, day, place,
                 PhaseEventsBetween(day.start, day.start + kPhasesAhead, latitude, utcOffset));
}

} // namespace lunetide::sky
