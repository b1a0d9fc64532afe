#include "core/correspondence.h"

#include <array>

namespace lunetide {
namespace {

struct Table {
    std::array<PhaseTexts, 5> phases;
    std::array<SignTexts, kSunSignCount> signs;
    std::array<ElementTexts, 4> elements;
};

// The texts of a requested reading, shown in the display window. Trailing blanks are part of the
// texts and are shown as they stand.
constexpr Table
    kDisplayCopy =
        {
            {{
                {"Dark Moon",
                 "The dark moon is a good time for giving up bad habits and overcoming anger."},
                {"New Moon",
                 "The new moon is a good time for new ventures, initiating new projects, love and health."},
                {"Waxing Moon",
                 "The waxing moon is a good time for developing work like power, success, health and partnerships."},
                {"Full Moon",
                 "The full moon is a good time for predictions and trying out Magick. Good for healing projects too. "},
                {"Waning Moon",
                 "The waning moon is a good time for removing negativity from oneself."},
            }},
            {{
                {"Moon In Aries", "Passion",
                 "This is a good time for beginning new things. Good for spells which involve strength, determination and new beginnings. Your instincts will be strong. Be sure not to make mistakes and have patience. "},
                {"Moon In Taurus", "Physical ",
                 "This is a good time for conjuring on personal matters. Good for spells which involve romance, property and finance. Try not to be stubborn. You are very conventional and not willing to change."},
                {"Moon In Gemini", "Inquisitiveness ",
                 "You are influenced by outside changes. Good for spells which involve journey, negotiations and public involvement. You think of doing ten different things at the same time. Be more emotional than analytical."},
                {"Moon In Cancer", "Caring ",
                 "Family and home is your priority. Good for spells which involve family and friends. You are good at Magick without trying to hard. Try not to be overly emotional. Try to relax."},
                {"Moon In Leo", "Resolute",
                 "Pleasure and hobbies take the forefront. Good for spells which involve children, power, love. Be sure to follow the right directions. You have the right frame of mind. Be sure to put it to good use."},
                {"Moon In Virgo", "Serious",
                 "Minute details are taken care of. Good for spells which involve illnesses, confidence and career. Do not be nervous and insecure. There doesn't always have to be a second plan ready in case the first one fails. Believe in yourself."},
                {"Moon In Libra", "Helpful ",
                 "This is the right time for alliances and partnerships. Good for spells which involve creativity, legal matters and business deals. You are good at what you do."},
                {"Moon In Scorpio", "Idealistic ",
                 "Increases psychic powers. Good for spells which involve psychic development and authority. You may be very emotional but don't let your negative emotions overcome you."},
                {"Moon In Sagittarius", "Posetive",
                 "Time to dream and move on. Good for spells which involve education and sports. You think with a positive mind. Just don't be hasty and forget the minute details."},
                {"Moon In Capricorn", "Motivated",
                 "This is the right time to increase business sense and responsibility. Good for spells which involve power, work and dreams. Think calmly but don't do not become too logical."},
                {"Moon In Aquarius", "Outgoing",
                 "Time to socialize and make merry. Good for spells which involve friends, analysis and personal development. You are a born natural. Try not to be too stubborn."},
                {"Moon In Pisces", "Optimistic",
                 "A lot of inner development will occur with new understanding and experience. Good for spells which involve psychic capabilities and intuition. Improve your self-confidence. Do not try to do bad Magick."},
            }},
            {{
                {"Fire",
                 "Magick related to the Fire element should be performed when the Moon is in any of the Fire Signs. This can include Magick related to strength, determination, new beginnings, children, power, love, education and sports."},
                {"Earth",
                 "Magick related to the Earth element should be performed when the Moon is in any of the Earth Signs. This can include Magick related to illnesses, confidence, career, education, sports, romance, property and finance. "},
                {"Air",
                 "Magick related to the Air element should be performed when the Moon is in any of the Air Signs. This can include Magick related to journey, negotiations public involvement, creativity, legal matters, business deals, friends, analysis and personal development."},
                {"Water",
                 "Magick related to the Water element should be performed when the Moon is in any of the Water Signs. This can include Magick related to family, friends, psychic development, authority, psychic capabilities and intuition."},
            }},
};

// Today's reading in the main window uses the same texts but for three that were kept with a
// different ending: Aries and Air without their final full stop, Scorpio with a trailing blank.
constexpr Table TodayCopyOf(Table table)
{
    table.signs[static_cast<std::size_t>(SunSign::Aries)].text =
        "This is a good time for beginning new things. Good for spells which involve strength, determination and new beginnings. Your instincts will be strong. Be sure not to make mistakes and have patience";
    table.signs[static_cast<std::size_t>(SunSign::Scorpio)].text =
        "Increases psychic powers. Good for spells which involve psychic development and authority. You may be very emotional but don't let your negative emotions overcome you. ";
    table.elements[static_cast<std::size_t>(Element::Air)].text =
        "Magick related to the Air element should be performed when the Moon is in any of the Air Signs. This can include Magick related to journey, negotiations public involvement, creativity, legal matters, business deals, friends, analysis and personal development";
    return table;
}

constexpr Table kTodayCopy = TodayCopyOf(kDisplayCopy);

constexpr const Table& TableOf(TextCopy copy)
{
    return copy == TextCopy::Today ? kTodayCopy : kDisplayCopy;
}

} // namespace

PhaseTexts PhaseTextsOf(MoonPhaseKind phase, TextCopy copy)
{
    return TableOf(copy).phases[static_cast<std::size_t>(phase)];
}

std::string_view PhaseName(MoonPhaseKind phase)
{
    return PhaseTextsOf(phase, TextCopy::Display).name;
}

SignTexts SignTextsOf(SunSign sign, TextCopy copy)
{
    return TableOf(copy).signs[static_cast<std::size_t>(sign)];
}

DayTexts DayTextsOf(std::optional<MoonPhaseKind> phase, SunSign sign, TextCopy copy)
{
    DayTexts texts;
    if (phase)
        texts.phase = PhaseTextsOf(*phase, copy);
    texts.sign = SignTextsOf(sign, copy);
    texts.element = ElementTextsOf(ElementOf(sign), copy);
    return texts;
}

ElementTexts ElementTextsOf(Element element, TextCopy copy)
{
    return TableOf(copy).elements[static_cast<std::size_t>(element)];
}

} // namespace lunetide
