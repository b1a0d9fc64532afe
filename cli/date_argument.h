#pragma once

#include <QDate>
#include <QString>

// One date given on the command line, written YYYY-MM-DD with a four-digit year.

namespace lunetide::cli {

struct DateArgument {
    QDate date;      // valid when the text names a real day
    QString problem; // otherwise why not, e.g. "no such day"
};

DateArgument ParseDateArgument(const QString& text);

} // namespace lunetide::cli
