#include "sky/rise_set.h"

#include "sky/apparent_place.h"
#include "sky/solve.h"

#include <array>
#include <cmath>
#include <numbers>

namespace lunetide::sky {
namespace {

constexpr double kRad = std::numbers::pi / 180;
constexpr double kEarthEquatorialRadiusKm = 6378.137;
constexpr double kEarthPolarRatio = 1 - 1 / 298.257223563; // polar radius / equatorial radius
constexpr double kMoonRadiusKm = 1737.4;
constexpr double kHorizonRefraction = 34.0 / 60;
// The altitude is sampled this often to find where it crosses the horizon; the Moon cannot rise
// and set again within it except grazing the horizon near the poles.
constexpr double kScanStep = 5.0 / 1440;

// The Moon's geocentric place over the day, from five computed places and Lagrange interpolation
// between them: the lunar series are costly, the interpolation is within an arcsecond or so.
class MoonOverDay {
public:
    MoonOverDay(double start, double end) : start_(start), step_((end - start) / (kNodes - 1))
    {
        for (int i = 0; i < kNodes; ++i) {
            const ApparentPlace p = MoonPlace(start + i * step_);
            ra_[i] = p.rightAscension;
            if (i > 0) // unwrapped, so that the interpolation never crosses 0h
                ra_[i] = ra_[i - 1] + Normalized180(ra_[i] - ra_[i - 1]);
            dec_[i] = p.declination;
            distance_[i] = p.distanceKm;
        }
        // The equation of the equinoxes changes by hundredths of a second in a day.
        equationOfEquinoxes_ =
            Normalized180(GreenwichSiderealTime(start) - GreenwichMeanSiderealTime(start));
    }

    struct Topocentric {
        double altitude;   // of the centre, degrees, without refraction
        double hourAngle;  // degrees in [-180, 180), west positive
        double distanceKm; // from the place
    };

    Topocentric At(double t, const GeoPlace& place) const
    {
        const double ra = Interpolate(ra_, t) * kRad;
        const double dec = Interpolate(dec_, t) * kRad;
        const double distance = Interpolate(distance_, t);
        const double siderealTime =
            (GreenwichMeanSiderealTime(t) + equationOfEquinoxes_ + place.longitude) * kRad;
        // The place on the spheroid, then the Moon as seen from it.
        const double lat = place.latitude * kRad;
        const double u = std::atan(kEarthPolarRatio * std::tan(lat));
        const double px = kEarthEquatorialRadiusKm * std::cos(u) * std::cos(siderealTime);
        const double py = kEarthEquatorialRadiusKm * std::cos(u) * std::sin(siderealTime);
        const double pz = kEarthEquatorialRadiusKm * kEarthPolarRatio * std::sin(u);
        const double x = distance * std::cos(dec) * std::cos(ra) - px;
        const double y = distance * std::cos(dec) * std::sin(ra) - py;
        const double z = distance * std::sin(dec) - pz;
        const double topoDistance = std::sqrt(x * x + y * y + z * z);
        const double topoDec = std::asin(z / topoDistance);
        const double hourAngle = siderealTime - std::atan2(y, x);
        const double sinAltitude = std::sin(lat) * std::sin(topoDec) +
                                   std::cos(lat) * std::cos(topoDec) * std::cos(hourAngle);
        return {std::asin(sinAltitude) / kRad, Normalized180(hourAngle / kRad), topoDistance};
    }

private:
    static constexpr int kNodes = 5;

    double Interpolate(const std::array<double, kNodes>& values, double t) const
    {
        const double x = (t - start_) / step_;
        double sum = 0;
        for (int i = 0; i < kNodes; ++i) {
            double weight = 1;
            for (int j = 0; j < kNodes; ++j)
                if (j != i)
                    weight *= (x - j) / (i - j);
            sum += weight * values[i];
        }
        return sum;
    }

    double start_;
    double step_;
    std::array<double, kNodes> ra_{};
    std::array<double, kNodes> dec_{};
    std::array<double, kNodes> distance_{};
    double equationOfEquinoxes_ = 0;
};

} // namespace

MoonDay MoonRiseSetTransit(const GeoPlace& place, double dayStart, double dayEnd)
{
    MoonDay day;
    if (!(dayStart < dayEnd))
        return day;
    const MoonOverDay moon(dayStart, dayEnd);
    // Above zero while the upper limb is above the refracted horizon.
    const auto upperLimb = [&](const MoonOverDay::Topocentric& m) {
        return m.altitude + std::asin(kMoonRadiusKm / m.distanceKm) / kRad + kHorizonRefraction;
    };
    const auto upperLimbAt = [&](double t) { return upperLimb(moon.At(t, place)); };
    const auto hourAngleAt = [&](double t) { return moon.At(t, place).hourAngle; };

    const int steps = static_cast<int>(std::ceil((dayEnd - dayStart) / kScanStep));
    double t0 = dayStart;
    auto m0 = moon.At(t0, place);
    const bool upAtStart = upperLimb(m0) > 0;
    for (int i = 1; i <= steps; ++i) {
        const double t1 = i == steps ? dayEnd : dayStart + i * kScanStep;
        const auto m1 = moon.At(t1, place);
        const double h0 = upperLimb(m0);
        const double h1 = upperLimb(m1);
        if (h0 <= 0 && h1 > 0 && !day.rise)
            day.rise = SolveBracketed(upperLimbAt, t0, h0, t1, h1);
        if (h0 > 0 && h1 <= 0 && !day.set)
            day.set = SolveBracketed(upperLimbAt, t0, h0, t1, h1);
        // The hour angle runs from −180° to 180° and jumps back; only the crossing of 0° counts.
        if (m0.hourAngle < 0 && m1.hourAngle >= 0 && m1.hourAngle - m0.hourAngle < 90 &&
            !day.transit)
            day.transit = SolveBracketed(hourAngleAt, t0, m0.hourAngle, t1, m1.hourAngle);
        t0 = t1;
        m0 = m1;
    }
    // Events found at the very end of the day belong to the next one.
    for (auto* event : {&day.rise, &day.set, &day.transit})
        if (*event && **event >= dayEnd)
            event->reset();
    if (!day.rise && !day.set) {
        day.upAllDay = upAtStart;
        day.downAllDay = !upAtStart;
    }
    return day;
}

} // namespace lunetide::sky
