#pragma once

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

// The same on the 0-based positions of the month and day lists (-1 when nothing is selected).
std::optional<SunSign> SunSignOfChosenDate(int monthPosition, int dayPosition);

// The same on today's month number and day, as the main window holds them.
std::optional<SunSign> SunSignOfToday(int month, int day);

Element ElementOf(SunSign sign);

// "Aries" to "Pisces": the sign's name, which is also the key of its texts.
std::string_view SignName(SunSign sign);

// The sign of that exact, case-sensitive name; none for any other text, the empty one included.
std::optional<SunSign> SignNamed(std::string_view name);

} // namespace lunetide
