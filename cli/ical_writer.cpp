#include "cli/ical_writer.h"

#include "cli/civil_date.h"
#include "cli/command_line.h"
#include "cli/day_output.h"
#include "cli/sky_days.h"
#include "core/day_runs.h"
#include "sky_clock/sky_clock.h"

#include <libical/ical.h>

#include <QRegularExpression>

#include <cerrno>
#include <climits>
#include <cstring>
#include <memory>
#include <optional>
#include <string>

namespace lunetide::cli {
namespace {

struct ComponentFree {
    void operator()(icalcomponent* component) const { icalcomponent_free(component); }
};
using Component = std::unique_ptr<icalcomponent, ComponentFree>;

struct BufferFree {
    void operator()(char* buffer) const { icalmemory_free_buffer(buffer); }
};

std::string S(std::string_view text)
{
    return std::string(text);
}

// A text value without the blanks at its end: iCalendar has no way to keep them, as readers
// (libical among them) drop the blanks that end a line.
std::string Trimmed(std::string text)
{
    while (!text.empty() && text.back() == ' ')
        text.pop_back();
    return text;
}

icaltimetype DateValue(QDate date)
{
    icaltimetype value = icaltime_null_date();
    value.year = date.year();
    value.month = date.month();
    value.day = date.day();
    return value;
}

// Adds a property, which libical gives as null when a value is out of its range.
bool Add(icalcomponent* component, icalproperty* property)
{
    if (!property)
        return false;
    icalcomponent_add_property(component, property);
    return true;
}

using Alarm = std::optional<icaldurationtype>;

// The duration of an alarm, or none where the text is not one. libical reads what it can and stops
// ("P1D2" is a day to it, "P" nothing) and lets a number wrap around, so the whole text is checked
// against RFC 5545's grammar first and each of its numbers against libical's reading after.
Alarm AlarmDurationOf(const QString& text)
{
    static const QString time =
        QStringLiteral(R"((?:[0-9]+H(?:[0-9]+M(?:[0-9]+S)?)?|[0-9]+M(?:[0-9]+S)?|[0-9]+S))");
    static const QRegularExpression grammar(
        QStringLiteral(R"(^[+-]?P(?:[0-9]+W|[0-9]+D(?:T%1)?|T%1)$)").arg(time));
    if (!grammar.match(text).hasMatch())
        return std::nullopt;
    const icaldurationtype duration = icaldurationtype_from_string(text.toLatin1().constData());
    if (icaldurationtype_is_bad_duration(duration) ||
        (duration.is_neg != 0) != text.startsWith(u'-'))
        return std::nullopt;
    static const QRegularExpression number(QStringLiteral(R"(([0-9]+)([WDHMS]))"));
    long long seconds = 0;
    for (const QRegularExpressionMatch& amount : number.globalMatch(text)) {
        bool read = false;
        const unsigned value = amount.captured(1).toUInt(&read);
        const char unit = amount.captured(2).at(0).toLatin1();
        const unsigned parsed = unit == 'W'   ? duration.weeks
                                : unit == 'D' ? duration.days
                                : unit == 'H' ? duration.hours
                                : unit == 'M' ? duration.minutes
                                              : duration.seconds;
        const long long unitSeconds = unit == 'W'   ? 7 * 86400
                                      : unit == 'D' ? 86400
                                      : unit == 'H' ? 3600
                                      : unit == 'M' ? 60
                                                    : 1;
        seconds += (long long)value * unitSeconds;
        if (!read || value != parsed || seconds > INT_MAX)
            return std::nullopt;
    }
    return duration;
}

// A reminder `alarm` from the event's start, showing the event's summary; nothing without one.
bool AddAlarm(icalcomponent* event, const Alarm& alarm, const std::string& summary)
{
    if (!alarm)
        return true;
    Component reminder(icalcomponent_new(ICAL_VALARM_COMPONENT));
    if (!reminder)
        return false;
    icaltriggertype trigger{};
    trigger.time = icaltime_null_time();
    trigger.duration = *alarm;
    const bool complete =
        Add(reminder.get(), icalproperty_new_action(ICAL_ACTION_DISPLAY)) &&
        Add(reminder.get(), icalproperty_new_trigger(trigger)) &&
        Add(reminder.get(), icalproperty_new_description(Trimmed(summary).c_str()));
    if (complete)
        icalcomponent_add_component(event, reminder.release());
    return complete;
}

// An event of whole days, or none when libical refuses a value. The end is exclusive (the day after
// the last).
Component DayEvent(const char* kind, const DayRun& run, const icaltimetype& stamp,
                   const std::string& summary, const std::string& description, const Alarm& alarm)
{
    const QDate first = QDateOf(run.first);
    const QDate last = QDateOf(run.last);
    const std::string uid = "lunetide-" + std::string(kind) + '-' +
                            first.toString(QStringLiteral("yyyyMMdd")).toStdString() +
                            "@veyrholt.com";
    Component event(icalcomponent_new(ICAL_VEVENT_COMPONENT));
    if (!event)
        return event;
    const bool complete =
        Add(event.get(), icalproperty_new_uid(uid.c_str())) &&
        Add(event.get(), icalproperty_new_dtstamp(stamp)) &&
        Add(event.get(), icalproperty_new_dtstart(DateValue(first))) &&
        Add(event.get(), icalproperty_new_dtend(DateValue(last.addDays(1)))) &&
        Add(event.get(), icalproperty_new_summary(Trimmed(summary).c_str())) &&
        Add(event.get(), icalproperty_new_description(Trimmed(description).c_str())) &&
        Add(event.get(), icalproperty_new_transp(ICAL_TRANSP_TRANSPARENT)) &&
        AddAlarm(event.get(), alarm, summary);
    if (!complete)
        event.reset();
    return event;
}

Component PhaseEvent(const DayRun& run, const icaltimetype& stamp, const Alarm& alarm)
{
    const Reading reading = ReadingOfDay(QDateOf(run.first));
    return DayEvent("phase", run, stamp, S(reading.phaseTexts.name), S(reading.phaseTexts.text),
                    alarm);
}

// The sign's runs are the background of the phases: they carry no reminder.
Component SignEvent(const DayRun& run, const icaltimetype& stamp)
{
    const Reading reading = ReadingOfDay(QDateOf(run.first));
    return DayEvent("sign", run, stamp,
                    S(reading.signTexts.title) + ": " + S(reading.signTexts.keyword),
                    S(reading.signTexts.text) + "\n\nElement: " + S(reading.elementTexts.name) +
                        '\n' + S(reading.elementTexts.text),
                    std::nullopt);
}

// A principal phase at its instant: a moment, not a day, so it gives its start in UTC alone.
Component SkyPhaseEvent(const sky::PhaseEvent& phase, const icaltimetype& stamp, const Alarm& alarm)
{
    const QDateTime at = MomentOf(phase.julianDay, QTimeZone::utc());
    QString slug = QString::fromUtf8(sky::PrincipalPhaseName(phase.phase).data()).toLower();
    slug.remove(u' ');
    const std::string uid = "lunetide-sky-" + slug.toStdString() + '-' +
                            at.toString(QStringLiteral("yyyyMMdd")).toStdString() + "@veyrholt.com";
    const icaltimetype start = icaltime_from_timet_with_zone(time_t(at.toSecsSinceEpoch()), 0,
                                                             icaltimezone_get_utc_timezone());
    Component event(icalcomponent_new(ICAL_VEVENT_COMPONENT));
    if (!event)
        return event;
    const std::string summary = PhaseEventTitle(phase).toStdString();
    const bool complete =
        Add(event.get(), icalproperty_new_uid(uid.c_str())) &&
        Add(event.get(), icalproperty_new_dtstamp(stamp)) &&
        Add(event.get(), icalproperty_new_dtstart(start)) &&
        Add(event.get(), icalproperty_new_summary(summary.c_str())) &&
        Add(event.get(), icalproperty_new_description(
                             "The moment of the phase in the sky, worked out for this instant.")) &&
        Add(event.get(), icalproperty_new_transp(ICAL_TRANSP_TRANSPARENT)) &&
        AddAlarm(event.get(), alarm, summary);
    if (!complete)
        event.reset();
    return event;
}

} // namespace

bool IsAlarmDuration(const QString& text)
{
    return AlarmDurationOf(text).has_value();
}

bool WriteCalendar(QDate first, QDate last, const QDateTime& stamp, std::FILE* out,
                   const std::vector<sky::PhaseEvent>& skyPhases, const QString& alarm)
{
    const Alarm reminder = alarm.isEmpty() ? std::nullopt : AlarmDurationOf(alarm);
    if (!alarm.isEmpty() && !reminder) {
        errno = EINVAL;
        return false;
    }
    const std::string productId =
        "-//Veyrholt Softwares//Lunetide " + ProgramVersion().toStdString() + "//EN";
    Component calendar(icalcomponent_vanew(ICAL_VCALENDAR_COMPONENT,
                                           icalproperty_new_version("2.0"),
                                           icalproperty_new_prodid(productId.c_str()),
                                           icalproperty_new_calscale("GREGORIAN"), nullptr));
    if (!calendar) {
        errno = ENOMEM;
        return false;
    }
    // The name calendar programs show for the file instead of its file name.
    icalproperty* name = icalproperty_new_x("Lunetide readings");
    if (name)
        icalproperty_set_x_name(name, "X-WR-CALNAME");
    if (!Add(calendar.get(), name)) {
        errno = ENOMEM;
        return false;
    }

    const icaltimetype utcStamp = icaltime_from_timet_with_zone(time_t(stamp.toSecsSinceEpoch()), 0,
                                                                icaltimezone_get_utc_timezone());
    for (const RunKind kind : {RunKind::Phase, RunKind::Sign}) {
        for (const DayRun& run :
             RunsOf(kind, CivilDayOf(first), CivilDayOf(last), kFirstTrustedDay, kLastTrustedDay)) {
            Component event = kind == RunKind::Phase ? PhaseEvent(run, utcStamp, reminder)
                                                     : SignEvent(run, utcStamp);
            if (!event) {
                errno = EINVAL;
                return false;
            }
            icalcomponent_add_component(calendar.get(), event.release());
        }
    }
    for (const sky::PhaseEvent& phase : skyPhases) {
        Component event = SkyPhaseEvent(phase, utcStamp, reminder);
        if (!event) {
            errno = EINVAL;
            return false;
        }
        icalcomponent_add_component(calendar.get(), event.release());
    }

    const std::unique_ptr<char, BufferFree> text(icalcomponent_as_ical_string_r(calendar.get()));
    if (!text) {
        errno = ENOMEM;
        return false;
    }
    const std::size_t size = std::strlen(text.get());
    return std::fwrite(text.get(), 1, size, out) == size && std::fflush(out) == 0;
}

} // namespace lunetide::cli
