#include "app/forms.h"

#include "ui/windows/display_window.h"
#include "ui/windows/exit_screen.h"
#include "ui/windows/main_window.h"
#include "ui/windows/startup_window.h"

#include <QCoreApplication>
#include <QEvent>
#include <QTimer>

#include <utility>

namespace {

// An unloaded window is deleted once control is back in the event loop, and forgotten at once.
template <typename Window> void Forget(QPointer<Window>& window)
{
    window->deleteLater();
    window = nullptr;
}

} // namespace

Forms::Forms(Sources sources, QObject* parent) : QObject(parent), sources_(std::move(sources))
{
    if (!sources_.endEventLoop)
        sources_.endEventLoop = [] { QCoreApplication::exit(0); };
}

Forms::~Forms()
{
    // Windows still loaded when the registry goes away are destroyed without their unload
    // steps: the application is over.
    for (QWidget* window : std::initializer_list<QWidget*>{main_, display_, exitScreen_, startup_})
        delete window;
}

frmStartup* Forms::startup()
{
    if (!startup_ && !ending_) {
        startup_ = new frmStartup;
        connect(startup_, &frmStartup::unloading, this, [this] {
            Forget(startup_);
            EndApplication();
        });
    }
    return startup_;
}

frmMain* Forms::main()
{
    if (!main_ && !ending_) {
        main_ = new frmMain;
        mainPainted_ = false;
        if (sources_.today)
            main_->SetTodaySource(sources_.today);
        if (sources_.clock)
            main_->SetClockSource(sources_.clock);
        if (sources_.hemisphere)
            main_->SetHemisphere(sources_.hemisphere());
        main_->SetHemisphereStore(sources_.storeHemisphere);
        main_->SetPlaceSources(sources_.place, sources_.storePlace);
        connect(main_, &frmMain::readingRequested, this, &Forms::showReading);
        // The clock reaches a display window that exists; it never creates one.
        connect(main_, &frmMain::clockTicked, this, [this](const QString& text) {
            if (display_)
                display_->SetDateTime(text);
        });
        // The display window is built once the main window is on screen and the event loop is
        // idle, so that start-up shows the main window first and the first request is quick.
        main_->installEventFilter(this);
        connect(main_, &frmMain::unloading, this, [this] {
            exitScreenTakesOver();
            Forget(main_);
        });
        main_->Form_Load();
    }
    return main_;
}

frmDisplay* Forms::display()
{
    if (!display_ && !ending_) {
        display_ = new frmDisplay;
        connect(display_, &frmDisplay::backRequested, this, &Forms::returnToMain);
        connect(display_, &frmDisplay::unloading, this, [this] {
            exitScreenTakesOver();
            Forget(display_);
        });
    }
    return display_;
}

frmExitScreen* Forms::exitScreen()
{
    if (!exitScreen_ && !ending_) {
        exitScreen_ = new frmExitScreen(nullptr, sources_.exitDraw);
        connect(exitScreen_, &frmExitScreen::unloading, this, [this] {
            Forget(exitScreen_);
            EndApplication();
        });
    }
    return exitScreen_;
}

bool Forms::eventFilter(QObject* watched, QEvent* event)
{
    // The event's type first: a window being destroyed still sends events, and is then no
    // longer an frmMain.
    if (event->type() == QEvent::Paint && watched == main_) {
        main_->removeEventFilter(this);
        mainPainted_ = true;
        QTimer::singleShot(0, this, [this] {
            if (main_ && main_->isVisible())
                display();
            pickPendingEntry();
        });
    }
    return QObject::eventFilter(watched, event);
}

QWidget* Forms::loaded(Window window) const
{
    switch (window) {
    case Window::Startup:
        return startup_;
    case Window::Main:
        return main_;
    case Window::Display:
        return display_;
    case Window::ExitScreen:
        return exitScreen_;
    }
    return nullptr;
}

bool Forms::isLoaded(Window window) const
{
    return loaded(window) != nullptr;
}

void Forms::unload(Window window)
{
    if (QWidget* widget = loaded(window))
        widget->close(); // the window's unloading signal runs its unload step
}

void Forms::PickOnceMainIsUp(MenuEntry entry)
{
    pendingEntry_ = entry;
    // Once painted, the main window paints no first time again: pick at the next idle moment.
    if (main_ && mainPainted_)
        QTimer::singleShot(0, this, &Forms::pickPendingEntry);
}

// The entry's own handler runs, as when the menu is used: its window opens over the main window,
// modal, and takes the keyboard focus where it puts it itself.
void Forms::pickPendingEntry()
{
    const std::optional<MenuEntry> entry = std::exchange(pendingEntry_, std::nullopt);
    if (!entry || ending_ || !main_ || !main_->isVisible())
        return;
    if (*entry == MenuEntry::MoonCalendar)
        main_->mnuMoonCalendar_Click();
    else
        main_->mnuMoonSky_Click();
}

void Forms::EndApplication()
{
    if (ending_)
        return;
    ending_ = true;
    for (Window window : {Window::Main, Window::Display, Window::ExitScreen, Window::Startup})
        unload(window);
    sources_.endEventLoop();
}

// The reading request: the display window receives the reading and takes the main window's
// place; the start-up window and the exit screen are kept out of sight.
void Forms::showReading(const ReadingRequest& request)
{
    frmDisplay* window = display();
    if (!window)
        return;
    window->WriteReading(request);
    if (main_)
        main_->hide();
    hideStartupIfLoaded();
    if (frmExitScreen* exit = exitScreen())
        exit->hide();
    window->show();
}

// Back: the display window is hidden and put back to its stored state, ready for the next
// request, and the main window shown again. The exit screen is loaded, as leaving the display
// window would, but stays hidden.
void Forms::returnToMain()
{
    if (display_) {
        display_->hide();
        display_->ResetToStoredState();
    }
    if (!ending_)
        exitScreen();
    if (frmMain* window = main())
        window->show();
    hideStartupIfLoaded();
    if (exitScreen_)
        exitScreen_->hide();
}

// The unload step of a working window (the main or the display window): the exit screen takes
// its place.
void Forms::exitScreenTakesOver()
{
    if (!ending_) {
        if (frmExitScreen* exit = exitScreen())
            exit->show();
    }
    hideStartupIfLoaded();
}

void Forms::hideStartupIfLoaded()
{
    if (startup_)
        startup_->hide();
}
