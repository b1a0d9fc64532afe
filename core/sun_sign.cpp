#include "core/sun_sign.h"

#include <array>

namespace lunetide {
namespace {

struct MonthSigns {
    int lastDayOfFirst; // the first sign runs from day 1 up to this day, the second from the next
    SunSign first;
    SunSign second;
};

constexpr std::array<MonthSigns, 12> kMonthSigns = {{
    {19, SunSign::Capricorn, SunSign::Aquarius},
    {18, SunSign::Aquarius, SunSign::Pisces},
    {20, SunSign::Pisces, SunSign::Aries},
    {20, SunSign::Aries, SunSign::Taurus},
    {20, SunSign::Taurus, SunSign::Gemini},
    {20, SunSign::Gemini, SunSign::Cancer},
    {20, SunSign::Cancer, SunSign::Leo},
    {20, SunSign::Leo, SunSign::Virgo},
    {20, SunSign::Virgo, SunSign::Libra},
    {20, SunSign::Libra, SunSign::Scorpio},
    {20, SunSign::Scorpio, SunSign::Sagittarius},
    {20, SunSign::Sagittarius, SunSign::Capricorn},
}};

constexpr std::array<std::string_view, kSunSignCount> kSignNames = {
    "Aries", "Taurus",  "Gemini",      "Cancer",    "Leo",      "Virgo",
    "Libra", "Scorpio", "Sagittarius", "Capricorn", "Aquarius", "Pisces"};

} // namespace

SunSign SignOfDay(const CivilDay& day)
{
    return *SunSignOf(int(unsigned(day.month())), int(unsigned(day.day())));
}

std::optional<SunSign> SunSignOf(int month, int day)
{
    if (month < 1 || month > 12 || day < 1 || day > 31)
        return std::nullopt;
    const MonthSigns& signs = kMonthSigns[static_cast<std::size_t>(month - 1)];
    return day <= signs.lastDayOfFirst ? signs.first : signs.second;
}

std::string_view SignName(SunSign sign)
{
    return kSignNames[static_cast<std::size_t>(sign)];
}

} // namespace lunetide
