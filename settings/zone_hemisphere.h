#pragma once

#include "core/hemisphere.h"

#include <QString>

// The hemisphere of a time zone's place, from the time zone database's own tables: the zone's
// latitude in zone1970.tab, else in zone.tab. The zone may be named as TZ names it: with a ":"
// before it, as a path into the database, or in its right/ or posix/ tree. A link name
// (Australia/ACT) is first resolved to the zone it leads to. A zone without a place (UTC, Etc/...), an unknown name and missing tables
// all give the north.
lunetide::Hemisphere
ZoneHemisphere(const QString& zoneId,
               const QString& zoneinfo = QStringLiteral("/usr/share/zoneinfo"));

// The hemisphere of the system's time zone.
lunetide::Hemisphere SystemZoneHemisphere();
