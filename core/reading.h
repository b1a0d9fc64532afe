#pragma once

#include "core/correspondence.h"

#include <string_view>

// The complete reading of a date: what today's panels of the main window and a requested reading
// both show.

namespace lunetide {

struct Reading {
    int moonAge = 0; // 0 to 29
    MoonPhaseKind phase = MoonPhaseKind::DarkMoon;
    int picture = 1; // number of the moon picture, 1 to 30
    PhaseTexts phaseTexts;
    SunSign sign = SunSign::Aries;
    std::string_view signName;
    SignTexts signTexts;
    Element element = Element::Fire;
    ElementTexts elementTexts;
};

// Reading of a date with a four-digit year, a month 1 to 12 and a day 1 to 31, in the chosen copy
// of the texts. The day is not checked against the month. Throws std::invalid_argument for inputs
// outside those ranges.
Reading ReadingOf(int year, int month, int day, TextCopy copy);

} // namespace lunetide
