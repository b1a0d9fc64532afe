#pragma once

#include "core/sun_sign.h"

#include <vector>

// The Moon's illuminated fraction and its tropical sign at an instant, and the instants at which
// it enters the signs. Instants are Julian Days (UT).

namespace lunetide::sky {

struct MoonIllumination {
    double fraction = 0; // of the disc's area, 0 (new) to 1 (full)
    bool waxing = false; // the elongation from the Sun is growing, new moon to full moon
};

MoonIllumination MoonIlluminationAt(double julianDay);

// The sign of the Moon's apparent longitude on the ecliptic of date (the tropical zodiac).
SunSign MoonSignAt(double julianDay);

struct SignEntry {
    SunSign sign;
    double julianDay;
};

// The Moon's next entry into a sign after `julianDay`.
SignEntry NextMoonSignEntry(double julianDay);

// Every entry in [from, to), in order.
std::vector<SignEntry> MoonSignEntriesBetween(double from, double to);

} // namespace lunetide::sky
