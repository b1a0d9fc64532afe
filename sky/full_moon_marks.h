#pragma once

#include <functional>
#include <string>
#include <vector>

// The full moons of a stretch of time with the marks almanacs give them: the month's traditional
// name, the Harvest Moon, a Blue Moon and a supermoon. Names and Blue Moons follow the calendar
// month of the full moon at the place, so the caller tells its offset from UTC.

namespace lunetide::sky {

// Seconds east of UTC in force at an instant given as a Julian Day (UT).
using UtcOffsetAt = std::function<int(double julianDay)>;

struct FullMoon {
    double julianDay = 0; // UT
    int localYear = 0;
    int localMonth = 0; // 1 to 12
    std::string name;   // "Wolf Moon" ... "Cold Moon"; shifted six months south of the equator
    bool harvestMoon = false; // the full moon nearest the autumn equinox of the place's hemisphere
    bool blueMoon = false;    // the second full moon of its calendar month
    bool supermoon = false;   // nearer than 360,000 km, centre to centre
    double distanceKm = 0;
};

// Every full moon in [from, to) for a place at `latitude` (degrees, north positive).
std::vector<FullMoon> FullMoonsBetween(double from, double to, double latitude,
                                       const UtcOffsetAt& utcOffset);

// The instant the Sun's apparent longitude reaches 0° (March) or 180° (September) in `year`.
double MarchEquinox(int year);
double SeptemberEquinox(int year);

} // namespace lunetide::sky
