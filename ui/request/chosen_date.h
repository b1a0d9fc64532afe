#pragma once

#include "core/reading.h"

#include <QString>

#include <optional>

struct ReadingRequest;
enum class ReadingKind;

// The reading request without the window: the date the main window's lists show, the check that
// the calendar has it, and what the display window is to show for it.

// The years the date lists of the main window offer, and so the calendar window.
inline constexpr int kFirstListYear = 1901;
inline constexpr int kLastListYear = 2050;

struct ChosenDate {
    int year = 0;  // kFirstListYear to kLastListYear
    int month = 0; // 1 to 12; 0 when the list has nothing selected
    int day = 0;   // 1 to 31; 0 when the list has nothing selected
};

// The message for a day its month does not have, or nothing when the date may be used. The lists
// offer 31 days in every month; any year of the list divisible by 4 counts as a leap year.
std::optional<QString> DateProblem(const ChosenDate& date);

// The request for a checked date. `lastSignReading` is the reading of the last zodiacal or
// elemental request: a date with a sign replaces it, a date without one keeps it, and the request
// shows it. `clockText` is the time shown beside a moon-phase reading.
ReadingRequest RequestFor(const ChosenDate& date, ReadingKind kind, const QString& clockText,
                          std::optional<lunetide::Reading>& lastSignReading);
