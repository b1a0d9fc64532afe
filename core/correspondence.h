#pragma once

#include "core/moon_age.h"
#include "core/sun_sign.h"

#include <optional>
#include <string_view>

// The constant texts of the readings: a name and a magick correspondence for each moon phase, a
// title, keyword and advice for each sun sign, a name and a text for each element.

namespace lunetide {

// Two copies of the texts exist: the one a requested reading shows and the one today's reading in
// the main window shows. They differ in three texts.
enum class TextCopy { Display, Today };

struct PhaseTexts {
    std::string_view name;
    std::string_view text;
};

struct SignTexts {
    std::string_view title; // "Moon In " and the sign's name
    std::string_view keyword;
    std::string_view text;
};

struct ElementTexts {
    std::string_view name;
    std::string_view text;
};

PhaseTexts PhaseTextsOf(MoonPhaseKind phase, TextCopy copy);
SignTexts SignTextsOf(SunSign sign, TextCopy copy);
ElementTexts ElementTextsOf(Element element, TextCopy copy);

// The name of a phase wherever it is shown on its own ("Full Moon"): the same in both copies.
std::string_view PhaseName(MoonPhaseKind phase);

// The texts of a day: its phase's (empty when the day has no phase), its sign's and its element's.
struct DayTexts {
    PhaseTexts phase;
    SignTexts sign;
    ElementTexts element;
};
DayTexts DayTextsOf(std::optional<MoonPhaseKind> phase, SunSign sign, TextCopy copy);

} // namespace lunetide
