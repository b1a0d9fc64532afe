#pragma once

#include "core/civil_day.h"

#include <functional>
#include <vector>

// Runs of consecutive days that share their moon phase, or their sun sign, by the day-by-day
// reckoning of the readings.

namespace lunetide {

struct DayRun {
    CivilDay first;
    CivilDay last; // inclusive
};

// What the days of a run share, as a number: two days side by side with different keys belong to
// different runs.
using DayKey = std::function<int(const CivilDay&)>;

// The runs of days with the same key that together cover first to last, in date order. The first
// and last run reach beyond the range to where they really begin and end, but not before
// `earliest` nor after `latest`: pass first and last themselves to cut the runs at the range.
std::vector<DayRun> RunsOf(const DayKey& keyOf, CivilDay first, CivilDay last, CivilDay earliest,
                           CivilDay latest);

enum class RunKind { Phase, Sign };

// The same for the days' moon phase, or their sun sign. The phase is reckoned for four-digit years
// only: for phase runs, earliest and latest must lie in them.
std::vector<DayRun> RunsOf(RunKind kind, CivilDay first, CivilDay last, CivilDay earliest,
                           CivilDay latest);

} // namespace lunetide
