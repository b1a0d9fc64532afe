#include "cli/month_grid.h"

#include "cli/civil_date.h"
#include "core/month_moons.h"

#include <QLocale>

namespace lunetide::cli {
namespace {

constexpr int kDayColumns = 5; // the day's number, a blank and its double-width symbol
constexpr int kWeekColumns = 7 * kDayColumns + 6;

void AppendSpaces(QByteArray& out, qsizetype count)
{
    out.append(count, ' ');
}

void EndLine(QByteArray& out)
{
    while (out.endsWith(' '))
        out.chop(1);
    out.append('\n');
}

void AppendTitle(QByteArray& out, QDate first)
{
    const QByteArray title =
        QLocale::c().monthName(first.month()).toLatin1() + ' ' + QByteArray::number(first.year());
    AppendSpaces(out, (kWeekColumns - title.size()) / 2);
    out.append(title);
    EndLine(out);
}

void AppendWeekdayNames(QByteArray& out)
{
    for (int weekday = Qt::Monday; weekday <= Qt::Sunday; ++weekday) {
        if (weekday != Qt::Monday)
            out.append(' ');
        out.append(QLocale::c().dayName(weekday, QLocale::ShortFormat).left(2).toLatin1());
        AppendSpaces(out, kDayColumns - 2);
    }
    EndLine(out);
}

// The day's number right-aligned in two columns and the blank after it, today's marked.
void AppendDayNumber(QByteArray& out, QDate day, QDate today, TodayMark todayMark)
{
    const QByteArray number = QByteArray::number(day.day());
    AppendSpaces(out, 2 - number.size());
    if (day == today && todayMark == TodayMark::Bold)
        out.append("\033[1m" + number + "\033[0m");
    else
        out.append(number);
    out.append(day == today && todayMark == TodayMark::Star ? '*' : ' ');
}

void AppendWeeks(QByteArray& out, const MonthMoons& month, QDate first, QDate last,
                 Hemisphere hemisphere, MoonMarks marks, QDate today, TodayMark todayMark)
{
    for (int weekday = Qt::Monday; weekday < first.dayOfWeek(); ++weekday)
        AppendSpaces(out, kDayColumns + 1);
    for (QDate day = first; day <= last; day = day.addDays(1)) {
        AppendDayNumber(out, day, today, todayMark);
        const std::string_view symbol =
            MoonSymbol(SeenFrom(month.MoonOn(CivilDayOf(day))->shape, hemisphere), marks);
        out.append(symbol.data(), qsizetype(symbol.size()));
        if (day.dayOfWeek() == Qt::Sunday || day == last)
            EndLine(out);
        else
            out.append(' ');
    }
}

// One line per run of a phase within the month, its days in columns, then the phase's name.
void AppendLegend(QByteArray& out, const MonthMoons& month)
{
    for (const std::string& line : LegendLines(month, LegendLayout::Columns)) {
        out.append(line.data(), qsizetype(line.size()));
        EndLine(out);
    }
}

} // namespace

QByteArray MonthGrid(QDate anyDay, Hemisphere hemisphere, MoonMarks marks, QDate today,
                     TodayMark todayMark)
{
    const QDate first(anyDay.year(), anyDay.month(), 1);
    const QDate last(anyDay.year(), anyDay.month(), anyDay.daysInMonth());
    const MonthMoons month = MoonsOfMonth(MonthOf(anyDay));
    QByteArray out;
    AppendTitle(out, first);
    AppendWeekdayNames(out);
    AppendWeeks(out, month, first, last, hemisphere, marks, today, todayMark);
    out.append('\n');
    AppendLegend(out, month);
    return out;
}

} // namespace lunetide::cli
