#pragma once

#include "core/day_runs.h"
#include "core/moon_age.h"

#include <chrono>
#include <string>
#include <vector>

// The moons of one month, worked out once for everything that shows the month: each day's moon,
// the runs of days with the same phase, and the month's legend, one line a run.

namespace lunetide {

struct PhaseRun : DayRun {
    MoonPhaseKind phase = MoonPhaseKind::DarkMoon;
};

struct MonthMoons {
    std::chrono::year_month month;
    std::vector<Moon> moons; // one a day, day 1 first
    std::vector<PhaseRun> runs;

    // The moon of a day of this month; nullptr for a day of another month.
    const Moon* MoonOn(const CivilDay& day) const;
};

// The moons of a month. The moon's age is reckoned for four-digit years only: a month of another
// year has no moons and no runs.
MonthMoons MoonsOfMonth(std::chrono::year_month month);

// The days of a run by their numbers in the month: "5-12", or "31" for a run of one day.
std::string RunDays(const DayRun& run);

// How a legend line sets its days before the phase's name.
enum class LegendLayout {
    Flowing, // two blanks after the days: "5-12  Dark Moon"
    Columns, // the first day right-aligned to two digits, the days in seven columns, so that the
             // names line up in a fixed-width font: " 5-12  Dark Moon", "31     Waning Moon"
};

// The legend of a month: a line a phase run, its days and then its phase's name.
std::vector<std::string> LegendLines(const MonthMoons& month, LegendLayout layout);

} // namespace lunetide
