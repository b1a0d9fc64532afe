#pragma once

#include "ui/request/reading_request.h"

#include <QString>

#include <optional>
#include <string>

// The reading request without the window: the date the main window's lists show, the check that
// the calendar has it, and what the display window is to show for it.

struct ChosenDate {
    int dayPosition = 0;   // position in the day list: 0 is "1"
    int monthPosition = 0; // position in the month list: 0 is January
    QString dayText;       // the day list's text, "1" to "31"
    QString yearText;      // the year list's text, "1901" to "2050"
};

// The message for a day its month does not have, or nothing when the date may be used. The lists
// offer 31 days in every month; any year of the list divisible by 4 counts as a leap year.
std::optional<QString> DateProblem(const ChosenDate& date);

// The reading of a checked date. `sign` is the sign of the last zodiacal or elemental request: a
// date with a sign replaces it, a date without one keeps it, and the request is built from it.
// `clockText` is the time shown beside a moon-phase reading.
ReadingRequest RequestFor(const ChosenDate& date, ReadingKind kind, const QString& clockText,
                          std::string& sign);
