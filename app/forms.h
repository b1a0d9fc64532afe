#pragma once

#include "core/hemisphere.h"
#include "settings/place.h"

#include <QDate>
#include <QObject>
#include <QPointer>

#include <functional>
#include <optional>

class frmDisplay;
class frmExitScreen;
class frmMain;
class frmStartup;
struct ReadingRequest;

// The window registry. It holds at most one of each window, creates a window the first time
// anything asks for it (hidden), unloads it, and carries out every move between windows: the
// reading request, Back, the clock reaching the display window, the unload steps of the working
// windows and the end of the application. One display window serves every request: it is built
// once the main window is on screen and idle, and Back puts it back to its stored state.
class Forms : public QObject {
    Q_OBJECT

public:
    enum class Window { Startup, Main, Display, ExitScreen };

    // What the windows read from the world; tests pin these.
    struct Sources {
        std::function<QDate()> today;       // the main window's today; default the system date
        std::function<QString()> clock;     // the clock text; default the current time
        std::function<double()> exitDraw;   // the exit screen's draw in [0, 1); default seeded
        std::function<void()> endEventLoop; // default QCoreApplication::exit(0)
        // The hemisphere the main window first draws the moon for, and where it stores the
        // user's choice (an empty text, or why it could not); default the north, not stored.
        std::function<lunetide::Hemisphere()> hemisphere;
        std::function<QString(lunetide::Hemisphere)> storeHemisphere;
        // The place the sky window's rise and set are for, and where File > Your Place stores it
        // (none removes it); default no place, not stored.
        std::function<std::optional<Place>()> place;
        std::function<QString(const std::optional<Place>&)> storePlace;
    };

    explicit Forms(Sources sources = {}, QObject* parent = nullptr);
    ~Forms() override;

    // Each returns the window, creating it hidden when it is not loaded; nullptr once the
    // application is ending, so that no window comes back while everything is being unloaded.
    frmStartup* startup();
    frmMain* main();
    frmDisplay* display();
    frmExitScreen* exitScreen();

    bool isLoaded(Window window) const;

    // Closes the window if it is loaded; its unload step runs and the window is destroyed.
    void unload(Window window);

    // The File menu entries that open a window over the main window.
    enum class MenuEntry { MoonCalendar, MoonSky };
    // Picks the main window's menu entry once the main window is on screen and the event loop is
    // idle, as a user picking it then would (lunetide --calendar, --sky): the same window, opened
    // by the same code. Nothing opens when by then the main window is hidden or gone, or the
    // application is ending.
    void PickOnceMainIsUp(MenuEntry entry);

    // Unloads every loaded window in turn, then ends the event loop. Runs once.
    void EndApplication();
    bool hasEnded() const { return ending_; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    // The window if it is loaded, without creating it.
    QWidget* loaded(Window window) const;
    void showReading(const ReadingRequest& request);
    void returnToMain();
    void exitScreenTakesOver();
    void hideStartupIfLoaded();
    void pickPendingEntry();

    Sources sources_;
    QPointer<frmStartup> startup_;
    QPointer<frmMain> main_;
    QPointer<frmDisplay> display_;
    QPointer<frmExitScreen> exitScreen_;
    bool ending_ = false;
    bool mainPainted_ = false; // the loaded main window has been painted once
    std::optional<MenuEntry> pendingEntry_;
};
