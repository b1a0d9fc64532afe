#pragma once

#include "core/correspondence.h"
#include "core/moon_age.h"
#include "core/sun_sign.h"

#include <optional>

// The complete reading of a date: what today's panels of the main window, a requested reading, the
// calendar and the terminal tool all show. Layers above pass it on as it is.

namespace lunetide {

struct Reading {
    // None where the moon's age cannot be reckoned: a year without four digits.
    std::optional<Moon> moon;
    PhaseTexts phaseTexts; // empty without a moon
    SunSign sign = SunSign::Aries;
    Element element = Element::Fire;
    SignTexts signTexts;
    ElementTexts elementTexts;
};

// Reading of a date with a month 1 to 12 and a day 1 to 31, in the chosen copy of the texts; none
// for a month or day outside those ranges, which have no sign. The day is not checked against the
// month.
std::optional<Reading> ReadingOf(int year, int month, int day, TextCopy copy);

} // namespace lunetide
