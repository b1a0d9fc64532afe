#include "ui/widgets/shown_month.h"

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

QStringList LegendLines(const MonthMoons& month)
{
    QStringList lines;
    for (const std::string& line : lunetide::LegendLines(month, LegendLayout::Flowing))
        lines << QString::fromStdString(line);
    return lines;
}

} // namespace lunetide::ui
