#pragma once

#include <QDate>
#include <QString>

#include <functional>

class Forms;
class SingleInstance;
class UserSettings;

// The start-up sequence: refuse a second copy, seed the random generator, remind about updates,
// show the main window, hide the start-up window, and bring one of the two offer labels to the
// front at random.

struct StartupServices {
    std::function<bool()> isOnlyInstance;
    std::function<void(const QString& text)> tellAlreadyRunning;
    std::function<void()> updateReminder;
    std::function<double()> draw; // seeded from the time of day unless a test pins it
};

// Runs the sequence on the registry. Returns false when the program is to end at once (another
// copy is running, or the application was ended meanwhile).
bool RunStartup(Forms& forms, const StartupServices& services);

// The services of a real run: the lock file, message boxes, the user's settings (read once for
// the run) and a generator seeded from the time of day.
StartupServices RealStartupServices(SingleInstance& instance, UserSettings& settings);
