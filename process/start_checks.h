#pragma once

#include <QStringList>

// What a program checks and mends about its process before Qt opens anything.

// Opens /dev/null on each of the standard descriptors 0, 1 and 2 that is closed, so that the next
// file opened (under X11 the display connection) does not take its number and receive what is
// written to it.
void OpenClosedStandardDescriptors();

// True when the descriptor is open.
bool IsDescriptorOpen(int fd);

// Raises the soft limit on open descriptors as far as the hard limit allows, and returns the soft
// limit afterwards.
quint64 RaiseDescriptorLimit();

// The fewest open descriptors the windowed program is sure to start and run with: it uses about
// 15 with its windows open; Qt and GLib end it without a word when they run out.
inline constexpr quint64 kFewestDescriptors = 64;

// True when the platform Qt would use (-platform, else QT_QPA_PLATFORM, else X11 or Wayland) needs
// a display server and none is named: no -display argument, no DISPLAY and no WAYLAND_DISPLAY.
// Platforms that need none, such as offscreen, are never missing one.
bool DisplayIsMissing(const QStringList& arguments);
