#include "cli/readings_writer.h"

#include "cli/civil_date.h"
#include "cli/day_output.h"
#include "cli/ical_writer.h"
#include "cli/month_grid.h"

#include "cli/sky_days.h"
#include "cli/status_line.h"
#include "glance/moon_glance.h"
#include "sky_clock/sky_clock.h"

#include <QJsonDocument>
#include <QLocale>

#include <cerrno>

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

// The moon in the sky on each day: at the moment of the call for today alone, else at each day's
// local noon; the phases of the whole range searched once.
bool WriteSky(const ReadingJob& job, std::FILE* out, const QDateTime& now)
{
    const SkyDays days(job.first, job.last, job.place, QTimeZone::systemTimeZone());
    QByteArray block;
    block.reserve(kBlockSize + 4096);
    for (QDate day = job.first; day <= job.last; day = day.addDays(1)) {
        const QDateTime moment = job.skyNow ? now.toTimeZone(days.zone()) : days.NoonOf(day);
        const sky::SkyReport report = days.At(day, moment);
        if (job.format == OutputFormat::JsonLines) {
            block.append(QJsonDocument(SkyJson(day, report, days)).toJson(QJsonDocument::Compact));
            block.append('\n');
        } else {
            if (day != job.first)
                block.append('\n');
            AppendSkyText(block, day, report, days);
        }
        if (block.size() >= kBlockSize && !WriteBlock(block, out))
            return false;
    }
    return WriteBlock(block, out) && std::fflush(out) == 0;
}

// One line per phase start: the day, its weekday and the phase beginning on it; or the day's
// reading as JSON Lines. As text, when every phase was asked for, the next four principal phases in
// the sky follow under a heading of their own.
bool WritePhaseStarts(const ReadingJob& job, std::FILE* out, const QDateTime& now)
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
    if (job.format == OutputFormat::Text && job.nextInTheSky) {
        // From the moment of the call when looking from today, else from the day after --after.
        const QTimeZone zone = QTimeZone::systemTimeZone();
        const QDateTime today = now.toTimeZone(zone);
        const QDateTime from =
            job.first == today.date() ? today : job.first.addDays(1).startOfDay(zone);
        const double start = JulianDayOf(from);
        std::vector<sky::PhaseEvent> phases = sky::PhaseEventsBetween(
            start, start + sky::kPhasesAhead, job.place ? job.place->latitude : 0, OffsetIn(zone));
        phases.resize(std::min<std::size_t>(phases.size(), 4));
        block.append("\nIn the sky, at the exact moment:\n");
        AppendSkyPhases(block, phases, zone);
    }
    return WriteBlock(block, out) && std::fflush(out) == 0;
}

// One line for a status bar: the day's moon at the moment of the call for today, else at the day's
// local noon, as the filled template or waybar's object.
bool WriteGlance(const ReadingJob& job, std::FILE* out, const QDateTime& now)
{
    const QTimeZone zone = QTimeZone::systemTimeZone();
    const QDateTime moment =
        job.skyNow ? now.toTimeZone(zone) : QDateTime(job.first, QTime(12, 0), zone);
    const std::optional<MoonGlance> glance =
        GlanceAt(job.first, moment, zone, job.place, job.hemisphere.value_or(Hemisphere::North));
    if (!glance) { // not for a day the command line takes
        errno = EINVAL;
        return false;
    }
    QByteArray line =
        job.format == OutputFormat::Waybar
            ? QJsonDocument(WaybarJson(*glance, job.moonMarks)).toJson(QJsonDocument::Compact)
            : FilledTemplate(job.lineTemplate, *glance, job.moonMarks).toUtf8();
    line.append('\n');
    return WriteBlock(line, out) && std::fflush(out) == 0;
}

} // namespace

bool WriteReadings(const ReadingJob& job, std::FILE* out, const QDateTime& now)
{
    if (job.format == OutputFormat::ICalendar) {
        // The principal phases whose instants fall in the days written, in the user's time zone.
        const QTimeZone zone = QTimeZone::systemTimeZone();
        const sky::LocalDay first = LocalDayOf(job.first, zone);
        const sky::LocalDay last = LocalDayOf(job.last, zone);
        return WriteCalendar(job.first, job.last, now, out,
                             sky::PhaseEventsBetween(first.start, last.end,
                                                     job.place ? job.place->latitude : 0,
                                                     OffsetIn(zone)),
                             job.alarm);
    }
    switch (job.kind) {
    case JobKind::Sky:
        return WriteSky(job, out, now);
    case JobKind::Glance:
        return WriteGlance(job, out, now);
    case JobKind::NextPhases:
        return WritePhaseStarts(job, out, now);
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
