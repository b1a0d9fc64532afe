#include "ui/widgets/month_moons.h"

#include "core/correspondence.h"

#include <QLocale>

namespace lunetide::ui {

const Moon* MonthMoons::MoonOn(QDate date) const
{
    if (!first.isValid() || date.year() != first.year() || date.month() != first.month())
        return nullptr;
    const auto index = static_cast<std::size_t>(date.day() - 1);
    return index < moons.size() ? &moons[index] : nullptr;
}

MonthMoons MoonsOfMonth(QDate anyDay)
{
    MonthMoons month;
    if (!anyDay.isValid())
        return month;
    month.first = QDate(anyDay.year(), anyDay.month(), 1);
    if (anyDay.year() < 1000 || anyDay.year() > 9999)
        return month;
    for (int day = 1; day <= anyDay.daysInMonth(); ++day) {
        const Moon moon = MoonOf(anyDay.year(), anyDay.month(), day);
        if (month.runs.empty() || month.runs.back().phase != moon.phase)
            month.runs.push_back({day, day, moon.phase});
        month.runs.back().lastDay = day;
        month.moons.push_back(moon);
    }
    return month;
}

QStringList PhaseRunLines(const MonthMoons& month)
{
    QStringList lines;
    for (const PhaseRun& run : month.runs) {
        QString days = QString::number(run.firstDay);
        if (run.lastDay != run.firstDay)
            days += QLatin1Char('-') + QString::number(run.lastDay);
        lines << days + QStringLiteral("  ") + PhaseName(run.phase);
    }
    return lines;
}

QString PhaseName(MoonPhaseKind phase)
{
    const std::string_view name = PhaseTextsOf(phase, TextCopy::Display).name;
    return QString::fromUtf8(name.data(), static_cast<qsizetype>(name.size()));
}

QString AccessibleDayText(QDate date, MoonPhaseKind phase)
{
    return QLocale().toString(date, QStringLiteral("dddd d MMMM yyyy")) + QStringLiteral(", ") +
           PhaseName(phase);
}

} // namespace lunetide::ui
