#pragma once

#include "core/hemisphere.h"
#include "core/moon_shape.h"
#include "settings/place.h"

#include <QDate>
#include <QString>
#include <QTimeZone>

#include <optional>
#include <vector>

// What the panel tells the user on a local day: that a phase of the tradition begins today, and
// when the moon in the sky reaches each principal phase that falls in the day.

namespace lunetide {

struct PhaseNotice {
    // Names the event alone, the same in every run and free of blanks, commas, semicolons and
    // quotes, so that a list of them is one plain line of the settings file:
    // "2026-12-24:Full-Moon" for the tradition's phase beginning on that date,
    // "2026-12-24T01:28Z:full-moon" for the sky's phase at that UTC minute.
    QString key;
    QString title; // "Full Moon begins today", "Full moon at 12:28 (Cold Moon)"
    // The tradition's: the first sentence of the phase's correspondence. The sky's: the local date
    // and time, with the full moon's marks.
    QString body;
    MoonShape shape; // the day's moon of the tradition, seen from the user's hemisphere
};

// The notices of `day` in `zone`: first the tradition's, when `day` is the first of a run of days
// with its phase, then one for each new moon, first quarter, full moon and last quarter from the
// day's midnight to the next, in time order. A full moon is named for the place's hemisphere (the
// north when there is no place); `hemisphere` is the one the moon is drawn for.
// Nothing for an invalid date or one whose year (or the day before's) has no four digits, which
// have no moon of the tradition; no sky notices for an invalid zone.
std::vector<PhaseNotice> NoticesOfDay(QDate day, const QTimeZone& zone,
                                      const std::optional<Place>& place, Hemisphere hemisphere);

} // namespace lunetide
