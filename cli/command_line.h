#pragma once

#include <QDate>
#include <QString>
#include <QStringList>

// What the command line of lunetide-reading asks for.

namespace lunetide::cli {

inline constexpr char kProgramName[] = "lunetide-reading";
QString ProgramVersion();

// The longest range of days one run reads.
inline constexpr qint64 kMaxRangeDays = 100000;

enum class OutputFormat { Text, JsonLines };

// The days to read, first to last inclusive, and how to write them.
struct ReadingJob {
    QDate first;
    QDate last;
    OutputFormat format = OutputFormat::Text;
};

struct CommandLine {
    enum class Action { Read, ShowHelp, ShowVersion, Refuse };
    Action action = Action::Refuse;
    ReadingJob job; // for Read
    QString text;   // the help, the version line, or why the arguments are refused (one line)
};

// Parses the arguments (the program's own name first, as the process received them). A run without
// a date reads `today`.
CommandLine ParseCommandLine(const QStringList& arguments, QDate today);

} // namespace lunetide::cli
