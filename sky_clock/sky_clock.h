#pragma once

#include "sky/full_moon_marks.h"
#include "sky/julian.h"
#include "sky/sky_report.h"

#include <QDateTime>
#include <QStringList>
#include <QTimeZone>

// The sky's Julian Days (UT) as Qt's dates and times in a time zone, and back, for every program
// that shows the sky.

namespace lunetide {

inline double JulianDayOf(const QDateTime& moment)
{
    return sky::JulianDay(
        std::chrono::sys_seconds(std::chrono::seconds(moment.toSecsSinceEpoch())));
}

// The moment to the nearest second, in the zone.
inline QDateTime MomentOf(double julianDay, const QTimeZone& zone)
{
    const auto seconds = sky::SysSeconds(julianDay).time_since_epoch().count();
    return QDateTime::fromSecsSinceEpoch(seconds, zone);
}

// Local midnight to the next local midnight.
inline sky::LocalDay LocalDayOf(QDate date, const QTimeZone& zone)
{
    return {JulianDayOf(date.startOfDay(zone)), JulianDayOf(date.addDays(1).startOfDay(zone))};
}

// A full moon's name and its marks, in the words every view uses: "Cold Moon", "Harvest Moon",
// "Blue Moon", "supermoon".
inline QStringList FullMoonWords(const sky::FullMoon& moon)
{
    QStringList words{QString::fromStdString(moon.name)};
    if (moon.harvestMoon)
        words << QStringLiteral("Harvest Moon");
    if (moon.blueMoon)
        words << QStringLiteral("Blue Moon");
    if (moon.supermoon)
        words << QStringLiteral("supermoon");
    return words;
}

inline sky::UtcOffsetAt OffsetIn(const QTimeZone& zone)
{
    return [zone](double julianDay) { return zone.offsetFromUtc(MomentOf(julianDay, zone)); };
}

} // namespace lunetide
