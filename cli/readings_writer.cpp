#include "cli/readings_writer.h"

#include "cli/civil_date.h"
#include "cli/day_output.h"
#include "cli/ical_writer.h"
#include "cli/month_grid.h"

#include <QLocale>

namespace lunetide::cli {
namespace {

constexpr qsizetype kBlockSize = 256 * 1024;

bool WriteBlock(QByteArray& block, std::FILE* out)
{
    const size_t size = size_t(block.size());
    const bool written = std::fwrite(block.constData(), 1, size, out) == size;
    block.resize(0); // keeps its capacity for the next block
    return written;
}

bool WriteDays(const ReadingJob& job, std::FILE* out)
{
    QByteArray block;
    block.reserve(kBlockSize + 4096);
    DayJsonLines jsonLines(job.hemisphere.value_or(Hemisphere::North));
    for (QDate day = job.first; day <= job.last; day = day.addDays(1)) {
        const Reading reading = ReadingOfDay(day);
        if (job.format == OutputFormat::JsonLines) {
            jsonLines.Append(block, day, reading);
        } else {
            if (day != job.first)
                block.append('\n'); // a blank line between days
            AppendDayText(block, day, reading, job.wrapColumns);
        }
        if (block.size() >= kBlockSize && !WriteBlock(block, out))
            return false;
    }
    return WriteBlock(block, out) && std::fflush(out) == 0;
}

// One line per phase start: the day, its weekday and the phase beginning on it; or the day's
// reading as JSON Lines.
bool WritePhaseStarts(const ReadingJob& job, std::FILE* out)
{
    QByteArray block;
    DayJsonLines jsonLines(job.hemisphere.value_or(Hemisphere::North));
    for (const PhaseStart& start : job.phaseStarts) {
        const QDate day = QDateOf(start.day);
        const Reading reading = ReadingOfDay(day);
        if (job.format == OutputFormat::JsonLines) {
            jsonLines.Append(block, day, reading);
            continue;
        }
        block.append(day.toString(Qt::ISODate).toLatin1() + ' ');
        block.append(QLocale::c().dayName(day.dayOfWeek()).toLatin1().leftJustified(11));
        block.append(reading.phaseTexts.name.data(), qsizetype(reading.phaseTexts.name.size()));
        block.append('\n');
    }
    return WriteBlock(block, out) && std::fflush(out) == 0;
}

} // namespace

bool WriteReadings(const ReadingJob& job, std::FILE* out, const QDateTime& now)
{
    if (job.format == OutputFormat::ICalendar)
        return WriteCalendar(job.first, job.last, now, out);
    switch (job.kind) {
    case JobKind::NextPhases:
        return WritePhaseStarts(job, out);
    case JobKind::Month:
        if (job.format == OutputFormat::Text) {
            QByteArray grid = MonthGrid(job.first, job.hemisphere.value_or(Hemisphere::North),
                                        job.moonMarks, job.today, job.todayMark);
            return WriteBlock(grid, out) && std::fflush(out) == 0;
        }
        break;
    case JobKind::Days:
        break;
    }
    return WriteDays(job, out);
}

} // namespace lunetide::cli
