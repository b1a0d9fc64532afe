#pragma once

#include "core/hemisphere.h"
#include "core/reading.h"
#include "settings/place.h"
#include "sky/sky_report.h"

#include <QDateTime>
#include <QString>
#include <QTimeZone>

#include <optional>

// Today's moon at a glance: the tradition's reading of a local day beside the moon in the sky at
// a moment of it, as the panel's tooltip and the status bars show them.

namespace lunetide {

struct MoonGlance {
    QDate day;
    QTimeZone zone;
    Moon moon;
    Hemisphere hemisphere = Hemisphere::North;
    SunSign sign = SunSign::Aries;
    Element element = Element::Fire;
    QString keyword; // without the blanks some keywords end in
    sky::SkyReport sky;
    std::optional<Place> place; // the place the rise and set are for
    QDateTime nextFullMoon;     // the first full moon after the moment, local time
    QString nextFullMoonName;   // "Cold Moon", with its marks: "Blue Moon, supermoon"
    int daysToFullMoon = 0;     // local days from the day to the next full moon's
};

// The glance of `day` at `moment` in `zone`; none for a day whose year has no four digits, which
// has no moon. The full moons are named for the place's hemisphere, else the north.
std::optional<MoonGlance> GlanceAt(QDate day, const QDateTime& moment, const QTimeZone& zone,
                                   const std::optional<Place>& place, Hemisphere hemisphere);

// The lines of the glance: the reading's phase and age, "Moon In" the sign and the element; then,
// labelled as the sky's, the lit part and the moon's own sign, the day's rise and set at the
// place, and the next full moon's date, time and name.
QString GlanceText(const MoonGlance& glance);

} // namespace lunetide
