// Lunetide's start-up as main() runs it, without the lock and the update question, which would
// make runs depend on each other; the hemisphere is read from the settings or the time zone.
#include "app/forms.h" // before Qt's X11 declarations, whose Display its enum would shadow
#include "app/hemisphere_choice.h"
#include "app/startup.h"
#include "settings/user_settings.h"
#include "ui/look/app_icon.h"
#include "ui/look/font_warm_up.h"
#include "ui/look/look.h"
#include "ui/windows/main_window.h"

#include "shown.h"

int main(int argc, char* argv[])
{
    FontWarmUp fontWarmUp;
    QApplication app(argc, argv);
    fontWarmUp.Wait();
    QApplication::setQuitOnLastWindowClosed(false);
    QApplication::setWindowIcon(lunetide::ui::AppIcon());

    Forms::Sources sources;
    sources.endEventLoop = [] {};
    UserSettings settings;
    UseSettingsForHemisphere(sources, settings);
    Forms forms(sources);
    StartupServices services;
    services.isOnlyInstance = [] { return true; };
    services.tellAlreadyRunning = [](const QString&) {};
    services.updateReminder = [] {};
    services.draw = [] { return 0.5; };
    RunStartup(forms, services);
    return ReportShown(forms.main(), argc, argv);
}
