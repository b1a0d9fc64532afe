#include "panel/panel_command_line.h"

#include "command_line/command_line_answer.h"
#include "core/version.h"

#include <QCommandLineParser>

namespace answer = lunetide::command_line;

namespace {

QString HelpText(const QCommandLineParser& parser)
{
    return answer::HelpText(parser, QLatin1String(kPanelProgramName), {QStringLiteral("[options]")},
                            QStringLiteral(R"(
The icon is today's moon picture, seen from the user's hemisphere; it changes
at local midnight, after the clock is set and after the computer wakes. Its
tooltip gives the day's readings (the moon's phase and age, the sign and its
element) and, labelled as the sky's, the lit part of the moon, the sign the
moon itself stands in, its rise and set at the user's place and the next full
moon. A click opens Lunetide; the menu opens its calendar or the moon in the
sky, chooses the hemisphere, turns the notifications on or off and starts the
panel with the desktop.

On the first day of each moon phase, and on the day of each principal phase in
the sky (new moon, first quarter, full moon, last quarter), a desktop
notification tells of it, once: what was told is remembered in the settings
file. A tray must be there: at login the panel waits up to two minutes for one
(LUNETIDE_PANEL_TRAY_WAIT seconds when set) and then ends. Only one copy runs
for each user; a second copy ends at once.
)"));
}

} // namespace

PanelCommandLine ParsePanelCommandLine(const QStringList& arguments)
{
    QCommandLineParser parser;
    parser.setApplicationDescription(
        QStringLiteral("Today's moon in the panel's tray, with the day's readings and the moon in\n"
                       "the sky in its tooltip, and a notification when a phase begins."));
    const QCommandLineOption helpOption = parser.addHelpOption();
    const QCommandLineOption versionOption = parser.addVersionOption();
    if (!parser.parse(arguments))
        return {PanelCommandLine::Action::Refuse, answer::OneLine(answer::ParseError(parser))};
    if (parser.isSet(helpOption) || parser.isSet(QStringLiteral("help-all")))
        return {PanelCommandLine::Action::ShowHelp, HelpText(parser)};
    if (parser.isSet(versionOption))
        return {PanelCommandLine::Action::ShowVersion,
                QStringLiteral("%1 %2").arg(QLatin1String(kPanelProgramName),
                                            QLatin1String(lunetide::kVersion))};
    if (!parser.positionalArguments().isEmpty())
        return {PanelCommandLine::Action::Refuse,
                answer::OneLine(QStringLiteral("unexpected argument '%1'")
                                    .arg(parser.positionalArguments().constFirst()))};
    return {};
}
