#include "cli/date_argument.h"

#include "cli/civil_date.h"

#include <QRegularExpression>

namespace lunetide::cli {
namespace {

enum class Precision { Day, Month };

// YYYY-MM-DD, or YYYY-MM for a month, which is given by its first day.
DateArgument Parse(const QString& text, Precision precision)
{
    // Anchored at both ends so that a trailing newline or blank is not taken for part of a date.
    static const QRegularExpression shape(
        QRegularExpression::anchoredPattern(QStringLiteral("([0-9]+)-([0-9]+)(?:-([0-9]+))?")));
    const bool withDay = precision == Precision::Day;
    const QString expected =
        withDay ? QStringLiteral("expected YYYY-MM-DD") : QStringLiteral("expected YYYY-MM");

    const QRegularExpressionMatch match = shape.match(text);
    if (!match.hasMatch() || match.hasCaptured(3) != withDay)
        return {{}, expected};

    const QStringView year = match.capturedView(1);
    if (year.size() != 4)
        return {{}, QStringLiteral("the year must have four digits")};
    if (match.capturedLength(2) != 2 || (withDay && match.capturedLength(3) != 2))
        return {{}, expected};

    const int month = match.capturedView(2).toInt();
    if (month < 1 || month > 12)
        return {{}, QStringLiteral("no such month")};

    const QDate date(year.toInt(), month, withDay ? match.capturedView(3).toInt() : 1);
    if (!date.isValid())
        return {{}, QStringLiteral("no such day")};
    if (!IsTrusted(date))
        return {{}, QStringLiteral("only %1 can be read").arg(TrustedDays())};
    return {date, {}};
}

} // namespace

DateArgument ParseDateArgument(const QString& text)
{
    return Parse(text, Precision::Day);
}

DateArgument ParseMonthArgument(const QString& text)
{
    return Parse(text, Precision::Month);
}

} // namespace lunetide::cli
