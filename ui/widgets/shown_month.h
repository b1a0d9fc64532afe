#pragma once

#include "core/month_moons.h"

#include <QDate>
#include <QStringList>

// The month of moons a calendar or a printed page shows, in Qt's terms.

namespace lunetide::ui {

CivilDay DayOf(QDate date);
std::chrono::year_month MonthOf(QDate date);

// The month's first day.
QDate FirstDayOf(const MonthMoons& month);

// The month's name in the locale's words, and its year: "December 2026".
QString TitleOf(const MonthMoons& month);

// The month's legend, one line a phase run: "5-12  Dark Moon".
QStringList LegendLines(const MonthMoons& month);

} // namespace lunetide::ui
