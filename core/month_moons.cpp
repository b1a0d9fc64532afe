#include "core/month_moons.h"

#include "core/correspondence.h"

#include <algorithm>

namespace lunetide {
namespace {

constexpr std::size_t kColumnsDaysWidth = 7; // the longest days ("10-31") and two blanks

std::string LegendLine(const PhaseRun& run, LegendLayout layout)
{
    std::string days = RunDays(run);
    if (layout == LegendLayout::Columns) {
        if (run.first.day() < std::chrono::day{10})
            days.insert(0, 1, ' ');
        days.resize(std::max(days.size(), kColumnsDaysWidth), ' ');
    } else {
        days += "  ";
    }
    return days + std::string(PhaseName(run.phase));
}

} // namespace

const Moon* MonthMoons::MoonOn(const CivilDay& day) const
{
    if (day.year() / day.month() != month)
        return nullptr;
    const auto index = std::size_t(unsigned(day.day()) - 1);
    return index < moons.size() ? &moons[index] : nullptr;
}

MonthMoons MoonsOfMonth(std::chrono::year_month month)
{
    MonthMoons moons{month, {}, {}};
    if (!month.ok() || !IsReadableYear(int(month.year())))
        return moons;
    const CivilDay first = month / 1;
    const CivilDay last = month / std::chrono::last;
    for (CivilDay day = first; day <= last; day = NextDay(day))
        moons.moons.push_back(MoonOf(day));
    const auto phaseOf = [&moons](const CivilDay& day) { return int(moons.MoonOn(day)->phase); };
    for (const DayRun& run : RunsOf(phaseOf, first, last, first, last))
        moons.runs.push_back({run, moons.MoonOn(run.first)->phase});
    return moons;
}

std::string RunDays(const DayRun& run)
{
    std::string days = std::to_string(unsigned(run.first.day()));
    if (run.last != run.first)
        days += '-' + std::to_string(unsigned(run.last.day()));
    return days;
}

std::vector<std::string> LegendLines(const MonthMoons& month, LegendLayout layout)
{
    std::vector<std::string> lines;
    for (const PhaseRun& run : month.runs)
        lines.push_back(LegendLine(run, layout));
    return lines;
}

} // namespace lunetide
