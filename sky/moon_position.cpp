#include "sky/moon_position.h"

#include "sky/apparent_place.h"
#include "sky/solve.h"

#include <cmath>

namespace lunetide::sky {
namespace {

constexpr double kRadiansPerDegree = 3.14159265358979323846 / 180;
constexpr double kMoonMeanDailyMotion = 13.176;

SunSign SignOfLongitude(double longitude)
{
    return static_cast<SunSign>(static_cast<int>(longitude / 30) % kSunSignCount);
}

} // namespace

MoonIllumination MoonIlluminationAt(double julianDay)
{
    const ApparentPlace moon = MoonPlace(julianDay);
    const ApparentPlace sun = SunPlace(julianDay);
    const double dLambda = (moon.longitude - sun.longitude) * kRadiansPerDegree;
    const double bm = moon.latitude * kRadiansPerDegree;
    const double bs = sun.latitude * kRadiansPerDegree;
    // Elongation ψ of the Moon from the Sun, then the phase angle Sun–Moon–Earth.
    const double cosPsi =
        std::cos(bm) * std::cos(bs) * std::cos(dLambda) + std::sin(bm) * std::sin(bs);
    const double sinPsi = std::sqrt(std::max(0.0, 1 - cosPsi * cosPsi));
    const double phaseAngle =
        std::atan2(sun.distanceKm * sinPsi, moon.distanceKm - sun.distanceKm * cosPsi);
    return {(1 + std::cos(phaseAngle)) / 2, Normalized360(moon.longitude - sun.longitude) < 180};
}

SunSign MoonSignAt(double julianDay)
{
    return SignOfLongitude(MoonPlace(julianDay).longitude);
}

SignEntry NextMoonSignEntry(double julianDay)
{
    const double longitude = MoonPlace(julianDay).longitude;
    const int next = (static_cast<int>(longitude / 30) + 1) % kSunSignCount;
    const double boundary = next * 30.0;
    const double ahead = Normalized360(boundary - longitude);
    const double entry =
        SolveIncreasing([&](double t) { return Normalized180(MoonPlace(t).longitude - boundary); },
                        julianDay + ahead / kMoonMeanDailyMotion, kMoonMeanDailyMotion);
    return {static_cast<SunSign>(next), entry};
}

std::vector<SignEntry> MoonSignEntriesBetween(double from, double to)
{
    std::vector<SignEntry> entries;
    // The Moon spends two days or more in a sign: searching on from an hour after an entry
    // cannot find that entry again.
    constexpr double kAfterEntry = 1.0 / 24;
    for (SignEntry e = NextMoonSignEntry(from); e.julianDay < to;
         e = NextMoonSignEntry(e.julianDay + kAfterEntry))
        entries.push_back(e);
    return entries;
}

} // namespace lunetide::sky
