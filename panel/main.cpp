// lunetide-panel: today's moon in the panel's tray, the day's readings and the sky in its tooltip,
// and a notification when a phase begins.

#include "command_line/command_line_answer.h"
#include "panel/moon_tray.h"
#include "panel/panel_command_line.h"
#include "panel/tray_wait.h"
#include "process/display_opening.h"
#include "process/single_instance.h"
#include "process/start_checks.h"
#include "process/termination_signals.h"

#include <QApplication>

#include <csignal>
#include <optional>

namespace answer = lunetide::command_line;

int main(int argc, char* argv[])
{
    // Before anything opens a file: a closed standard descriptor would take the next one.
    OpenClosedStandardDescriptors();
    const QString program = QLatin1String(kPanelProgramName);
    QStringList arguments;
    for (int i = 0; i < argc; ++i)
        arguments.append(QString::fromLocal8Bit(argv[i]));
    const PanelCommandLine commandLine = ParsePanelCommandLine(arguments);
    switch (commandLine.action) {
    case PanelCommandLine::Action::Run:
        break;
    case PanelCommandLine::Action::Refuse:
        return answer::Refuse(program, commandLine.text);
    case PanelCommandLine::Action::ShowHelp:
    case PanelCommandLine::Action::ShowVersion:
        return answer::ShowText(program, commandLine.text);
    }
    if (DisplayIsMissing(arguments)) {
        answer::Complain(program, QStringLiteral("no display could be opened: neither DISPLAY nor "
                                                 "WAYLAND_DISPLAY is set"));
        return answer::kExitCannotStart;
    }
    // A word written to a closed standard error must not end the panel, nor leave its lock.
    std::signal(SIGPIPE, SIG_IGN);

    auto opening = std::make_optional<DisplayOpening>(program, arguments);
    QApplication app(argc, argv);
    opening.reset();
    QApplication::setApplicationName(QStringLiteral("Lunetide"));
    QApplication::setDesktopFileName(QStringLiteral("com.veyrholt.Lunetide.Panel"));
    // The panel has no window: it ends through its menu or a signal, never when a window closes.
    QApplication::setQuitOnLastWindowClosed(false);

    SingleInstance instance(LockFilePath(program));
    switch (instance.acquire()) {
    case SingleInstance::Outcome::Acquired:
        break;
    case SingleInstance::Outcome::HeldByRunningCopy:
        answer::Complain(program, QStringLiteral("already running: the moon is in the panel"));
        return answer::kExitDone;
    case SingleInstance::Outcome::Unavailable:
        // A second copy may then start too; the moon is still worth showing.
        answer::Complain(program, instance.problem());
        break;
    }

    const TerminationSignals endOnSignal([] { QCoreApplication::quit(); });
    MoonTray tray(QCoreApplication::applicationDirPath());
    const int waitSeconds = TrayWaitSeconds(qgetenv("LUNETIDE_PANEL_TRAY_WAIT"));
    AwaitTray(
        &tray, waitSeconds, [&tray] { tray.Show(); },
        [&] {
            answer::Complain(program, QStringLiteral("no system tray appeared within %1 %2: start "
                                                     "lunetide-panel with the desktop's panel")
                                          .arg(waitSeconds)
                                          .arg(waitSeconds == 1 ? QStringLiteral("second")
                                                                : QStringLiteral("seconds")));
            QCoreApplication::exit(answer::kExitCannotStart);
        });
    return QApplication::exec();
}
