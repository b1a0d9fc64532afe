#pragma once

#include "core/hemisphere.h"
#include "core/month_moons.h"

#include <QFont>
#include <QRectF>
#include <QStringList>

#include <vector>

class QPainter;

// The printed month: the month's name and year, a week grid with each day's number and moon, and
// the month's phase runs, in black on white, laid out on whatever page rectangle it is given and
// drawn at the painter's resolution, all from the month of moons it is given: the one the calendar
// already shows. Everything is sized from the page's height while the page is wide enough, and
// shrinks to fit a page that is narrow or low: every element stays on the page.

namespace lunetide::ui {

struct MonthPageLayout {
    double unit = 0; // the length every other one is a share of: the page's height where it fits
    QRectF title;
    QRectF weekdays;
    std::vector<QRectF> days; // one a day of the month, day 1 first
    QRectF runs;              // the legend's lines, one under the other
    QStringList lines;        // the runs, then the sky's phases under a heading of their own
    QFont titleFont;
    QFont weekdayFont;
    QFont runsFont;
    QStringList weekdayNames; // short, or narrow where short ones do not fit their columns
};

// Where everything of the month goes on a page; the week starts on the locale's first day.
// `skyLines` are the month's principal phases in the sky, listed under the runs.
MonthPageLayout LayOutMonthPage(const QRectF& page, const MonthMoons& month,
                                const QStringList& skyLines = {});

void PaintMonthPage(QPainter& painter, const QRectF& page, const MonthMoons& month,
                    Hemisphere hemisphere, const QStringList& skyLines = {});

} // namespace lunetide::ui
