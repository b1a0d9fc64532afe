#include "app/startup.h"

#include "app/forms.h"
#include "process/single_instance.h"
#include "settings/update_reminder.h"
#include "settings/user_settings.h"
#include "ui/windows/main_window.h"
#include "ui/windows/message_box.h"
#include "ui/windows/startup_window.h"
#include "web/links.h"

#include <QCoreApplication>
#include <QRandomGenerator>
#include <QTime>

#include <exception>
#include <memory>

namespace {

// A failure inside one step of the sequence abandons that step only.
template <typename Step> void Guarded(Step&& step)
{
    try {
        step();
    } catch (const std::exception&) {
    }
}

} // namespace

bool RunStartup(Forms& forms, const StartupServices& services)
{
    forms.startup(); // loaded, never shown, until the end
    if (!services.isOnlyInstance()) {
        services.tellAlreadyRunning(QStringLiteral("Application is already running"));
        forms.EndApplication();
        return false;
    }
    // Ended while a message of the single-instance test was open (a termination signal).
    if (forms.hasEnded())
        return false;
    Guarded(services.updateReminder);
    if (frmMain* window = forms.main()) {
        window->show();
        if (frmStartup* startup = forms.startup())
            startup->hide();
        Guarded([&] { window->CoBrand_Randomize(services.draw()); });
    }
    // The application may have been ended while a question was open (a termination signal).
    return !forms.hasEnded();
}

StartupServices RealStartupServices(SingleInstance& instance, UserSettings& settings)
{
    auto generator = std::make_shared<QRandomGenerator>(
        static_cast<quint32>(QTime::currentTime().msecsSinceStartOfDay()));
    StartupServices services;
    services.isOnlyInstance = [&instance] {
        switch (instance.acquire()) {
        case SingleInstance::Outcome::Acquired:
            return true;
        case SingleInstance::Outcome::HeldByRunningCopy:
            return false;
        case SingleInstance::Outcome::Unavailable:
            // Better two copies than none: say what is wrong and start.
            qWarning("%s", qUtf8Printable(instance.problem()));
            lunetide::ui::ShowInformation(nullptr, instance.problem());
            return true;
        }
        return true;
    };
    services.tellAlreadyRunning = [](const QString& text) {
        lunetide::ui::ShowInformation(nullptr, text);
    };
    services.updateReminder = [&settings] {
        UpdateReminder(
            settings, QDate::currentDate(),
            [] { return lunetide::ui::AskToLookForUpdate(nullptr); },
            [] { lunetide::web::LinkDownload(); });
    };
    services.draw = [generator] { return generator->generateDouble(); };
    return services;
}
