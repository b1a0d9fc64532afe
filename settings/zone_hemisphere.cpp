#include "settings/zone_hemisphere.h"

#include "settings/user_files.h"

#include <QDir>
#include <QFileInfo>
#include <QTimeZone>

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

// The latitude's sign of the zone's line in a table (country, coordinates, zone, comment; tab
// separated): true when south, nothing when the zone is not listed.
std::optional<bool> IsSouthIn(const QString& tablePath, const QString& zone)
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
        if (columns.size() >= 3 && columns.at(2) == name && !columns.at(1).isEmpty())
            return columns.at(1).startsWith('-');
    }
    return std::nullopt;
}

} // namespace

lunetide::Hemisphere ZoneHemisphere(const QString& zoneId, const QString& zoneinfo)
{
    // Only a name inside the database: no way up out of it.
    const QString name = ZoneName(zoneId, zoneinfo);
    if (name.isEmpty() || name.split(u'/').contains(u".."))
        return lunetide::Hemisphere::North;
    const QString zone = ResolvedZone(name, zoneinfo);
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
