#include "panel/moon_tray.h"

#include "glance/moon_glance.h"
#include "panel/autostart_entry.h"
#include "panel/day_watch.h"
#include "panel/lunetide_launch.h"
#include "panel/moon_icon.h"
#include "panel/notices/desktop_notifier.h"
#include "panel/notices/phase_notices.h"
#include "panel/notices/told_notices.h"
#include "settings/user_folders.h"
#include "settings/user_settings.h"
#include "ui/look/app_icon.h"

#include <QApplication>
#include <QFileInfo>
#include <QFileSystemWatcher>
#include <QMenu>
#include <QSystemTrayIcon>
#include <QTimeZone>
#include <QTimer>

using namespace lunetide;

namespace {

constexpr int kTellAfterShownMs = 1000;

} // namespace

MoonTray::MoonTray(QString panelFolder, QObject* parent)
    : QObject(parent), panelFolder_(std::move(panelFolder)), menu_(std::make_unique<QMenu>()),
      tray_(new QSystemTrayIcon(this)), dayWatch_(new DayWatch(this)),
      settingsWatch_(new QFileSystemWatcher(this))
{
    connect(menu_->addAction(QStringLiteral("&Open Lunetide")), &QAction::triggered, this,
            [this] { OpenLunetide({}); });
    connect(menu_->addAction(QStringLiteral("Moon &Calendar…")), &QAction::triggered, this,
            [this] { OpenLunetide({QStringLiteral("--calendar")}); });
    connect(menu_->addAction(QStringLiteral("Moon in the &Sky…")), &QAction::triggered, this,
            [this] { OpenLunetide({QStringLiteral("--sky")}); });
    menu_->addSeparator();
    southern_ = menu_->addAction(QStringLiteral("Southern &Hemisphere"));
    southern_->setCheckable(true);
    connect(southern_, &QAction::triggered, this, &MoonTray::ChooseHemisphere);
    tellPhases_ = menu_->addAction(QStringLiteral("&Tell Me When a Phase Begins"));
    tellPhases_->setCheckable(true);
    connect(tellPhases_, &QAction::triggered, this, &MoonTray::ChooseToBeTold);
    startWithDesktop_ = menu_->addAction(QStringLiteral("Start With the &Desktop"));
    startWithDesktop_->setCheckable(true);
    connect(startWithDesktop_, &QAction::triggered, this, &MoonTray::ChooseToStartWithDesktop);
    menu_->addSeparator();
    connect(menu_->addAction(QStringLiteral("&Quit")), &QAction::triggered, qApp,
            &QCoreApplication::quit);
    tray_->setContextMenu(menu_.get());

    connect(tray_, &QSystemTrayIcon::activated, this,
            [this](QSystemTrayIcon::ActivationReason why) {
                if (why == QSystemTrayIcon::Trigger)
                    OpenLunetide({});
            });
    connect(dayWatch_, &DayWatch::dayChanged, this, [this] {
        Refresh();
        TellPhases();
    });
    connect(dayWatch_, &DayWatch::timePassed, this, &MoonTray::Refresh);

    // A file replaced by renaming drops out of the watch: the folders are watched too, and the
    // file is watched again whenever anything changes. A burst of changes is read once.
    auto* settle = new QTimer(this);
    settle->setSingleShot(true);
    settle->setInterval(200);
    connect(settle, &QTimer::timeout, this, [this] {
        WatchSettingsFile();
        Refresh();
    });
    connect(settingsWatch_, &QFileSystemWatcher::fileChanged, settle, qOverload<>(&QTimer::start));
    connect(settingsWatch_, &QFileSystemWatcher::directoryChanged, settle,
            qOverload<>(&QTimer::start));
    WatchSettingsFile();
}

MoonTray::~MoonTray() = default;

void MoonTray::Show()
{
    Refresh();
    tray_->show();
    // Once the icon is in the tray: a notification server may take its time to answer.
    QTimer::singleShot(kTellAfterShownMs, this, &MoonTray::TellPhases);
}

