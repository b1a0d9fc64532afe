#include "cli/command_line.h"

#include "cli/civil_date.h"
#include "cli/date_argument.h"
#include "cli/ical_writer.h"
#include "cli/status_line.h"
#include "command_line/command_line_answer.h"
#include "core/correspondence.h"
#include "core/version.h"

#include <QCommandLineParser>

#include <algorithm>

namespace lunetide::cli {
namespace {

const QString kFrom = QStringLiteral("from");
const QString kTo = QStringLiteral("to");
const QString kJson = QStringLiteral("json");
const QString kMonth = QStringLiteral("month");
const QString kNext = QStringLiteral("next");
const QString kAfter = QStringLiteral("after");
const QString kICal = QStringLiteral("ical");
const QString kHemisphere = QStringLiteral("hemisphere");
const QString kSky = QStringLiteral("sky");
const QString kPlace = QStringLiteral("place");
const QString kFormat = QStringLiteral("format");
const QString kWaybar = QStringLiteral("waybar");
const QString kAlarm = QStringLiteral("alarm");

// "-33.87,151.21": decimal degrees, north and east positive.
std::optional<Place> PlaceOf(const QString& text)
{
    const QStringList parts = text.split(u',');
    if (parts.size() != 2)
        return std::nullopt;
    bool latitudeRead = false;
    bool longitudeRead = false;
    const Place place{parts.at(0).trimmed().toDouble(&latitudeRead),
                      parts.at(1).trimmed().toDouble(&longitudeRead),
                      {}};
    if (!latitudeRead || !longitudeRead || !IsValidPlace(place.latitude, place.longitude))
        return std::nullopt;
    return place;
}

CommandLine Refuse(const QString& why)
{
    CommandLine refused;
    refused.action = CommandLine::Action::Refuse;
    refused.text = command_line::OneLine(why);
    return refused;
}

// A system clock can be set to any year (QDate writes none beyond 9999 as a date).
CommandLine RefuseToday(QDate today)
{
    return Refuse(QStringLiteral("today's date from the system clock is in the year %1, outside "
                                 "%2: give the date to read")
                      .arg(today.year())
                      .arg(TrustedDays()));
}

// The prose of the help, before the options. The manual page takes it as its description.
QString Description()
{
    return QStringLiteral(R"help(Print the lunar magick readings of a day or of a range of days:
the moon's age and phase, the sun sign ("Moon In ...") and its element;
a month at a glance, the next day of each moon phase, or a calendar file.

Dates are written YYYY-MM-DD and months YYYY-MM, from %1:
the moon's age comes from a rule that keeps to the sky in those years alone,
and other days are refused. A range runs from --from to --to inclusive, one
reading per day. Texts are written exactly as the reading windows show them,
trailing blanks included. On a terminal the texts are wrapped to its width,
under their indent; into a pipe or a file each text stays one line.

--month shows a month as a calendar, weeks from Monday to Sunday, each day with
its moon picture as a moon symbol, and below it the days of each moon phase.
Today's number is in bold on a terminal; into a pipe or a file a * takes the
place of the blank after it.
Where the locale's character set is not UTF-8 (LANG=C), each symbol is written
as two ASCII characters instead: () new, .) waxing crescent, |) first quarter,
O) waxing gibbous, OO full, (O waning gibbous, (| last quarter, (. waning
crescent. With --json it writes the month's days as JSON Lines instead.

The moon symbols show the moon as it is seen from the user's hemisphere: from
the south each is turned half a turn (a waxing moon is lit on the left).
--hemisphere north or south chooses; without it the setting Hemisphere=north
or Hemisphere=south in ~/.config/Lunetide/lunetide.conf decides, else the
latitude of the system time zone in the tz database, and north where neither
tells. Each JSON object names the hemisphere as "hemisphere".

The value of an option may also follow it after "=": --month=2026-12,
--next="Full Moon", --after=2026-12-01, --hemisphere=south.

--next lists the next day on which each moon phase (or only PHASE) begins, in
date order: the first day of a run of days with that phase, strictly after
today or after the --after date. PHASE is one of "Dark Moon", "New Moon",
"Waxing Moon", "Full Moon" or "Waning Moon".

--ical writes the days of a DATE, a range or a --month as an iCalendar file
named "Lunetide readings": an all-day event for each run of days with the same
moon phase and for each run with the same sun sign, whole runs even where they
reach beyond the days asked for (but not beyond those that can be read). Each
event's UID comes from its kind and first day, so importing the file again
updates the events. A calendar file drops the blanks that end a text.

Beside the readings, which follow the tradition's bands of days, stands the
moon in the sky as astronomers reckon it. --sky shows it for today at this
moment, or for each day asked for at local noon: the lit part of the disc, the
sign the moon itself stands in and when it leaves it, the day's moonrise,
moonset and transit, and the next four principal phases (new moon, first
quarter, full moon, last quarter) at their exact local time, a full moon with
its name (Wolf Moon ... Cold Moon, six months on in the south) and its marks
(Harvest Moon, Blue Moon, supermoon). The rise and set are for --place, else
for the settings Latitude= and Longitude=, else for the time zone's own place
in the tz database. --next adds the next principal phases under a heading of
their own; --ical adds each principal phase in its days as a timed event.

For a status bar, --format TEMPLATE prints one line for today at this moment,
or for DATE at local noon: TEMPLATE with each field in braces replaced by its
value. The fields: {symbol} the moon symbol, as --month draws it; {phase} and
{age} the reading's phase and the moon's age in days; {sign}, {element} and
{keyword} the sun sign's; {illumination} the lit part of the disc in the sky,
in whole percent; {moonSign} the sign the moon itself stands in; {nextFull}
the next full moon in the sky (local YYYY-MM-DD HH:MM) and {daysToFull} the
days from the day to that full moon's. Write {{ for a { and }} for a }; an
unknown field or a lone brace is refused. --waybar writes, for the same day
and moment, the one JSON object a waybar custom module reads: "text" (the
symbol and the phase), "tooltip" (the moon at a glance, as the panel shows
it), "class" (the phase as dark-moon, new-moon, waxing-moon, full-moon or
waning-moon) and "percentage" (the lit part). Neither goes with another form
or output.

--alarm DURATION gives each phase event of --ical (each run of a phase and
each principal phase in the sky; not the sun signs' runs) a reminder that
long from the event's start, written as in RFC 5545: -P1D a day before, -PT2H
two hours before, PT0S at the start, -P1DT12H, -P2W. The UIDs stay the same,
so importing again adds the reminders to the events already there.)help")
        .arg(TrustedDays());
}

// QCommandLineParser's help with a synopsis of every form, and examples at the end. Examples
// begin with "$ ", which help2man keeps one to a line; each fits a manual page 80 columns wide.
// --month takes its month as a separate argument, so the parser would list it bare: its line is
// written here.
QString HelpText(const QCommandLineParser& parser)
{
    const QString program = QLatin1StringView(kProgramName);
    QString help = command_line::HelpText(
        parser, program,
        {QStringLiteral("[options] [DATE]"), QStringLiteral("[options] --from DATE --to DATE"),
         QStringLiteral("[options] --month [YYYY-MM]"),
         QStringLiteral("[options] --next [--after DATE] [PHASE]")},
        QStringLiteral(R"(
Examples:
  $ %1 2007-12-23
  $ %1 --from 2000-01-01 --to 2000-01-31
  $ %1 --json --from 1999-12-30 --to 2000-01-02
  $ %1 --month 2026-12
  $ %1 --next
  $ %1 --next --after 2026-12-01 "Full Moon"
  $ %1 --ical --month 2027-01 > moon.ics
  $ %1 --sky --place 52.52,13.40 2026-12-24
  $ %1 --format '{symbol} {phase} {illumination}%'
  $ %1 --waybar
  $ %1 --ical --alarm -PT2H --month 2027-01
)")
            .arg(program));
    // Qt cannot show an optional value: the line of --month is written here, in the description
    // column of the line after it.
    const qsizetype to = help.indexOf(QStringLiteral("\n  --next"));
    if (to >= 0) {
        const qsizetype column = help.indexOf(QStringLiteral("List"), to) - (to + 1);
        help.insert(to + 1, QStringLiteral("  --month [YYYY-MM]").leftJustified(column) +
                                QStringLiteral("Show a month as a calendar (default: this "
                                               "month).\n"));
    }
    return help;
}

// The date given for an argument ("DATE", "--from" or "--to"), or why it is refused.
DateArgument DateOf(const QString& text, const QString& argumentName)
{
    DateArgument parsed = ParseDateArgument(text);
    if (!parsed.date.isValid())
        parsed.problem =
            QStringLiteral("invalid date '%1' for %2: %3").arg(text, argumentName, parsed.problem);
    return parsed;
}

QString Q(std::string_view text)
{
    return QString::fromUtf8(text.data(), qsizetype(text.size()));
}

// The phase of that name ("Full Moon"; letter case and surrounding blanks do not matter).
std::optional<MoonPhaseKind> PhaseNamed(const QString& name)
{
    const QString wanted = name.simplified();
    for (const MoonPhaseKind phase : kAllPhases)
        if (wanted.compare(Q(PhaseName(phase)), Qt::CaseInsensitive) == 0)
            return phase;
    return std::nullopt;
}

// The first phase (in the order of the cycle) asked for that was not found.
std::optional<MoonPhaseKind> MissingPhase(const std::vector<PhaseStart>& starts,
                                          std::optional<MoonPhaseKind> only)
{
    for (const MoonPhaseKind phase : kAllPhases) {
        if (only && phase != *only)
            continue;
        if (std::none_of(starts.begin(), starts.end(),
                         [phase](const PhaseStart& start) { return start.phase == phase; }))
            return phase;
    }
    return std::nullopt;
}

} // namespace

QString ProgramVersion()
{
    return QLatin1String(lunetide::kVersion);
}

namespace {

CommandLine ParseArguments(const QStringList& arguments, QDate today)
{
    QCommandLineParser parser;
    parser.setApplicationDescription(Description());
    const QCommandLineOption helpOption = parser.addHelpOption();
    const QCommandLineOption versionOption = parser.addVersionOption();
    parser.addOption({kFrom, QStringLiteral("First day of a range."), QStringLiteral("DATE")});
    parser.addOption(
        {kTo, QStringLiteral("Last day of a range (inclusive)."), QStringLiteral("DATE")});
    QCommandLineOption monthOption(kMonth, QStringLiteral("Show a month as a calendar."));
    monthOption.setFlags(QCommandLineOption::HiddenFromHelp); // HelpText lists it with its argument
    parser.addOption(monthOption);
    parser.addOption({kNext, QStringLiteral("List the next day on which each moon phase, or only "
                                            "PHASE, begins.")});
    parser.addOption({kAfter, QStringLiteral("With --next: look after this day instead of today."),
                      QStringLiteral("DATE")});
    parser.addOption(
        {kJson, QStringLiteral("Write JSON Lines: one compact object per day instead of text.")});
    parser.addOption({kICal, QStringLiteral("Write an iCalendar file (RFC 5545) with the moon "
                                            "phases and sun signs of the days.")});
    parser.addOption({kHemisphere,
                      QStringLiteral("Draw the moon symbols as seen from the north or the south "
                                     "(default: the Hemisphere setting, else the time zone)."),
                      QStringLiteral("north|south")});
    parser.addOption({kSky, QStringLiteral("Show the moon in the sky instead of the readings: its "
                                           "light, its own sign, its rise and set, the next "
                                           "principal phases.")});
    parser.addOption({kPlace,
                      QStringLiteral("The place for the moon's rise and set, in decimal degrees, "
                                     "north and east positive (default: the Latitude and "
                                     "Longitude settings, else the time zone's place)."),
                      QStringLiteral("LAT,LON")});
    parser.addOption({kFormat,
                      QStringLiteral("Print one line for a status bar: TEMPLATE with its {fields} "
                                     "filled (see above)."),
                      QStringLiteral("TEMPLATE")});
    parser.addOption({kWaybar, QStringLiteral("Write the JSON object of a waybar custom module.")});
    parser.addOption({kAlarm,
                      QStringLiteral("With --ical: a reminder DURATION from each phase event's "
                                     "start (-P1D a day before)."),
                      QStringLiteral("DURATION")});
    parser.addPositionalArgument(QStringLiteral("DATE"),
                                 QStringLiteral("The day to read (default: today)."),
                                 QStringLiteral("[DATE]"));
    parser.addPositionalArgument(QStringLiteral("YYYY-MM"),
                                 QStringLiteral("With --month: the month to show."));
    parser.addPositionalArgument(QStringLiteral("PHASE"),
                                 QStringLiteral("With --next: the one phase to look for."));

    if (!parser.parse(arguments))
        return Refuse(command_line::ParseError(parser));
    if (parser.isSet(helpOption) || parser.isSet(QStringLiteral("help-all")))
        return {CommandLine::Action::ShowHelp, {}, HelpText(parser)};
    if (parser.isSet(versionOption))
        return {CommandLine::Action::ShowVersion,
                {},
                QStringLiteral("%1 %2").arg(QLatin1StringView(kProgramName), ProgramVersion())};

    for (const QString& name : {kFrom, kTo, kAfter, kHemisphere, kPlace, kFormat, kAlarm})
        if (parser.values(name).size() > 1)
            return Refuse(QStringLiteral("--%1 given more than once").arg(name));

    // A status bar's line stands alone: one day, written its own way.
    if (parser.isSet(kFormat) && parser.isSet(kWaybar))
        return Refuse(QStringLiteral("--format and --waybar cannot be combined"));
    for (const QString& line : {kFormat, kWaybar})
        if (parser.isSet(line) &&
            std::ranges::any_of(QStringList{kJson, kICal, kMonth, kNext, kFrom, kTo, kSky},
                                [&parser](const QString& other) { return parser.isSet(other); }))
            return Refuse(QStringLiteral("--%1 cannot be combined with --json, --ical, --month, "
                                         "--next, --from, --to or --sky")
                              .arg(line));
    if (parser.isSet(kFormat))
        if (const QString problem = TemplateProblem(parser.value(kFormat)); !problem.isEmpty())
            return Refuse(problem);
    if (parser.isSet(kAlarm) && !parser.isSet(kICal))
        return Refuse(QStringLiteral("--alarm given without --ical"));
    if (parser.isSet(kAlarm) && !IsAlarmDuration(parser.value(kAlarm)))
        return Refuse(QStringLiteral("invalid duration '%1' for --alarm: give one as RFC 5545 "
                                     "writes it, as -P1D, -PT2H, PT0S, -P1DT12H or -P2W")
                          .arg(parser.value(kAlarm)));

    const bool hasRange = parser.isSet(kFrom) || parser.isSet(kTo);
    const bool hasMonth = parser.isSet(kMonth);
    const bool hasNext = parser.isSet(kNext);
    if (int(hasRange) + int(hasMonth) + int(hasNext) > 1)
        return Refuse(QStringLiteral("give only one of --from and --to, --month or --next"));
    if (parser.isSet(kAfter) && !hasNext)
        return Refuse(QStringLiteral("--after given without --next"));
    if (parser.isSet(kJson) && parser.isSet(kICal))
        return Refuse(QStringLiteral("--json and --ical cannot be combined"));
    if (parser.isSet(kICal) && hasNext)
        return Refuse(QStringLiteral("--ical cannot be combined with --next"));
    if (parser.isSet(kSky) && (hasMonth || hasNext || parser.isSet(kICal)))
        return Refuse(QStringLiteral("--sky cannot be combined with --month, --next or --ical"));

    CommandLine read;
    read.action = CommandLine::Action::Read;
    read.job.today = today;
    if (parser.isSet(kPlace)) {
        read.job.place = PlaceOf(parser.value(kPlace));
        if (!read.job.place)
            return Refuse(QStringLiteral("invalid place '%1' for --place: give LAT,LON in decimal "
                                         "degrees, north and east positive (-33.87,151.21)")
                              .arg(parser.value(kPlace)));
    }
    if (parser.isSet(kSky))
        read.job.kind = JobKind::Sky;
    if (parser.isSet(kFormat) || parser.isSet(kWaybar))
        read.job.kind = JobKind::Glance;
    read.job.lineTemplate = parser.value(kFormat);
    read.job.alarm = parser.value(kAlarm);
    if (parser.isSet(kHemisphere)) {
        const QString hemisphere = parser.value(kHemisphere);
        if (hemisphere == QLatin1String("north"))
            read.job.hemisphere = Hemisphere::North;
        else if (hemisphere == QLatin1String("south"))
            read.job.hemisphere = Hemisphere::South;
        else
            return Refuse(
                QStringLiteral("invalid hemisphere '%1': give north or south").arg(hemisphere));
    }
    read.job.format = parser.isSet(kJson)     ? OutputFormat::JsonLines
                      : parser.isSet(kICal)   ? OutputFormat::ICalendar
                      : parser.isSet(kFormat) ? OutputFormat::Line
                      : parser.isSet(kWaybar) ? OutputFormat::Waybar
                                              : OutputFormat::Text;
    const QStringList positional = parser.positionalArguments();

    if (hasMonth) {
        if (positional.size() > 1)
            return Refuse(QStringLiteral("unexpected argument '%1': give one month (YYYY-MM) "
                                         "after --month")
                              .arg(positional.at(1)));
        QDate month = today;
        if (positional.isEmpty() && !IsTrusted(today))
            return RefuseToday(today);
        if (!positional.isEmpty()) {
            const DateArgument given = ParseMonthArgument(positional.at(0));
            if (!given.date.isValid())
                return Refuse(QStringLiteral("invalid month '%1' for --month: %2")
                                  .arg(positional.at(0), given.problem));
            month = given.date;
        }
        read.job.kind = JobKind::Month;
        read.job.first = QDate(month.year(), month.month(), 1);
        read.job.last = QDate(month.year(), month.month(), month.daysInMonth());
        return read;
    }

    if (hasNext) {
        if (positional.size() > 1)
            return Refuse(QStringLiteral("unexpected argument '%1': give one PHASE after --next, "
                                         "in quotes (\"Full Moon\")")
                              .arg(positional.at(1)));
        std::optional<MoonPhaseKind> only;
        if (!positional.isEmpty()) {
            only = PhaseNamed(positional.at(0));
            if (!only)
                return Refuse(QStringLiteral("unknown phase '%1' for --next: give Dark Moon, New "
                                             "Moon, Waxing Moon, Full Moon or Waning Moon")
                                  .arg(positional.at(0)));
        }
        QDate after = today;
        if (!parser.isSet(kAfter) && !IsTrusted(today))
            return RefuseToday(today);
        if (parser.isSet(kAfter)) {
            const DateArgument given = DateOf(parser.value(kAfter), QStringLiteral("--after"));
            if (!given.date.isValid())
                return Refuse(given.problem);
            after = given.date;
        }
        const QDate lastReadable = QDateOf(kLastTrustedDay);
        if (after == lastReadable)
            return Refuse(
                QStringLiteral("no day after %1 can be read").arg(after.toString(Qt::ISODate)));
        read.job.kind = JobKind::NextPhases;
        read.job.nextInTheSky = !only;
        read.job.first = read.job.last = after;
        read.job.phaseStarts = NextPhaseStarts(CivilDayOf(after), only);
        std::erase_if(read.job.phaseStarts,
                      [](const PhaseStart& start) { return start.day > kLastTrustedDay; });
        if (const std::optional<MoonPhaseKind> missing = MissingPhase(read.job.phaseStarts, only))
            return Refuse(QStringLiteral("%1 does not begin after %2 and by %3, the last day that "
                                         "can be read")
                              .arg(Q(PhaseName(*missing)), after.toString(Qt::ISODate),
                                   lastReadable.toString(Qt::ISODate)));
        return read;
    }

    if (positional.size() > 1)
        return Refuse(QStringLiteral("unexpected argument '%1': give one DATE, or --from and --to")
                          .arg(positional.at(1)));
    const bool hasFrom = parser.isSet(kFrom);
    const bool hasTo = parser.isSet(kTo);
    if (!positional.isEmpty() && (hasFrom || hasTo))
        return Refuse(QStringLiteral("DATE '%1' cannot be combined with --from and --to")
                          .arg(positional.at(0)));
    if (hasFrom && !hasTo)
        return Refuse(QStringLiteral("--from given without --to"));
    if (hasTo && !hasFrom)
        return Refuse(QStringLiteral("--to given without --from"));

    if (!hasFrom) {
        if (positional.isEmpty()) {
            if (!IsTrusted(today))
                return RefuseToday(today);
            read.job.first = read.job.last = today;
            read.job.skyNow = read.job.kind == JobKind::Sky || read.job.kind == JobKind::Glance;
            return read;
        }
        const DateArgument day = DateOf(positional.at(0), QStringLiteral("DATE"));
        if (!day.date.isValid())
            return Refuse(day.problem);
        read.job.first = read.job.last = day.date;
        return read;
    }

    const DateArgument first = DateOf(parser.value(kFrom), QStringLiteral("--from"));
    if (!first.date.isValid())
        return Refuse(first.problem);
    const DateArgument last = DateOf(parser.value(kTo), QStringLiteral("--to"));
    if (!last.date.isValid())
        return Refuse(last.problem);

    if (last.date < first.date)
        return Refuse(QStringLiteral("--to %1 is before --from %2")
                          .arg(parser.value(kTo), parser.value(kFrom)));
    read.job.first = first.date;
    read.job.last = last.date;
    return read;
}

// "--month=2026-12" as "--month", "2026-12", and the same for --next: their values are optional
// positional arguments, and the parser takes "=" only for options that have a value of their own.
// An argument after "--" is left as it is.
QStringList WithValuesApart(const QStringList& arguments)
{
    QStringList apart;
    bool options = true;
    for (const QString& argument : arguments) {
        options = options && argument != QLatin1String("--");
        const QString name = argument.section(u'=', 0, 0);
        if (options && argument.contains(u'=') && (name == "--" + kMonth || name == "--" + kNext))
            apart << name << argument.section(u'=', 1);
        else
            apart << argument;
    }
    return apart;
}

} // namespace

CommandLine ParseCommandLine(const QStringList& arguments, QDate today)
{
    return ParseArguments(WithValuesApart(arguments), today);
}

} // namespace lunetide::cli
