#include "app/forms.h"
#include "app/hemisphere_choice.h"
#include "app/startup.h"
#include "command_line/command_line_answer.h"
#include "command_line/windowed_command_line.h"
#include "process/display_opening.h"
#include "process/single_instance.h"
#include "process/start_checks.h"
#include "process/termination_signals.h"
#include "settings/user_settings.h"
#include "ui/look/app_icon.h"
#include "ui/look/font_warm_up.h"
#include "ui/look/look.h"

#include <QApplication>

#include <csignal>
#include <optional>

namespace {

// The File menu entry the command line asks for, if any.
std::optional<Forms::MenuEntry> EntryToPick(WindowedCommandLine::Opening opening)
{
    switch (opening) {
    case WindowedCommandLine::Opening::MainWindowOnly:
        return std::nullopt;
    case WindowedCommandLine::Opening::MoonCalendar:
        return Forms::MenuEntry::MoonCalendar;
    case WindowedCommandLine::Opening::MoonSky:
        return Forms::MenuEntry::MoonSky;
    }
    return std::nullopt;
}

} // namespace

int main(int argc, char* argv[])
{
    // Before anything opens a file: a closed standard descriptor would take the next one.
    OpenClosedStandardDescriptors();
    QStringList arguments;
    for (int i = 0; i < argc; ++i)
        arguments.append(QString::fromLocal8Bit(argv[i]));
    // --help and --version are answered before anything opens a display or takes the lock.
    const WindowedCommandLine commandLine = ParseWindowedCommandLine(arguments);
    if (const int status = AnswerCommandLine(commandLine); status >= 0)
        return status;
    const QString program = QStringLiteral("lunetide");
    if (const quint64 limit = RaiseDescriptorLimit(); limit < kFewestDescriptors) {
        lunetide::command_line::Complain(
            program, QStringLiteral("only %1 open files are allowed (ulimit -n), at least %2 are "
                                    "needed")
                         .arg(limit)
                         .arg(kFewestDescriptors));
        return lunetide::command_line::kExitCannotStart;
    }
    if (DisplayIsMissing(arguments)) {
        lunetide::command_line::Complain(
            program, QStringLiteral("no display could be opened: neither DISPLAY nor "
                                    "WAYLAND_DISPLAY is set"));
        return lunetide::command_line::kExitCannotStart;
    }
    // A diagnostic written to a closed standard error (lunetide 2>&1 | true) must not end the
    // program, nor leave its lock behind.
    std::signal(SIGPIPE, SIG_IGN);

    FontWarmUp fontWarmUp;
    auto opening = std::make_optional<DisplayOpening>(program, arguments);
    QApplication app(argc, argv);
    opening.reset();
    fontWarmUp.Wait();
    QApplication::setApplicationName(QStringLiteral("Lunetide"));
    QApplication::setApplicationVersion(QLatin1String(lunetide::kVersion));
    QApplication::setDesktopFileName(QStringLiteral("com.veyrholt.Lunetide"));
    // The application ends only through the exit screen, never because no window is visible.
    QApplication::setQuitOnLastWindowClosed(false);
    QApplication::setWindowIcon(lunetide::ui::AppIcon());

    SingleInstance instance;
    UserSettings settings;
    int status = 0;
    {
        Forms::Sources sources;
        UseSettingsForHemisphere(sources, settings);
        UseSettingsForPlace(sources, settings);
        Forms forms(sources);
        const TerminationSignals endOnSignal([&forms] { forms.EndApplication(); });
        if (RunStartup(forms, RealStartupServices(instance, settings))) {
            // --calendar, --sky: after whatever the start-up showed, over the main window.
            if (const std::optional<Forms::MenuEntry> entry = EntryToPick(commandLine.opening))
                forms.PickOnceMainIsUp(*entry);
            status = QApplication::exec();
        }
        // Windows unloaded on the way out are deleted here rather than leaked.
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }
    return status;
}
