#pragma once

#include <QDate>
#include <QString>

// One date given on the command line, written YYYY-MM-DD, or one month, written YYYY-MM: a day
// whose moon the tool reads (IsTrusted).

namespace lunetide::cli {

struct DateArgument {
    QDate date;      // valid when the text names a real day
    QString problem; // otherwise why not, e.g. "no such day"
};

DateArgument ParseDateArgument(const QString& text);

// A month is given by its first day.
DateArgument ParseMonthArgument(const QString& text);

} // namespace lunetide::cli
