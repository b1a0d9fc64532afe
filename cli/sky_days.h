#pragma once

#include "settings/place.h"
#include "sky/sky_report.h"

#include <QByteArray>
#include <QDate>
#include <QDateTime>
#include <QJsonObject>
#include <QTimeZone>

#include <optional>
#include <vector>

// The moon in the sky for each day of a range, beside the readings: its light and own sign, its
// rise and set at the user's place, and the principal phases to come, in the user's time zone.

namespace lunetide::cli {

class SkyDays {
public:
    // The phases of the whole range are searched once.
    SkyDays(QDate first, QDate last, std::optional<Place> place, QTimeZone zone);

    // The sky of a day at a moment of it.
    sky::SkyReport At(QDate day, const QDateTime& moment) const;

    // Local noon of a day, the moment a day's sky is read at unless it is today's.
    QDateTime NoonOf(QDate day) const;

    const std::optional<Place>& place() const { return place_; }
    const QTimeZone& zone() const { return zone_; }

private:
    std::optional<Place> place_;
    QTimeZone zone_;
    std::vector<sky::PhaseEvent> phases_;
};

// The object of one day: date, at, place, illumination, waxing, moonSign, moonSignEnds, moonrise,
// moonset, transit and phases, each instant in ISO 8601 with the zone's offset.
QJsonObject SkyJson(QDate day, const sky::SkyReport& report, const SkyDays& days);

// The labelled lines of one day, for a terminal.
void AppendSkyText(QByteArray& out, QDate day, const sky::SkyReport& report, const SkyDays& days);

// "Full Moon (Cold Moon, Blue Moon)": the phase, and a full moon's name and marks.
QString PhaseEventTitle(const sky::PhaseEvent& event);

// The next principal phases after a moment, one line each: local date and time, and the title.
void AppendSkyPhases(QByteArray& out, const std::vector<sky::PhaseEvent>& events,
                     const QTimeZone& zone);

} // namespace lunetide::cli
