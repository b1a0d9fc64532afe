#pragma once

#include <QString>
#include <QStringList>

// Qt ends a program with its own lines about reinstalling when no platform plugin can open a
// display (an X server that is not there, a Wayland display without Qt's Wayland plugin). While
// an object of this class lives, around the construction of the QApplication, Qt's words about
// its platform plugins are held back; when Qt gives up, one line says which display could not be
// opened and the program ends with status 1. When a display opens, the held words are let through
// as Qt would have written them.
class DisplayOpening {
public:
    DisplayOpening(const QString& program, const QStringList& arguments);
    ~DisplayOpening();

    DisplayOpening(const DisplayOpening&) = delete;
    DisplayOpening& operator=(const DisplayOpening&) = delete;
};

// The displays the program would try, for its one line: "DISPLAY=:99", "WAYLAND_DISPLAY=wayland-9,
// DISPLAY=:0", or "-display host:1" when the argument names one.
QString DisplaysNamed(const QStringList& arguments);
