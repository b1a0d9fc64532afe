#include "core/reading.h"

#include <stdexcept>

namespace lunetide {

std::optional<Reading> ReadingOf(int year, int month, int day, TextCopy copy)
{
    const std::optional<SunSign> sign = SunSignOf(month, day);
    if (!sign)
        return std::nullopt;

    Reading reading;
    try {
        reading.moon = MoonOf(year, month, day);
    } catch (const std::invalid_argument&) {
        // A year without four digits: the day keeps its sign and element.
    }
    const DayTexts texts =
        DayTextsOf(reading.moon ? std::optional(reading.moon->phase) : std::nullopt, *sign, copy);
    reading.phaseTexts = texts.phase;
    reading.sign = *sign;
    reading.element = ElementOf(*sign);
    reading.signTexts = texts.sign;
    reading.elementTexts = texts.element;
    return reading;
}

} // namespace lunetide
