#pragma once

#include <QByteArray>
#include <QDate>

#include "cli/moon_symbol.h"
#include "core/hemisphere.h"

// A month at a glance, in the manner of cal(1): weeks in rows from Monday to Sunday, each day
// with its moon picture as a moon symbol, then the runs of moon phases in that month.

namespace lunetide::cli {

// The grid and legend of the month of `anyDay`, with the moons seen from the hemisphere, UTF-8
// (ASCII with MoonMarks::Ascii), every line ending in a newline and without trailing blanks. Each
// day takes four terminal columns (two for its number, two for its symbol) and one blank separates
// the days of a week.
QByteArray MonthGrid(QDate anyDay, Hemisphere hemisphere, MoonMarks marks = MoonMarks::Emoji);

} // namespace lunetide::cli
