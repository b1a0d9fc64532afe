#pragma once

#include <QDate>
#include <QString>

// One date given on the command line, written YYYY-MM-DD with a four-digit year, or one month,
// written YYYY-MM.

namespace lunetide::cli {

// The days a reading can be given for: every day of the four-digit years.
QDate FirstReadableDay(); // 1000-01-01
QDate LastReadableDay();  // 9999-12-31

struct DateArgument {
    QDate date;      // valid when the text names a real day
    QString problem; // otherwise why not, e.g. "no such day"
};

DateArgument ParseDateArgument(const QString& text);

// A month is given by its first day.
DateArgument ParseMonthArgument(const QString& text);

} // namespace lunetide::cli
