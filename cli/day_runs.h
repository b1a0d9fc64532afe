#pragma once

#include "core/moon_age.h"
#include "core/sun_sign.h"

#include <QDate>

#include <vector>

// Runs of consecutive days that share their moon phase, or their sun sign, by the same day-by-day
// reckoning as the reading windows.

namespace lunetide::cli {

// The moon of a day with a four-digit year, as the readings give it.
Moon MoonOfDay(QDate date);
MoonPhaseKind PhaseOfDay(QDate date);
SunSign SignOfDay(QDate date);

enum class RunKind { Phase, Sign };

struct DayRun {
    QDate first;
    QDate last; // inclusive
};

// The runs of days with the same phase or sign that together cover first to last, in date order.
// The first and last run reach beyond the range to where they really begin and end, but not before
// `earliest` nor after `latest`: pass first and last themselves to cut the runs at the range.
std::vector<DayRun> RunsOf(RunKind kind, QDate first, QDate last, QDate earliest, QDate latest);

} // namespace lunetide::cli
