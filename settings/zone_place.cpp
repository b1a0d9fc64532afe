#include "settings/zone_place.h"

#include "settings/user_files.h"

#include <QDir>
#include <QFileInfo>
#include <QTimeZone>

#include <algorithm>
#include <optional>

namespace {

// The tables are about 20 KiB each.
constexpr qint64 kMaxTableBytes = 1024 * 1024;

// The zone's name under zoneinfo, for the forms TZ takes: the POSIX ":" before it, a path into
// the database, and the trees of the same zones with leap seconds (right/) or without (posix/).
// Empty for a path outside the database.
QString ZoneName(QString zoneId, const QString& zoneinfo)
{
    if (zoneId.startsWith(u':'))
        zoneId.remove(0, 1);
    if (zoneId.startsWith(u'/')) {
        const QString inside = QDir::cleanPath(zoneinfo) + u'/';
        zoneId = QDir::cleanPath(zoneId);
        if (!zoneId.startsWith(inside))
            return {};
        zoneId.remove(0, inside.size());
    }
    for (const QLatin1StringView tree : {QLatin1StringView("right/"), QLatin1StringView("posix/")})
        if (zoneId.startsWith(tree))
            zoneId.remove(0, tree.size());
    return zoneId;
}

// The zone a link name leads to, as its name under zoneinfo; the name itself when it is no link.
QString ResolvedZone(const QString& zoneId, const QString& zoneinfo)
{
    const QString root = QFileInfo(zoneinfo).canonicalFilePath();
    const QString target = QFileInfo(zoneinfo + u'/' + zoneId).canonicalFilePath();
    if (root.isEmpty() || !target.startsWith(root + u'/'))
        return zoneId;
    return target.mid(root.size() + 1);
}

// Degrees of ISO 6709 "+DDMM", "-DDDMMSS" and the like, with the number of degree digits given.
std::optional<double> Degrees(QByteArrayView text, int degreeDigits)
{
    if (text.size() != degreeDigits + 3 && text.size() != degreeDigits + 5)
        return std::nullopt;
    if (text[0] != '+' && text[0] != '-')
        return std::nullopt;
    double value = 0;
    double unit = 1;
    for (qsizetype at = 1; at < text.size(); unit /= 60) {
        const qsizetype digits = at == 1 ? degreeDigits : 2;
        bool ok = false;
        const int part = text.sliced(at, digits).toInt(&ok);
        if (!ok)
            return std::nullopt;
        value += part * unit;
        at += digits;
    }
    return text[0] == '-' ? -value : value;
}

// The place of the zone's line in a table (country, coordinates, zone, comment; tab separated):
// nothing when the zone is not listed, or its coordinates cannot be read.
std::optional<Place> PlaceIn(const QString& tablePath, const QString& zone)
{
    const SmallFile table = ReadSmallFile(tablePath, kMaxTableBytes);
    if (table.state != SmallFile::State::Read)
        return std::nullopt;
    const QByteArray name = zone.toUtf8();
    for (QByteArray line : table.bytes.split('\n')) {
        if (line.endsWith('\r'))
            line.chop(1);
        if (line.startsWith('#'))
            continue;
        const QList<QByteArray> columns = line.split('\t');
        if (columns.size() < 3 || columns.at(2) != name)
            continue;
        const QByteArray& coordinates = columns.at(1);
        const qsizetype split =
            std::max(coordinates.lastIndexOf('+'), coordinates.lastIndexOf('-'));
        if (split <= 0)
            return std::nullopt;
        const std::optional<double> latitude = Degrees(coordinates.first(split), 2);
        const std::optional<double> longitude = Degrees(coordinates.sliced(split), 3);
        if (!latitude || !longitude)
            return std::nullopt;
        return Place{*latitude, *longitude, zone.section(u'/', -1).replace(u'_', u' ')};
    }
    return std::nullopt;
}

} // namespace

std::optional<Place> PlaceOfZone(const QString& zoneId, const QString& zoneinfo)
{
    // Only a name inside the database: no way up out of it.
    const QString name = ZoneName(zoneId, zoneinfo);
    if (name.isEmpty() || name.split(u'/').contains(u".."))
        return std::nullopt;
    const QString zone = ResolvedZone(name, zoneinfo);
    for (const char* table : {"zone1970.tab", "zone.tab"}) {
        if (std::optional<Place> place = PlaceIn(zoneinfo + u'/' + QLatin1StringView(table), zone))
            return place;
    }
    return std::nullopt;
}

std::optional<Place> SystemZonePlace()
{
    return PlaceOfZone(QString::fromUtf8(QTimeZone::systemTimeZoneId()));
}

lunetide::Hemisphere ZoneHemisphere(const QString& zoneId, const QString& zoneinfo)
{
    const std::optional<Place> place = PlaceOfZone(zoneId, zoneinfo);
    return place && place->latitude < 0 ? lunetide::Hemisphere::South : lunetide::Hemisphere::North;
}

lunetide::Hemisphere SystemZoneHemisphere()
{
    return ZoneHemisphere(QString::fromUtf8(QTimeZone::systemTimeZoneId()));
}
