#pragma once

#include "core/civil_day.h"

#include <optional>
#include <string_view>

// The sun sign of a month and day by fixed day boundaries, and the element of each sign.

namespace lunetide {

// In the order in which every consumer compares them.
enum class SunSign {
    Aries,
    Taurus,
    Gemini,
    Cancer,
    Leo,
    Virgo,
    Libra,
    Scorpio,
    Sagittarius,
    Capricorn,
    Aquarius,
    Pisces
};

enum class Element { Fire, Earth, Air, Water };

inline constexpr int kSunSignCount = 12;

// Sign of a month 1 to 12 and a day 1 to 31 (every month runs to 31, February included); no sign
// when either lies outside its range.
std::optional<SunSign> SunSignOf(int month, int day);

// Sign of a real day: every day has one.
SunSign SignOfDay(const CivilDay& day);

constexpr Element ElementOf(SunSign sign)
{
    // Fire, Earth, Air and Water follow one another around the zodiac from Aries on.
    return static_cast<Element>(static_cast<int>(sign) % 4);
}

// "Aries" to "Pisces": the sign's name, which is also the key of its texts.
std::string_view SignName(SunSign sign);

} // namespace lunetide
