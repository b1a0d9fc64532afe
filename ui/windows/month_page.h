#pragma once

#include "core/hemisphere.h"
#include "core/month_moons.h"

#include <QRectF>

#include <vector>

class QPainter;

// The printed month: the month's name and year, a week grid with each day's number and moon, and
// the month's phase runs, in black on white, laid out on whatever page rectangle it is given and
// drawn at the painter's resolution, all from the month of moons it is given: the one the calendar
// already shows.

namespace lunetide::ui {

struct MonthPageLayout {
    QRectF title;
    QRectF weekdays;
    std::vector<QRectF> days; // one a day of the month, day 1 first
    QRectF runs;
};

// Where everything of the month goes on a page; the week starts on the locale's first day.
MonthPageLayout LayOutMonthPage(const QRectF& page, const MonthMoons& month);

void PaintMonthPage(QPainter& painter, const QRectF& page, const MonthMoons& month,
                    Hemisphere hemisphere);

} // namespace lunetide::ui
