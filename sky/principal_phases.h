#pragma once

#include <vector>

// The instants of new moon, first quarter, full moon and last quarter: when the Moon's apparent
// ecliptic longitude exceeds the Sun's by 0°, 90°, 180° and 270°. Instants are Julian Days (UT).

namespace lunetide::sky {

enum class PrincipalPhase { NewMoon, FirstQuarter, FullMoon, LastQuarter };

struct PhaseInstant {
    PrincipalPhase phase;
    double julianDay;
};

// The next `count` principal phases after `julianDay`, in order.
std::vector<PhaseInstant> NextPrincipalPhases(double julianDay, int count);

// Every principal phase in [from, to), in order.
std::vector<PhaseInstant> PrincipalPhasesBetween(double from, double to);

// The Moon's apparent longitude minus the Sun's, in [0, 360).
double MoonElongation(double julianDay);

} // namespace lunetide::sky
