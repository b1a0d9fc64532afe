#include "sky/principal_phases.h"

#include "sky/apparent_place.h"
#include "sky/solve.h"

#include <cmath>

namespace lunetide::sky {
namespace {

// 360° in a mean synodic month of 29.530589 days.
constexpr double kElongationDailyMotion = 12.190749;

// Calls `found` for each principal phase after `julianDay` until it returns false.
template <class Found> void ForEachPhaseAfter(double julianDay, Found found)
{
    const double start = MoonElongation(julianDay);
    int quarter = static_cast<int>(std::floor(start / 90)) + 1;
    double guess = julianDay + (quarter * 90 - start) / kElongationDailyMotion;
    for (;;) {
        const double target = (quarter % 4) * 90.0;
        const double instant =
            SolveIncreasing([&](double t) { return Normalized180(MoonElongation(t) - target); },
                            guess, kElongationDailyMotion);
        if (!found(PhaseInstant{static_cast<PrincipalPhase>(quarter % 4), instant}))
            return;
        ++quarter;
        guess = instant + 90 / kElongationDailyMotion;
    }
}

} // namespace

double MoonElongation(double julianDay)
{
    return Normalized360(MoonPlace(julianDay).longitude - SunPlace(julianDay).longitude);
}

std::vector<PhaseInstant> NextPrincipalPhases(double julianDay, int count)
{
    std::vector<PhaseInstant> phases;
    if (count <= 0)
        return phases;
    ForEachPhaseAfter(julianDay, [&](const PhaseInstant& p) {
        phases.push_back(p);
        return static_cast<int>(phases.size()) < count;
    });
    return phases;
}

std::vector<PhaseInstant> PrincipalPhasesBetween(double from, double to)
{
    std::vector<PhaseInstant> phases;
    if (!(from < to))
        return phases;
    ForEachPhaseAfter(from, [&](const PhaseInstant& p) {
        if (p.julianDay >= to)
            return false;
        phases.push_back(p);
        return true;
    });
    return phases;
}

} // namespace lunetide::sky
