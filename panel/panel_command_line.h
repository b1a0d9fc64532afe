#pragma once

#include <QString>
#include <QStringList>

// The command line of the panel program: --help and --version only, answered before anything
// opens a display.

struct PanelCommandLine {
    enum class Action { Run, ShowHelp, ShowVersion, Refuse };
    Action action = Action::Run;
    QString text; // the help, the version line, or why the arguments are refused (one line)
};

inline constexpr char kPanelProgramName[] = "lunetide-panel";

PanelCommandLine ParsePanelCommandLine(const QStringList& arguments);
