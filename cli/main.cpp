// lunetide-reading: the lunar magick readings of a day or of a range of days, as text, JSON Lines
// or an iCalendar file; a month at a glance; the next day of each moon phase.

#include "cli/command_line.h"
#include "cli/readings_writer.h"
#include "cli/terminal.h"
#include "cli/text_wrap.h"
#include "command_line/command_line_answer.h"
#include "process/start_checks.h"
#include "settings/user_settings.h"

#include <QCoreApplication>

#include <cerrno>
#include <cstring>
#include <unistd.h>

using namespace lunetide::cli;
namespace answer = lunetide::command_line;

int main(int argc, char* argv[])
{
    const QString program = QLatin1StringView(kProgramName);
    // Before Qt opens anything, which would take descriptor 1 and receive the output.
    if (!IsDescriptorOpen(STDOUT_FILENO)) {
        answer::Complain(program, QStringLiteral("standard output is closed"));
        return answer::kExitWriteFailed;
    }
    const bool utf8 = LocaleCharsetIsUtf8();
    QCoreApplication app(argc, argv);
    QCoreApplication::setApplicationName(program);
    QCoreApplication::setApplicationVersion(ProgramVersion());

    CommandLine commandLine = ParseCommandLine(app.arguments(), QDate::currentDate());
    switch (commandLine.action) {
    case CommandLine::Action::Refuse:
        return answer::Refuse(program, commandLine.text);
    case CommandLine::Action::ShowHelp:
        // help2man reads the help from a pipe, where it stays as it is.
        if (const int columns = TerminalColumns(STDOUT_FILENO); columns > 0)
            commandLine.text = QString::fromUtf8(WrappedHelp(commandLine.text.toUtf8(), columns));
        return answer::ShowText(program, commandLine.text);
    case CommandLine::Action::ShowVersion:
        return answer::ShowText(program, commandLine.text);
    case CommandLine::Action::Read:
        break;
    }

    ReadingJob& job = commandLine.job;
    job.wrapColumns = TerminalColumns(STDOUT_FILENO);
    job.moonMarks = utf8 ? MoonMarks::Emoji : MoonMarks::Ascii;
    job.todayMark = isatty(STDOUT_FILENO) ? TodayMark::Bold : TodayMark::Star;
    // The moon symbols are seen from where the user lives, unless --hemisphere says otherwise.
    const UserSettings settings;
    if (!job.hemisphere)
        job.hemisphere = ChosenHemisphere(settings);
    // The moon rises and sets for --place, else for the place the user set or the time zone's.
    if (!job.place)
        job.place = ChosenPlace(settings);
    if (!WriteReadings(job, stdout, QDateTime::currentDateTimeUtc())) {
        answer::Complain(program,
                         QStringLiteral("cannot write the output: %1").arg(std::strerror(errno)));
        return answer::kExitWriteFailed;
    }
    return answer::kExitDone;
}
