#pragma once

#include <QString>
#include <QStringList>

// The command line of the windowed program: --help, --version, and --calendar or --sky for a
// window to open over the main window once it is up (for the tray program's menu entries); Qt's
// own arguments (-platform, -display, -style, ...) are left to QApplication.

struct WindowedCommandLine {
    enum class Action { Run, ShowHelp, ShowVersion, Refuse };
    // The File menu entry picked once the main window is up: none, Moon Calendar or Moon in the
    // Sky.
    enum class Opening { MainWindowOnly, MoonCalendar, MoonSky };
    Action action = Action::Run;
    QString text; // the help, the version line, or why the arguments are refused (one line)
    Opening opening = Opening::MainWindowOnly; // for Run
};

// Parses the arguments (the program's own name first, as the process received them). Needs no
// application object, so it can run before anything opens a display.
WindowedCommandLine ParseWindowedCommandLine(const QStringList& arguments);

// Answers --help, --version and refused arguments on standard output or standard error. Returns
// the exit status when the program should end here, -1 when it should go on and start.
int AnswerCommandLine(const WindowedCommandLine& commandLine);
