#pragma once

#include <QString>
#include <QStringList>

// Starting the windowed program from the panel: the lunetide beside the panel's own program file
// (the same installation), else the one on the PATH. Lunetide keeps its own rule for a second
// copy.

// The program's path; empty when there is none.
QString LunetideProgram(const QString& panelFolder);

// Starts it with the arguments, on its own; false with a reason when it could not be started.
bool StartLunetide(const QString& panelFolder, const QStringList& arguments, QString* problem);
