#pragma once

#include "core/civil_day.h"

#include <QDate>
#include <QString>

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

// Whether the day is one whose moon the tool reads, kFirstTrustedDay to kLastTrustedDay.
inline bool IsTrusted(QDate date)
{
    return date.isValid() && CivilDayOf(date) >= kFirstTrustedDay &&
           CivilDayOf(date) <= kLastTrustedDay;
}

// "1900-01-01 to 2099-12-31", for the messages and the help.
inline QString TrustedDays()
{
    return QDateOf(kFirstTrustedDay).toString(Qt::ISODate) + QStringLiteral(" to ") +
           QDateOf(kLastTrustedDay).toString(Qt::ISODate);
}

} // namespace lunetide::cli
