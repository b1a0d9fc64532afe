#include "core/moon_age.h"

#include <cmath>
#include <cstdint>
#include <limits>
#include <stdexcept>
#include <string>

namespace lunetide {
namespace {

// January and February count as their number plus two, so they share their terms with March and
// April.
constexpr int kMonthTerm[12] = {3, 4, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12};

constexpr double kModernCorrection = 8.3; // years 2000 and later
constexpr int kClassicCorrection = 4;     // years up to 1999

// Narrows a working value to 16 bits, reporting an overflow rather than wrapping around.
std::int16_t Checked16(long long value)
{
    if (value < std::numeric_limits<std::int16_t>::min() ||
        value > std::numeric_limits<std::int16_t>::max())
        throw std::overflow_error("moon age: 16-bit overflow at " + std::to_string(value));
    return static_cast<std::int16_t>(value);
}

// Rounds to the nearest integer, ties to the even one, whatever the floating-point rounding mode.
double RoundHalfToEven(double x)
{
    const double floor = std::floor(x);
    const double fraction = x - floor;
    if (fraction < 0.5)
        return floor;
    if (fraction > 0.5)
        return floor + 1.0;
    return std::fmod(floor, 2.0) == 0.0 ? floor : floor + 1.0;
}

// The year's last two digits, read as characters 3 and 4 of its four-digit text.
int LastTwoDigits(int year)
{
    const std::string text = std::to_string(year);
    if (!IsReadableYear(year))
        throw std::invalid_argument("moon age: the year must have four digits, not " + text);
    return std::stoi(text.substr(2, 2));
}

} // namespace

int MoonAgeOf(int year, int month, int day)
{
    if (month < 1 || month > 12)
        throw std::invalid_argument("moon age: no month " + std::to_string(month));

    const int yy = LastTwoDigits(year);
    std::int16_t r = Checked16(yy % 19);
    if (r > 9)
        r = Checked16(r - 19);
    r = Checked16(Checked16(r * 11) % 30);
    std::int16_t s = Checked16(r + static_cast<long long>(day));
    s = Checked16(s + kMonthTerm[month - 1]);

    std::int16_t a = 0;
    if (year >= 2000) {
        const double corrected = RoundHalfToEven(static_cast<double>(s) - kModernCorrection);
        a = Checked16(static_cast<long long>(corrected));
    } else {
        a = Checked16(s - kClassicCorrection);
    }

    int age = a % 30; // truncating remainder: keeps the sign of a
    if (age < 0)
        age += 30;
    return age;
}

MoonPhaseKind PhaseOf(int age)
{
    if (age < 0 || age > 29)
        throw std::invalid_argument("moon phase: no age " + std::to_string(age));
    if (age <= 3)
        return MoonPhaseKind::DarkMoon;
    if (age <= 7)
        return MoonPhaseKind::NewMoon;
    if (age <= 12)
        return MoonPhaseKind::WaxingMoon;
    if (age <= 17)
        return MoonPhaseKind::FullMoon;
    if (age <= 25)
        return MoonPhaseKind::WaningMoon;
    return MoonPhaseKind::DarkMoon;
}

Moon MoonOfAge(int age)
{
    return {age, PhaseOf(age), MoonImageNumber(age), MoonShapeOfAge(age)};
}

Moon MoonOf(int year, int month, int day)
{
    return MoonOfAge(MoonAgeOf(year, month, day));
}

Moon MoonOf(const CivilDay& day)
{
    return MoonOf(int(day.year()), int(unsigned(day.month())), int(unsigned(day.day())));
}

} // namespace lunetide
