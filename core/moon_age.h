#pragma once

#include "core/civil_day.h"
#include "core/moon_shape.h"

// The moon's age in days for a calendar date, reckoned by a short arithmetic rule of the Conway
// type, and the phase, picture and shape that belong to an age.

namespace lunetide {

enum class MoonPhaseKind { DarkMoon, NewMoon, WaxingMoon, FullMoon, WaningMoon };

inline constexpr MoonPhaseKind kAllPhases[] = {MoonPhaseKind::DarkMoon, MoonPhaseKind::NewMoon,
                                               MoonPhaseKind::WaxingMoon, MoonPhaseKind::FullMoon,
                                               MoonPhaseKind::WaningMoon};

// The moon of a day: everything that follows from its age.
struct Moon {
    int age = 0; // 0 to 29
    MoonPhaseKind phase = MoonPhaseKind::DarkMoon;
    int picture = 1; // number of the moon picture, 1 to 30
    MoonShape shape; // as seen from the north
};

// Age of the moon, 0 to 29, for a four-digit year (IsReadableYear), a month 1 to 12 and a day of
// the month. The day is not checked against the month. The working values are 16-bit signed
// integers: a step whose result leaves that range throws std::overflow_error instead of wrapping
// around. A year without four digits or a month outside 1 to 12 throws std::invalid_argument.
int MoonAgeOf(int year, int month, int day);

// Phase of an age 0 to 29; throws std::invalid_argument for any other age.
MoonPhaseKind PhaseOf(int age);

// Number of the moon picture (1 to 30) for an age 0 to 29.
constexpr int MoonImageNumber(int age)
{
    return age + 1;
}

// The moon of an age 0 to 29; throws std::invalid_argument for any other age.
Moon MoonOfAge(int age);

// The moon of a date, with the arguments and exceptions of MoonAgeOf.
Moon MoonOf(int year, int month, int day);
Moon MoonOf(const CivilDay& day);

} // namespace lunetide
