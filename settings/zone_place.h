#pragma once

#include "core/hemisphere.h"

#include "settings/place.h"

#include <QString>

#include <optional>

// The place of a time zone: the coordinates of its line in zone1970.tab, else in zone.tab. The
// zone may be named as TZ names it: with a ":" before it, as a path into the database, or in its
// right/ or posix/ tree. A link name (Australia/ACT) is first resolved to the zone it leads to.
// None for a zone without a place (UTC, Etc/...), an unknown name and missing tables.
std::optional<Place> PlaceOfZone(const QString& zoneId,
                                 const QString& zoneinfo = QStringLiteral("/usr/share/zoneinfo"));
std::optional<Place> SystemZonePlace();

// The hemisphere of a time zone's place; the north for a zone without one.
lunetide::Hemisphere
ZoneHemisphere(const QString& zoneId,
               const QString& zoneinfo = QStringLiteral("/usr/share/zoneinfo"));

// The hemisphere of the system's time zone.
lunetide::Hemisphere SystemZoneHemisphere();
