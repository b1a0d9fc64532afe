#include "ui/request/chosen_date.h"

#include "core/correspondence.h"
#include "core/reading.h"
#include "core/sun_sign.h"
#include "ui/request/core_text.h"

#include <algorithm>
#include <array>

using lunetide::TextCopy;
using lunetide::ui::CoreText;

std::optional<QString> DateProblem(const ChosenDate& date)
{
    const bool leapYear = date.yearText.toInt() % 4 == 0;
    constexpr int kFebruary = 1;
    if (date.monthPosition == kFebruary && date.dayPosition >= (leapYear ? 29 : 28))
        return QStringLiteral("Please Enter Correct Date Or Month!");
    constexpr std::array kThirtyDayMonths = {3, 5, 8, 10}; // April, June, September, November
    constexpr int kThirtyFirst = 30;
    if (date.dayPosition == kThirtyFirst &&
        std::ranges::find(kThirtyDayMonths, date.monthPosition) != kThirtyDayMonths.end())
        return QStringLiteral("Please Enter Correct Date Or Month !");
    return std::nullopt;
}

ReadingRequest RequestFor(const ChosenDate& date, ReadingKind kind, const QString& clockText,
                          std::string& sign)
{
    ReadingRequest request;
    request.kind = kind;
    if (kind == ReadingKind::MoonPhase) {
        const int month = date.monthPosition + 1;
        const lunetide::Reading reading = lunetide::ReadingOf(
            date.yearText.toInt(), month, date.dayText.toInt(), TextCopy::Display);
        request.picture = reading.picture;
        request.phaseName = CoreText(reading.phaseTexts.name);
        request.phaseText = CoreText(reading.phaseTexts.text);
        request.dateTime = clockText;
        request.givenDate = QStringLiteral("%1/%2/%3").arg(month).arg(date.dayText, date.yearText);
        return request;
    }

    if (const auto chosen = lunetide::SunSignOfChosenDate(date.monthPosition, date.dayPosition))
        sign = std::string(lunetide::SignName(*chosen));
    if (kind == ReadingKind::ZodiacalMoon) {
        if (const auto texts = lunetide::SignTextsOf(sign, TextCopy::Display)) {
            request.hasSign = true;
            request.signTitle = CoreText(texts->title);
            request.keyword = CoreText(texts->keyword);
            request.signText = CoreText(texts->text);
        }
    } else if (const auto named = lunetide::SignNamed(sign)) {
        const lunetide::ElementTexts texts =
            lunetide::ElementTextsOf(lunetide::ElementOf(*named), TextCopy::Display);
        request.hasSign = true;
        request.elementName = CoreText(texts.name);
        request.elementText = CoreText(texts.text);
    }
    return request;
}
