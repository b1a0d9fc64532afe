#include "settings/place.h"

#include <cmath>

bool IsValidPlace(double latitude, double longitude)
{
    return std::isfinite(latitude) && std::isfinite(longitude) && std::abs(latitude) <= 90 &&
           std::abs(longitude) <= 180;
}

QString PlaceText(const Place& place)
{
    if (!place.city.isEmpty())
        return QStringLiteral("%1 (the time zone's place)").arg(place.city);
    return QStringLiteral("%1\u00B0 %2, %3\u00B0 %4")
        .arg(std::abs(place.latitude), 0, 'f', 2)
        .arg(place.latitude < 0 ? QStringLiteral("S") : QStringLiteral("N"))
        .arg(std::abs(place.longitude), 0, 'f', 2)
        .arg(place.longitude < 0 ? QStringLiteral("W") : QStringLiteral("E"));
}
