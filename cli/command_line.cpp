#include "cli/command_line.h"

#include "cli/date_argument.h"

#include <QCommandLineParser>

namespace lunetide::cli {
namespace {

const QString kFrom = QStringLiteral("from");
const QString kTo = QStringLiteral("to");
const QString kJson = QStringLiteral("json");

// The reason for refusing the arguments, kept to one line: control characters that came with an
// argument (a newline, an escape sequence) are shown as \xNN instead of acting on the terminal.
CommandLine Refuse(const QString& why)
{
    CommandLine refused;
    refused.action = CommandLine::Action::Refuse;
    for (const QChar c : why) {
        if (c.category() == QChar::Other_Control)
            refused.text += QStringLiteral("\\x%1").arg(c.unicode(), 2, 16, QChar(u'0'));
        else
            refused.text += c;
    }
    return refused;
}

// QCommandLineParser's help with a synopsis of both forms under the program's name (its own first
// line names the program by the path it was started from), and the sections a reader of a Unix
// tool looks for at the end.
QString HelpText(const QCommandLineParser& parser)
{
    QString help = parser.helpText();
    help.replace(0, help.indexOf(u'\n'),
                 QStringLiteral("Usage: %1 [options] [DATE]\n"
                                "       %1 [options] --from DATE --to DATE")
                     .arg(QLatin1StringView(kProgramName)));
    help += QStringLiteral(R"(
Dates are written YYYY-MM-DD with a four-digit year (1000 to 9999). A range
runs from --from to --to inclusive, at most %1 days, one reading per day.
Texts are written exactly as the reading windows show them, trailing blanks
included.

Examples:
  %2 2007-12-23
  %2 --from 2000-01-01 --to 2000-01-31
  %2 --json --from 1999-12-30 --to 2000-01-02

Exit status:
  0  the readings were written
  1  the output could not be written
  2  the arguments were refused (the reason is on standard error)
)")
                .arg(kMaxRangeDays)
                .arg(QLatin1StringView(kProgramName));
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

} // namespace

QString ProgramVersion()
{
    return QStringLiteral(LUNETIDE_VERSION);
}

CommandLine ParseCommandLine(const QStringList& arguments, QDate today)
{
    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral(
        "Print the lunar magick readings of a day or of a range of days:\n"
        "the moon's age and phase, the sun sign (\"Moon In ...\") and its element."));
    const QCommandLineOption helpOption = parser.addHelpOption();
    const QCommandLineOption versionOption = parser.addVersionOption();
    parser.addOption({kFrom, QStringLiteral("First day of a range."), QStringLiteral("DATE")});
    parser.addOption(
        {kTo, QStringLiteral("Last day of a range (inclusive)."), QStringLiteral("DATE")});
    parser.addOption(
        {kJson, QStringLiteral("Write JSON Lines: one compact object per day instead of text.")});
    parser.addPositionalArgument(QStringLiteral("DATE"),
                                 QStringLiteral("The day to read (default: today)."),
                                 QStringLiteral("[DATE]"));

    if (!parser.parse(arguments))
        return Refuse(parser.errorText());
    if (parser.isSet(helpOption) || parser.isSet(QStringLiteral("help-all")))
        return {CommandLine::Action::ShowHelp, {}, HelpText(parser)};
    if (parser.isSet(versionOption))
        return {CommandLine::Action::ShowVersion,
                {},
                QStringLiteral("%1 %2").arg(QLatin1StringView(kProgramName), ProgramVersion())};

    for (const QString& name : {kFrom, kTo})
        if (parser.values(name).size() > 1)
            return Refuse(QStringLiteral("--%1 given more than once").arg(name));

    const QStringList dates = parser.positionalArguments();
    if (dates.size() > 1)
        return Refuse(QStringLiteral("unexpected argument '%1': give one DATE, or --from and --to")
                          .arg(dates.at(1)));
    const bool hasFrom = parser.isSet(kFrom);
    const bool hasTo = parser.isSet(kTo);
    if (!dates.isEmpty() && (hasFrom || hasTo))
        return Refuse(
            QStringLiteral("DATE '%1' cannot be combined with --from and --to").arg(dates.at(0)));
    if (hasFrom && !hasTo)
        return Refuse(QStringLiteral("--from given without --to"));
    if (hasTo && !hasFrom)
        return Refuse(QStringLiteral("--to given without --from"));

    CommandLine read;
    read.action = CommandLine::Action::Read;
    read.job.format = parser.isSet(kJson) ? OutputFormat::JsonLines : OutputFormat::Text;

    if (!hasFrom) {
        if (dates.isEmpty()) {
            // The moon's age needs a four-digit year, and a clock can be set to any year.
            if (today.year() < 1000 || today.year() > 9999)
                return Refuse(QStringLiteral("today's date from the system clock has the year %1, "
                                             "outside 1000 to 9999: give a DATE")
                                  .arg(today.year()));
            read.job.first = read.job.last = today;
            return read;
        }
        const DateArgument day = DateOf(dates.at(0), QStringLiteral("DATE"));
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

    const qint64 days = first.date.daysTo(last.date) + 1;
    if (days < 1)
        return Refuse(QStringLiteral("--to %1 is before --from %2")
                          .arg(parser.value(kTo), parser.value(kFrom)));
    if (days > kMaxRangeDays)
        return Refuse(QStringLiteral("the range --from %1 --to %2 has %3 days; at most %4 allowed")
                          .arg(parser.value(kFrom), parser.value(kTo))
                          .arg(days)
                          .arg(kMaxRangeDays));
    read.job.first = first.date;
    read.job.last = last.date;
    return read;
}

} // namespace lunetide::cli
