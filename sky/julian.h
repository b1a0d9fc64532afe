#pragma once

#include <chrono>

// Instants as Julian Days on the UT scale, the unit every sky function takes and gives.

namespace lunetide::sky {

inline constexpr double kJulianDayOfUnixEpoch = 2440587.5;
inline constexpr double kJ2000 = 2451545.0;
inline constexpr double kSecondsPerDay = 86400.0;

constexpr double JulianDay(std::chrono::sys_seconds t)
{
    return kJulianDayOfUnixEpoch +
           static_cast<double>(t.time_since_epoch().count()) / kSecondsPerDay;
}

// To the nearest second.
std::chrono::sys_seconds SysSeconds(double julianDay);

// TT − UT in seconds: the slowing Earth's lag behind uniform time, which the lunar and solar
// theories run on (Espenak and Meeus's polynomials, 1900 to 2150).
double DeltaTSeconds(double julianDayUt);

double TerrestrialTime(double julianDayUt);

} // namespace lunetide::sky
