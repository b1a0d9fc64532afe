#include "sky/julian.h"

#include <cmath>

namespace lunetide::sky {

std::chrono::sys_seconds SysSeconds(double julianDay)
{
    const double seconds = std::round((julianDay - kJulianDayOfUnixEpoch) * kSecondsPerDay);
    return std::chrono::sys_seconds(std::chrono::seconds(static_cast<long long>(seconds)));
}

double DeltaTSeconds(double julianDayUt)
{
    const double y = 2000.0 + (julianDayUt - kJ2000) / 365.25;
    if (y < 1920) {
        const double t = y - 1900;
        return -2.79 + t * (1.494119 + t * (-0.0598939 + t * (0.0061966 - t * 0.000197)));
    }
    if (y < 1941) {
        const double t = y - 1920;
        return 21.20 + t * (0.84493 + t * (-0.076100 + t * 0.0020936));
    }
    if (y < 1961) {
        const double t = y - 1950;
        return 29.07 + t * (0.407 + t * (-1.0 / 233 + t / 2547));
    }
    if (y < 1986) {
        const double t = y - 1975;
        return 45.45 + t * (1.067 + t * (-1.0 / 260 - t / 718));
    }
    if (y < 2005) {
        const double t = y - 2000;
        return 63.86 + t * (0.3345 + t * (-0.060374 +
                                          t * (0.0017275 + t * (0.000651814 + t * 0.00002373599))));
    }
    if (y < 2050) {
        const double t = y - 2000;
        return 62.92 + t * (0.32217 + t * 0.005589);
    }
    const double u = (y - 1820) / 100;
    return -20 + 32 * u * u - 0.5628 * (2150 - y);
}

double TerrestrialTime(double julianDayUt)
{
    return julianDayUt + DeltaTSeconds(julianDayUt) / kSecondsPerDay;
}

} // namespace lunetide::sky
