#pragma once

#include "core/hemisphere.h"
#include "core/moon_age.h"

#include <QDate>
#include <QString>
#include <QStringList>

#include <vector>

// The moons of one month, worked out once for everything that shows the month: the calendar's
// cells, its list of phase runs, its accessible day texts and the printed page.

namespace lunetide::ui {

struct PhaseRun {
    int firstDay = 1;
    int lastDay = 1; // inclusive
    MoonPhaseKind phase = MoonPhaseKind::DarkMoon;
};

struct MonthMoons {
    QDate first;             // the month's first day; invalid for an empty MonthMoons
    std::vector<Moon> moons; // one a day, day 1 first
    std::vector<PhaseRun> runs;

    // The moon of a day of this month; nullptr for a day of another month.
    const Moon* MoonOn(QDate date) const;
};

// The month that holds the given day. The moon's age is reckoned for four-digit years only: a
// month of another year has no moons and no runs.
MonthMoons MoonsOfMonth(QDate anyDay);

// The runs as the terminal tool's month legend lists them, one a line: "5-12  Dark Moon".
QStringList PhaseRunLines(const MonthMoons& month);

// The display name of a phase ("Full Moon").
QString PhaseName(MoonPhaseKind phase);

// What a screen reader says for a day: "Thursday 24 December 2026, Full Moon".
QString AccessibleDayText(QDate date, MoonPhaseKind phase);

} // namespace lunetide::ui
