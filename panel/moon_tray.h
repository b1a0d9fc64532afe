#pragma once

#include "core/hemisphere.h"

#include <QObject>

#include <memory>

class DayWatch;
class QAction;
class QFileSystemWatcher;
class QMenu;
class QSystemTrayIcon;

// The panel's tray icon: today's moon for the user's hemisphere, the day's readings and the sky in
// its tooltip, Lunetide on a click, and the menu. It follows the settings file, which the windowed
// program may change (hemisphere, place), and tells of each phase as it begins.
class MoonTray : public QObject {
    Q_OBJECT

public:
    // `panelFolder` is where the panel's program file is: Lunetide is looked for beside it first.
    explicit MoonTray(QString panelFolder, QObject* parent = nullptr);
    ~MoonTray() override;

    // Shows the icon and tells of today's phases not told yet.
    void Show();

    const QSystemTrayIcon& trayIcon() const { return *tray_; }

private:
    void Refresh();
    void TellPhases();
    void WatchSettingsFile();
    void OpenLunetide(const QStringList& arguments);
    void ChooseHemisphere(bool south);
    void ChooseToBeTold(bool on);
    void ChooseToStartWithDesktop(bool on);
    void Warn(const QString& text);

    QString panelFolder_;
    std::unique_ptr<QMenu> menu_;
    QSystemTrayIcon* tray_ = nullptr;
    QAction* southern_ = nullptr;
    QAction* tellPhases_ = nullptr;
    QAction* startWithDesktop_ = nullptr;
    DayWatch* dayWatch_ = nullptr;
    QFileSystemWatcher* settingsWatch_ = nullptr;
};
