#pragma once

#include "cli/month_grid.h"
#include "core/hemisphere.h"
#include "core/phase_starts.h"
#include "settings/place.h"

#include <QDate>
#include <QString>
#include <QStringList>

#include <optional>
#include <vector>

// What the command line of lunetide-reading asks for.

namespace lunetide::cli {

inline constexpr char kProgramName[] = "lunetide-reading";
QString ProgramVersion();

enum class OutputFormat {
    Text,
    JsonLines,
    ICalendar,
    Line,   // Glance: the template of --format, filled
    Waybar, // Glance: the JSON object of a waybar custom module
};

enum class JobKind {
    Days,       // the reading of each day
    Month,      // a month at a glance (as text), or its days
    NextPhases, // the next day on which each phase begins
    Sky,        // the moon in the sky on each day, beside the readings
    Glance,     // one day's moon on one line, for a status bar
};

// The days to read, first to last inclusive, and how to write them.
struct ReadingJob {
    JobKind kind = JobKind::Days;
    QDate first; // NextPhases: the day after which the phases were looked for
    QDate last;
    OutputFormat format = OutputFormat::Text;
    std::vector<PhaseStart> phaseStarts;    // NextPhases: found while reading the command line
    int wrapColumns = 0;                    // Text: the width the texts are wrapped to; 0 none
    MoonMarks moonMarks = MoonMarks::Emoji; // Month as text
    QDate today;                            // Month as text: the day marked
    TodayMark todayMark = TodayMark::Star;  // and how
    // Where the moon symbols are seen from: --hemisphere, or else the user's setting.
    std::optional<Hemisphere> hemisphere;
    // Where the moon rises and sets: --place, or else the user's setting or time zone.
    std::optional<Place> place;
    // Sky and Glance: read at the moment of the call (no DATE given), else at the day's local noon.
    bool skyNow = false;
    // NextPhases: every phase was asked for, so the sky's principal phases follow as text.
    bool nextInTheSky = false;
    // Line: the template of --format, whose fields TemplateProblem found known.
    QString lineTemplate;
    // ICalendar: the offset of a reminder from each phase event's start (--alarm), or empty.
    QString alarm;
};

struct CommandLine {
    enum class Action { Read, ShowHelp, ShowVersion, Refuse };
    Action action = Action::Refuse;
    ReadingJob job; // for Read
    QString text;   // the help, the version line, or why the arguments are refused (one line)
};

// Parses the arguments (the program's own name first, as the process received them). A run without
// a date reads `today`; --month without a month shows today's month, --next without --after looks
// from today.
CommandLine ParseCommandLine(const QStringList& arguments, QDate today);

} // namespace lunetide::cli