void MoonTray::WatchSettingsFile()
{
    const QString file = SettingsFilePath();
    if (file.isEmpty())
        return;
    // The file and the folders on its way up to the home, which a new account may not have yet.
    QStringList paths{file};
    const QString home = HomeFolder();
    for (QString folder = QFileInfo(file).path(); paths.size() < 4;
         folder = QFileInfo(folder).path()) {
        paths << folder;
        if (folder == home || folder == QFileInfo(folder).path())
            break;
    }
    const QStringList watched = settingsWatch_->files() + settingsWatch_->directories();
    for (const QString& path : paths)
        if (!watched.contains(path) && QFileInfo::exists(path))
            settingsWatch_->addPath(path);
}

void MoonTray::Refresh()
{
    const UserSettings settings;
    const Hemisphere hemisphere = ChosenHemisphere(settings);
    const QTimeZone zone = QTimeZone::systemTimeZone();
    const QDateTime now = QDateTime::currentDateTime().toTimeZone(zone);
    const std::optional<MoonGlance> glance =
        GlanceAt(now.date(), now, zone, ChosenPlace(settings), hemisphere);
    if (glance) {
        tray_->setIcon(MoonIcon(SeenFrom(glance->moon.shape, hemisphere)));
        tray_->setToolTip(GlanceText(*glance));
    } else {
        tray_->setIcon(ui::AppIcon());
        tray_->setToolTip(QStringLiteral("Lunetide: the moon of the year %1 cannot be read")
                              .arg(now.date().year()));
    }
    southern_->setChecked(hemisphere == Hemisphere::South);
    tellPhases_->setChecked(PanelSettings().notify());
    startWithDesktop_->setChecked(HasAutostartEntry());
}

// Today's notices not told yet, each once: through the desktop's notification server, else as the
// tray's own message. Days that passed while the panel was not running are not told.
void MoonTray::TellPhases()
{
    PanelSettings panelSettings;
    if (!panelSettings.notify())
        return;
    const UserSettings settings;
    const QDate today = QDate::currentDate();
    const std::vector<PhaseNotice> untold =
        UntoldNotices(NoticesOfDay(today, QTimeZone::systemTimeZone(), ChosenPlace(settings),
                                   ChosenHemisphere(settings)),
                      panelSettings);
    if (untold.empty())
        return;
    QStringList told;
    for (const PhaseNotice& notice : untold) {
        if (!SendDesktopNotification(notice))
            tray_->showMessage(notice.title, notice.body, MoonIcon(notice.shape));
        told << notice.key;
    }
    panelSettings.RememberTold(today, told);
}

void MoonTray::OpenLunetide(const QStringList& arguments)
{
    QString problem;
    if (!StartLunetide(panelFolder_, arguments, &problem))
        Warn(QStringLiteral("Lunetide could not be opened: %1.").arg(problem));
}

void MoonTray::ChooseHemisphere(bool south)
{
    UserSettings settings;
    if (!settings.SetHemisphere(south ? Hemisphere::South : Hemisphere::North))
        Warn(QStringLiteral("The hemisphere could not be saved in %1.").arg(settings.path()));
    Refresh();
}

void MoonTray::ChooseToBeTold(bool on)
{
    PanelSettings panelSettings;
    if (!panelSettings.SetNotify(on))
        Warn(QStringLiteral("Tell Me When a Phase Begins could not be saved in %1.")
                 .arg(panelSettings.path()));
    tellPhases_->setChecked(panelSettings.notify());
    if (tellPhases_->isChecked())
        TellPhases();
}

void MoonTray::ChooseToStartWithDesktop(bool on)
{
    QString problem;
    if (!SetAutostartEntry(on, QCoreApplication::applicationFilePath(), &problem))
        Warn(QStringLiteral("Start With the Desktop could not be changed: %1.").arg(problem));
    startWithDesktop_->setChecked(HasAutostartEntry());
}

void MoonTray::Warn(const QString& text)
{
    tray_->showMessage(QStringLiteral("Lunetide"), text, QSystemTrayIcon::Warning);
}
