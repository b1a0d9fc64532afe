#pragma once

#include <chrono>

// A day of the (proleptic) Gregorian calendar, the calendar every date of the program is in, and
// the days whose moon can be reckoned: those of the four-digit years.

namespace lunetide {

using CivilDay = std::chrono::year_month_day;

inline constexpr int kFirstReadableYear = 1000;
inline constexpr int kLastReadableYear = 9999;

constexpr bool IsReadableYear(int year)
{
    return year >= kFirstReadableYear && year <= kLastReadableYear;
}

inline constexpr CivilDay kFirstReadableDay{std::chrono::year{kFirstReadableYear},
                                            std::chrono::January, std::chrono::day{1}};
inline constexpr CivilDay kLastReadableDay{std::chrono::year{kLastReadableYear},
                                           std::chrono::December, std::chrono::day{31}};

// The days for which the reckoned moon keeps to the sky: outside 1900 to 2099 the rule's ages drift
// away from the real moon by up to 13 days (by the year 1000 its full moons fall on new moons). A
// program that reads whatever day it is asked for keeps to these.
inline constexpr CivilDay kFirstTrustedDay{std::chrono::year{1900}, std::chrono::January,
                                           std::chrono::day{1}};
inline constexpr CivilDay kLastTrustedDay{std::chrono::year{2099}, std::chrono::December,
                                          std::chrono::day{31}};

constexpr CivilDay NextDay(const CivilDay& day)
{
    return std::chrono::sys_days(day) + std::chrono::days(1);
}

constexpr CivilDay PreviousDay(const CivilDay& day)
{
    return std::chrono::sys_days(day) - std::chrono::days(1);
}

} // namespace lunetide
