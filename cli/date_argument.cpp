#include "cli/date_argument.h"

#include <QRegularExpression>

namespace lunetide::cli {
namespace {

const QString kFourDigitYear = QStringLiteral("the year must have four digits (1000 to 9999)");

bool IsFourDigitYear(QStringView year)
{
    return year.size() == 4 && year.front() != u'0';
}

} // namespace

QDate FirstReadableDay()
{
    return {1000, 1, 1};
}

QDate LastReadableDay()
{
    return {9999, 12, 31};
}

DateArgument ParseDateArgument(const QString& text)
{
    // Anchored at both ends so that a trailing newline or blank is not taken for part of a date.
    static const QRegularExpression shape(
        QRegularExpression::anchoredPattern(QStringLiteral("([0-9]+)-([0-9]+)-([0-9]+)")));

    const QRegularExpressionMatch match = shape.match(text);
    if (!match.hasMatch())
        return {{}, QStringLiteral("expected YYYY-MM-DD")};

    const QStringView year = match.capturedView(1);
    if (!IsFourDigitYear(year))
        return {{}, kFourDigitYear};
    if (match.capturedLength(2) != 2 || match.capturedLength(3) != 2)
        return {{}, QStringLiteral("expected YYYY-MM-DD")};

    const int month = match.capturedView(2).toInt();
    if (month < 1 || month > 12)
        return {{}, QStringLiteral("no such month")};

    const QDate date(year.toInt(), month, match.capturedView(3).toInt());
    if (!date.isValid())
        return {{}, QStringLiteral("no such day")};
    return {date, {}};
}

DateArgument ParseMonthArgument(const QString& text)
{
    static const QRegularExpression shape(
        QRegularExpression::anchoredPattern(QStringLiteral("([0-9]+)-([0-9]+)")));

    const QRegularExpressionMatch match = shape.match(text);
    if (!match.hasMatch())
        return {{}, QStringLiteral("expected YYYY-MM")};
    const QStringView year = match.capturedView(1);
    if (!IsFourDigitYear(year))
        return {{}, kFourDigitYear};
    if (match.capturedLength(2) != 2)
        return {{}, QStringLiteral("expected YYYY-MM")};
    const int month = match.capturedView(2).toInt();
    if (month < 1 || month > 12)
        return {{}, QStringLiteral("no such month")};
    return {QDate(year.toInt(), month, 1), {}};
}

} // namespace lunetide::cli
