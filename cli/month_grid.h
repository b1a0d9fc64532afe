#pragma once

#include <QByteArray>
#include <QDate>

#include "cli/moon_symbol.h"
#include "core/hemisphere.h"

// A month at a glance, in the manner of cal(1): weeks in rows from Monday to Sunday, each day
// with its moon picture as a moon symbol, then the runs of moon phases in that month.

namespace lunetide::cli {

// How the grid marks today, in the manner of cal(1): its number in bold for a terminal, or a star
// in place of the blank after its number for a pipe or a file.
enum class TodayMark { Bold, Star };

// The grid and legend of the month of `anyDay`, with the moons seen from the hemisphere, UTF-8
// (ASCII with MoonMarks::Ascii), every line ending in a newline and without trailing blanks. Each
// day takes five terminal columns (two for its number, a blank, two for its symbol) and one blank
// separates the days of a week. `today`, where it falls in the month, is marked.
QByteArray MonthGrid(QDate anyDay, Hemisphere hemisphere, MoonMarks marks = MoonMarks::Emoji,
                     QDate today = {}, TodayMark todayMark = TodayMark::Star);

} // namespace lunetide::cli
