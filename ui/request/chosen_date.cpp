#include "ui/request/chosen_date.h"

#include "ui/request/reading_request.h"

#include <algorithm>
#include <array>

using lunetide::TextCopy;

std::optional<QString> DateProblem(const ChosenDate& date)
{
    const bool leapYear = date.year % 4 == 0;
    constexpr int kFebruary = 2;
    if (date.month == kFebruary && date.day > (leapYear ? 29 : 28))
        return QStringLiteral("Please Enter Correct Date Or Month!");
    constexpr std::array kThirtyDayMonths = {4, 6, 9, 11};
    if (date.day == 31 && std::ranges::find(kThirtyDayMonths, date.month) != kThirtyDayMonths.end())
        return QStringLiteral("Please Enter Correct Date Or Month !");
    return std::nullopt;
}

ReadingRequest RequestFor(const ChosenDate& date, ReadingKind kind, const QString& clockText,
                          std::optional<lunetide::Reading>& lastSignReading)
{
    ReadingRequest request;
    request.kind = kind;
    request.date = date;
    request.reading = lunetide::ReadingOf(date.year, date.month, date.day, TextCopy::Display);
    if (kind == ReadingKind::MoonPhase) {
        request.dateTime = clockText;
        return request;
    }
    if (request.reading)
        lastSignReading = request.reading;
    else
        request.reading = lastSignReading;
    return request;
}
