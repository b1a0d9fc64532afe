#include "sky/apparent_place.h"

#include "sky/julian.h"

#include <libnova/lunar.h>
#include <libnova/nutation.h>
#include <libnova/precession.h>
#include <libnova/sidereal_time.h>
#include <libnova/solar.h>

#include <cmath>
#include <mutex>
#include <numbers>

namespace lunetide::sky {
namespace {

// libnova keeps its last lunar position and nutation in static variables.
std::mutex libnovaMutex;

constexpr double kRadiansPerDegree = std::numbers::pi / 180;
constexpr double kObliquityJ2000 = 23.4392911;
constexpr double kKmPerAu = 149597870.7;
// The lunar series are cut where terms fall below 1e-5 rad: a few arcseconds from the full series
// (seconds of the Moon's motion) at a fiftieth of its cost.
constexpr double kLunarSeriesPrecision = 1e-5;
constexpr double kAberrationConstant = 20.49552 / 3600;

double Sin(double degrees)
{
    return std::sin(degrees * kRadiansPerDegree);
}
double Cos(double degrees)
{
    return std::cos(degrees * kRadiansPerDegree);
}
double Atan2(double y, double x)
{
    return std::atan2(y, x) / kRadiansPerDegree;
}
double Asin(double x)
{
    return std::asin(x) / kRadiansPerDegree;
}

// A geocentric position in km on the mean ecliptic and equinox of J2000, made apparent at `tt`;
// `longitudeShift` is added to the longitude of date besides the nutation.
ApparentPlace ApparentFromJ2000(double x, double y, double z, double tt, double longitudeShift,
                                const ln_nutation& nutation)
{
    ApparentPlace place;
    place.distanceKm = std::sqrt(x * x + y * y + z * z);
    const double eqY = y * Cos(kObliquityJ2000) - z * Sin(kObliquityJ2000);
    const double eqZ = y * Sin(kObliquityJ2000) + z * Cos(kObliquityJ2000);
    ln_equ_posn j2000{Atan2(eqY, x), Asin(eqZ / place.distanceKm)};
    ln_equ_posn ofDate{};
    ln_get_equ_prec2(&j2000, kJ2000, tt, &ofDate);

    const double meanObliquity = nutation.ecliptic;
    const double ra = ofDate.ra;
    const double dec = ofDate.dec;
    const double lambda =
        Atan2(Sin(ra) * Cos(meanObliquity) + std::tan(dec * kRadiansPerDegree) * Sin(meanObliquity),
              Cos(ra));
    place.latitude = Asin(Sin(dec) * Cos(meanObliquity) - Cos(dec) * Sin(meanObliquity) * Sin(ra));
    place.longitude = Normalized360(lambda + nutation.longitude + longitudeShift);

    const double trueObliquity = meanObliquity + nutation.obliquity;
    const double l = place.longitude;
    const double b = place.latitude;
    place.rightAscension = Normalized360(
        Atan2(Sin(l) * Cos(trueObliquity) - std::tan(b * kRadiansPerDegree) * Sin(trueObliquity),
              Cos(l)));
    place.declination = Asin(Sin(b) * Cos(trueObliquity) + Cos(b) * Sin(trueObliquity) * Sin(l));
    return place;
}

} // namespace

double Normalized360(double degrees)
{
    return degrees - 360 * std::floor(degrees / 360);
}

double Normalized180(double degrees)
{
    return degrees - 360 * std::floor((degrees + 180) / 360);
}

ApparentPlace MoonPlace(double julianDayUt)
{
    const double tt = TerrestrialTime(julianDayUt);
    ln_rect_posn moon{};
    ln_nutation nutation{};
    {
        const std::lock_guard lock(libnovaMutex);
        ln_get_lunar_geo_posn(tt, &moon, kLunarSeriesPrecision);
        ln_get_nutation(tt, &nutation);
    }
    return ApparentFromJ2000(moon.X, moon.Y, moon.Z, tt, 0, nutation);
}

ApparentPlace SunPlace(double julianDayUt)
{
    const double tt = TerrestrialTime(julianDayUt);
    ln_helio_posn sun{};
    ln_nutation nutation{};
    {
        const std::lock_guard lock(libnovaMutex);
        ln_get_solar_geom_coords(tt, &sun);
        ln_get_nutation(tt, &nutation);
    }
    const double r = sun.R * kKmPerAu;
    return ApparentFromJ2000(r * Cos(sun.B) * Cos(sun.L), r * Cos(sun.B) * Sin(sun.L),
                             r * Sin(sun.B), tt, -kAberrationConstant / sun.R, nutation);
}

double GreenwichSiderealTime(double julianDayUt)
{
    const std::lock_guard lock(libnovaMutex);
    return ln_get_apparent_sidereal_time(julianDayUt) * 15;
}

double GreenwichMeanSiderealTime(double julianDayUt)
{
    const std::lock_guard lock(libnovaMutex);
    return ln_get_mean_sidereal_time(julianDayUt) * 15;
}

} // namespace lunetide::sky
