#include "settings/zone_hemisphere.h"

#include "settings/user_files.h"

#include <QDir>
#include <QFileInfo>
#include <QTimeZone>

#include <optional>

namespace {

// The tables are about 20 KiB each.
constexpr qint64 kMaxTableBytes = 1024 * 1024;

// The zone a link name leads to, as its name under zoneinfo; the name itself when it is no link.
QString ResolvedZone(const QString& zoneId, const QString& zoneinfo)
{
    const QString root = QFileInfo(zoneinfo).canonicalFilePath();
    const QString target = QFileInfo(zoneinfo + u'/' + zoneId).canonicalFilePath();
    if (root.isEmpty() || !target.startsWith(root + u'/'))
        return zoneId;
    return target.mid(root.size() + 1);
}

// The latitude's sign of the zone's line in a table (country, coordinates, zone, comment; tab
// separated): true when south, nothing when the zone is not listed.
std::optional<bool> IsSouthIn(const QString& tablePath, const QString& zone)
{
    const SmallFile table = ReadSmallFile(tablePath, kMaxTableBytes);
    if (table.state != SmallFile::State::Read)
        return std::nullopt;
    const QByteArray name = zone.toUtf8();
    for (const QByteArray& line : table.bytes.split('\n')) {
        if (line.startsWith('#'))
            continue;
        const QList<QByteArray> columns = line.split('\t');
        if (columns.size() >= 3 && columns.at(2) == name && !columns.at(1).isEmpty())
            return columns.at(1).startsWith('-');
    }
    return std::nullopt;
}

} // namespace

lunetide::Hemisphere ZoneHemisphere(const QString& zoneId, const QString& zoneinfo)
{
    // Only a name inside the database: no absolute path, no way up out of it.
    if (zoneId.isEmpty() || zoneId.startsWith(u'/') || zoneId.split(u'/').contains(u".."))
        return lunetide::Hemisphere::North;
    const QString zone = ResolvedZone(zoneId, zoneinfo);
    for (const char* table : {"zone1970.tab", "zone.tab"}) {
        if (const std::optional<bool> south =
                IsSouthIn(zoneinfo + u'/' + QLatin1StringView(table), zone))
            return *south ? lunetide::Hemisphere::South : lunetide::Hemisphere::North;
    }
    return lunetide::Hemisphere::North;
}

lunetide::Hemisphere SystemZoneHemisphere()
{
    return ZoneHemisphere(QString::fromUtf8(QTimeZone::systemTimeZoneId()));
}
