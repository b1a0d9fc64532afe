#pragma once

// Where the Moon and the Sun stand as seen from the Earth's centre: apparent places referred to the
// true equator and equinox of date, the frame almanacs and astrologers' ephemerides use.
//
// libnova's lunar theory (ELP 2000-82B) and its Earth theory (VSOP87) give positions on the mean
// ecliptic and equinox of J2000 and read their time argument as Terrestrial Time. Here the instant
// is taken on the UT scale, moved to TT, and the J2000 position is precessed to the mean equator of
// date, turned onto the ecliptic of date and shifted by the nutation in longitude (and, for the
// Sun, by the annual aberration).

namespace lunetide::sky {

struct ApparentPlace {
    double longitude = 0;      // ecliptic longitude, degrees in [0, 360)
    double latitude = 0;       // ecliptic latitude, degrees
    double rightAscension = 0; // degrees in [0, 360)
    double declination = 0;    // degrees
    double distanceKm = 0;     // centre to centre
};

ApparentPlace MoonPlace(double julianDayUt);
ApparentPlace SunPlace(double julianDayUt);

// Greenwich apparent and mean sidereal time in degrees (not brought into [0, 360)).
double GreenwichSiderealTime(double julianDayUt);
double GreenwichMeanSiderealTime(double julianDayUt);

// An angle brought into [0, 360) and into [-180, 180).
double Normalized360(double degrees);
double Normalized180(double degrees);

} // namespace lunetide::sky
