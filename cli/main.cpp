// lunetide-reading: the lunar magick readings of a day or of a range of days, as text, JSON Lines
// or an iCalendar file; a month at a glance; the next day of each moon phase.

#include "cli/command_line.h"
#include "cli/readings_writer.h"

#include <QCoreApplication>

#include <cerrno>
#include <cstdio>
#include <cstring>

using namespace lunetide::cli;

namespace {

constexpr int kExitWriteFailed = 1;
constexpr int kExitBadArguments = 2;

void Complain(const QString& message)
{
    std::fprintf(stderr, "%s: %s\n", kProgramName, message.toUtf8().constData());
}

} // namespace

int main(int argc, char* argv[])
{
    QCoreApplication app(argc, argv);
    QCoreApplication::setApplicationName(QLatin1StringView(kProgramName));
    QCoreApplication::setApplicationVersion(ProgramVersion());

    const CommandLine commandLine = ParseCommandLine(app.arguments(), QDate::currentDate());
    switch (commandLine.action) {
    case CommandLine::Action::Refuse:
        Complain(commandLine.text);
        return kExitBadArguments;
    case CommandLine::Action::ShowHelp:
    case CommandLine::Action::ShowVersion: {
        const QByteArray text = commandLine.text.toUtf8();
        std::fputs(text.constData(), stdout);
        if (!text.endsWith('\n'))
            std::fputc('\n', stdout);
        if (std::fflush(stdout) != 0) {
            Complain(QStringLiteral("cannot write the output: %1").arg(std::strerror(errno)));
            return kExitWriteFailed;
        }
        return 0;
    }
    case CommandLine::Action::Read:
        break;
    }

    if (!WriteReadings(commandLine.job, stdout, QDateTime::currentDateTimeUtc())) {
        Complain(QStringLiteral("cannot write the output: %1").arg(std::strerror(errno)));
        return kExitWriteFailed;
    }
    return 0;
}
