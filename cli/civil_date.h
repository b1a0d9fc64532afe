#pragma once

#include "core/civil_day.h"

#include <QDate>

// The terminal tool's dates, which Qt parses, prints and steps, as the reckoning's days and back.

namespace lunetide::cli {

inline CivilDay CivilDayOf(QDate date)
{
    return std::chrono::year{date.year()} / date.month() / date.day();
}

inline std::chrono::year_month MonthOf(QDate date)
{
    return std::chrono::year{date.year()} / date.month();
}

inline QDate QDateOf(const CivilDay& day)
{
    return {int(day.year()), int(unsigned(day.month())), int(unsigned(day.day()))};
}

} // namespace lunetide::cli
