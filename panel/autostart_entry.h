#pragma once

#include <QString>

// The panel's entry in the user's autostart folder, as the XDG autostart rules ask:
// <config folder>/autostart/lunetide-panel.desktop, where <config folder> is $XDG_CONFIG_HOME or
// ~/.config. The desktop starts the program the entry names with the session.

// The entry's path; empty when there is no home.
QString AutostartEntryPath();

// The entry's text, starting the program at `program` (an absolute path).
QString AutostartEntryText(const QString& program);

// True when the entry is there.
bool HasAutostartEntry();

// Writes the entry whole, or leaves what was there; the folders on its way are made for this user
// alone. Removes it when `on` is false. False when that failed; `problem` then says why.
bool SetAutostartEntry(bool on, const QString& program, QString* problem);
