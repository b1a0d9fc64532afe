#include "core/reading.h"

#include <stdexcept>
#include <string>

namespace lunetide {

Reading ReadingOf(int year, int month, int day, TextCopy copy)
{
    const std::optional<SunSign> sign = SunSignOf(month, day);
    if (!sign)
        throw std::invalid_argument("reading: no date " + std::to_string(month) + "/" +
                                    std::to_string(day));

    Reading reading;
    reading.moonAge = MoonAgeOf(year, month, day);
    reading.phase = PhaseOf(reading.moonAge);
    reading.picture = MoonImageNumber(reading.moonAge);
    reading.phaseTexts = PhaseTextsOf(reading.phase, copy);
    reading.sign = *sign;
    reading.signName = SignName(*sign);
    reading.signTexts = SignTextsOf(*sign, copy);
    reading.element = ElementOf(*sign);
    reading.elementTexts = ElementTextsOf(reading.element, copy);
    return reading;
}

} // namespace lunetide
