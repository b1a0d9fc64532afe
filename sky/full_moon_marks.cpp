#include "sky/full_moon_marks.h"

#include "sky/apparent_place.h"
#include "sky/julian.h"
#include "sky/principal_phases.h"
#include "sky/solve.h"

#include <array>
#include <chrono>
#include <cmath>
#include <map>
#include <string_view>

namespace lunetide::sky {
namespace {

constexpr std::array<std::string_view, 12> kNames = {
    "Wolf Moon", "Snow Moon",     "Worm Moon", "Pink Moon",     "Flower Moon", "Strawberry Moon",
    "Buck Moon", "Sturgeon Moon", "Corn Moon", "Hunter's Moon", "Beaver Moon", "Cold Moon"};

constexpr double kSupermoonDistanceKm = 360000;
constexpr double kSunMeanDailyMotion = 0.985647;
// Longer than any lunation, so that a search this far around an instant finds the full moons on
// both sides of it.
constexpr double kBeyondALunation = 31;

double Equinox(int year, unsigned month, unsigned day, double longitude)
{
    using namespace std::chrono;
    const double guess = JulianDay(sys_seconds(sys_days(year_month_day(
        std::chrono::year(year), std::chrono::month(month), std::chrono::day(day)))));
    return SolveIncreasing(
        [&](double t) { return Normalized180(SunPlace(t).longitude - longitude); }, guess,
        kSunMeanDailyMotion);
}

std::vector<double> FullMoonInstants(double from, double to)
{
    std::vector<double> instants;
    for (const PhaseInstant& p : PrincipalPhasesBetween(from, to))
        if (p.phase == PrincipalPhase::FullMoon)
            instants.push_back(p.julianDay);
    return instants;
}

std::chrono::year_month_day LocalDate(double julianDay, const UtcOffsetAt& utcOffset)
{
    const auto local = SysSeconds(julianDay) + std::chrono::seconds(utcOffset(julianDay));
    return std::chrono::year_month_day(std::chrono::floor<std::chrono::days>(local));
}

} // namespace

double MarchEquinox(int year)
{
    return Equinox(year, 3, 20, 0);
}

double SeptemberEquinox(int year)
{
    return Equinox(year, 9, 22, 180);
}

std::vector<FullMoon> FullMoonsBetween(double from, double to, double latitude,
                                       const UtcOffsetAt& utcOffset)
{
    std::vector<FullMoon> moons;
    if (!(from < to))
        return moons;
    const bool south = latitude < 0;
    // One full moon before the range, to tell whether the first one is the second of its month.
    const std::vector<double> instants = FullMoonInstants(from - kBeyondALunation, to);
    std::map<int, double> harvestByYear;
    const auto harvestMoonOf = [&](int year) {
        auto found = harvestByYear.find(year);
        if (found == harvestByYear.end()) {
            const double equinox = south ? MarchEquinox(year) : SeptemberEquinox(year);
            double nearest = 0;
            for (double t :
                 FullMoonInstants(equinox - kBeyondALunation / 2, equinox + kBeyondALunation / 2))
                if (nearest == 0 || std::abs(t - equinox) < std::abs(nearest - equinox))
                    nearest = t;
            found = harvestByYear.emplace(year, nearest).first;
        }
        return found->second;
    };

    std::chrono::year_month_day previous{};
    for (double t : instants) {
        const auto date = LocalDate(t, utcOffset);
        const bool sameMonthAsPrevious =
            date.year() == previous.year() && date.month() == previous.month();
        previous = date;
        if (t < from)
            continue;
        FullMoon moon;
        moon.julianDay = t;
        moon.localYear = static_cast<int>(date.year());
        moon.localMonth = static_cast<int>(static_cast<unsigned>(date.month()));
        // Southern almanacs give each name to the month six months on.
        moon.name = kNames[static_cast<std::size_t>((moon.localMonth - 1 + (south ? 6 : 0)) % 12)];
        moon.blueMoon = sameMonthAsPrevious;
        moon.harvestMoon = std::abs(harvestMoonOf(moon.localYear) - t) < 1e-6;
        moon.distanceKm = MoonPlace(t).distanceKm;
        moon.supermoon = moon.distanceKm < kSupermoonDistanceKm;
        moons.push_back(std::move(moon));
    }
    return moons;
}

} // namespace lunetide::sky
