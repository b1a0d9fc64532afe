#pragma once

#include <optional>

// Moonrise, moonset and the Moon's transit for a place and a local day.
//
// Rise and set are the instants at which the Moon's upper limb, seen from the place (topocentric),
// stands on the horizon with the standard refraction of 34′ (its centre at −34′ − semidiameter).
// The transit is the Moon's passage across the place's meridian, above or below the horizon.

namespace lunetide::sky {

struct GeoPlace {
    double latitude = 0;  // degrees, north positive
    double longitude = 0; // degrees, east positive
};

struct MoonDay {
    // The first of each event in the day, if the day has one; Julian Days (UT).
    std::optional<double> rise;
    std::optional<double> set;
    std::optional<double> transit;
    bool upAllDay = false;   // no rise or set: the Moon is above the horizon the whole day
    bool downAllDay = false; // no rise or set: the Moon is below the horizon the whole day
};

// The day runs over [dayStart, dayEnd): local midnight to the next local midnight as Julian Days
// (UT), worked out by the caller in its time zone, so that a day may last 23 or 25 hours.
MoonDay MoonRiseSetTransit(const GeoPlace& place, double dayStart, double dayEnd);

} // namespace lunetide::sky
