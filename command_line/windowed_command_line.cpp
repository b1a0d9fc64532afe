#include "command_line/windowed_command_line.h"

#include "command_line/command_line_answer.h"
#include "core/version.h"

#include <QCommandLineParser>

#include <span>
#include <string_view>

namespace {

namespace answer = lunetide::command_line;

const QString kProgramName = QStringLiteral("lunetide");

// The arguments QGuiApplication and QApplication take for themselves, as "-name" or "--name".
// Those in the first list are followed by their value; only the last three also take it as
// "-name=value".
constexpr std::string_view kQtOptionsWithValue[] = {"platform",        "platformpluginpath",
                                                    "platformtheme",   "plugin",
                                                    "qwindowgeometry", "qwindowicon",
                                                    "qwindowtitle",    "geometry",
                                                    "title",           "icon",
                                                    "display",         "name",
                                                    "visual",          "session",
                                                    "style",           "stylesheet",
                                                    "qmljsdebugger"};
constexpr std::string_view kQtOptionsWithJoinedValue[] = {"style", "stylesheet", "qmljsdebugger"};
constexpr std::string_view kQtFlags[] = {"reverse", "widgetcount", "nograb",
                                         "dograb",  "sync",        "testability"};

bool IsOneOf(const QString& name, std::span<const std::string_view> names)
{
    for (const std::string_view known : names)
        if (name == QLatin1StringView(known.data(), static_cast<qsizetype>(known.size())))
            return true;
    return false;
}

// The arguments without those that Qt takes for itself.
QStringList WithoutQtArguments(const QStringList& arguments)
{
    QStringList rest;
    for (qsizetype i = 0; i < arguments.size(); ++i) {
        const QString& argument = arguments.at(i);
        if (i == 0 || !argument.startsWith(u'-') || argument == QStringLiteral("--")) {
            rest.append(argument);
            continue;
        }
        QString name = argument.mid(argument.startsWith(QStringLiteral("--")) ? 2 : 1);
        const qsizetype equals = name.indexOf(u'=');
        const bool hasValue = equals >= 0;
        if (hasValue)
            name.truncate(equals);
        if (hasValue ? IsOneOf(name, kQtOptionsWithJoinedValue)
                     : IsOneOf(name, kQtOptionsWithValue)) {
            if (!hasValue)
                ++i; // its value
            continue;
        }
        if (!hasValue && IsOneOf(name, kQtFlags))
            continue;
        rest.append(argument);
    }
    return rest;
}

WindowedCommandLine Refuse(const QString& why)
{
    return {WindowedCommandLine::Action::Refuse, answer::OneLine(why)};
}

QString HelpText(const QCommandLineParser& parser)
{
    return answer::HelpText(parser, kProgramName, {QStringLiteral("[options]")}, QStringLiteral(R"(
Qt's own options are accepted as well, among them -platform NAME, -display
DISPLAY, -style STYLE and -reverse.

--calendar and --sky are not taken together. Only one copy runs at a time: a
second copy, --calendar or --sky given or not, says "Application is already
running" and ends. The readings of a date can also be printed in a terminal
with lunetide-reading.
)"));
}

} // namespace

WindowedCommandLine ParseWindowedCommandLine(const QStringList& arguments)
{
    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral(
        "Lunar magick readings in a window: today's moon phase with a picture of the\n"
        "moon, the moon in today's sun sign and its element, and the same readings\n"
        "for any date from 1901 to 2050."));
    const QCommandLineOption helpOption = parser.addHelpOption();
    const QCommandLineOption versionOption = parser.addVersionOption();
    const QCommandLineOption calendarOption(
        QStringLiteral("calendar"), QStringLiteral("Once the main window is up, open the Moon "
                                                   "Calendar as File -> Moon Calendar... does."));
    const QCommandLineOption skyOption(
        QStringLiteral("sky"), QStringLiteral("Once the main window is up, open Moon in the Sky as "
                                              "File -> Moon in the Sky... does."));
    parser.addOptions({calendarOption, skyOption});

    if (!parser.parse(WithoutQtArguments(arguments)))
        return Refuse(answer::ParseError(parser));
    if (parser.isSet(helpOption) || parser.isSet(QStringLiteral("help-all")))
        return {WindowedCommandLine::Action::ShowHelp, HelpText(parser)};
    if (parser.isSet(versionOption))
        return {WindowedCommandLine::Action::ShowVersion,
                QStringLiteral("%1 %2").arg(kProgramName, QLatin1String(lunetide::kVersion))};
    if (!parser.positionalArguments().isEmpty())
        return Refuse(QStringLiteral("unexpected argument '%1'")
                          .arg(parser.positionalArguments().constFirst()));
    // One window opens over the main window, as one menu entry is picked at a time.
    if (parser.isSet(calendarOption) && parser.isSet(skyOption))
        return Refuse(QStringLiteral("--calendar and --sky cannot be given together"));
    WindowedCommandLine run;
    if (parser.isSet(calendarOption))
        run.opening = WindowedCommandLine::Opening::MoonCalendar;
    else if (parser.isSet(skyOption))
        run.opening = WindowedCommandLine::Opening::MoonSky;
    return run;
}

int AnswerCommandLine(const WindowedCommandLine& commandLine)
{
    switch (commandLine.action) {
    case WindowedCommandLine::Action::Run:
        return -1;
    case WindowedCommandLine::Action::Refuse:
        return answer::Refuse(kProgramName, commandLine.text);
    case WindowedCommandLine::Action::ShowHelp:
    case WindowedCommandLine::Action::ShowVersion:
        return answer::ShowText(kProgramName, commandLine.text);
    }
    return -1;
}
