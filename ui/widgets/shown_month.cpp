#include "ui/widgets/shown_month.h"

#include <QLocale>

namespace lunetide::ui {

CivilDay DayOf(QDate date)
{
    return std::chrono::year{date.year()} / date.month() / date.day();
}

std::chrono::year_month MonthOf(QDate date)
{
    return std::chrono::year{date.year()} / date.month();
}

QDate FirstDayOf(const MonthMoons& month)
{
    return QDate(int(month.month.year()), int(unsigned(month.month.month())), 1);
}

QString TitleOf(const MonthMoons& month)
{
    const QDate first = FirstDayOf(month);
    return QLocale().standaloneMonthName(first.month()) + QLatin1Char(' ') +
           QString::number(first.year());
}

QStringList LegendLines(const MonthMoons& month)
{
    QStringList lines;
    for (const std::string& line : lunetide::LegendLines(month, LegendLayout::Flowing))
        lines << QString::fromStdString(line);
    return lines;
}

} // namespace lunetide::ui
