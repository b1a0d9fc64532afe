#include "settings/user_settings.h"

#include "settings/ini_file.h"
#include "settings/user_files.h"
#include "settings/user_folders.h"
#include "settings/zone_place.h"

#include <QFileInfo>
#include <QSettings>

namespace {

const QString kSection = QStringLiteral("Settings");
const QString kDuration = QStringLiteral("Duration");
const QString kHemisphere = QStringLiteral("Hemisphere");
const QString kLatitude = QStringLiteral("Latitude");
const QString kLongitude = QStringLiteral("Longitude");

std::optional<Place> PlaceFrom(const QVariant& latitude, const QVariant& longitude)
{
    if (latitude.typeId() != QMetaType::QString || longitude.typeId() != QMetaType::QString)
        return std::nullopt;
    bool latitudeRead = false;
    bool longitudeRead = false;
    const Place place{latitude.toString().trimmed().toDouble(&latitudeRead),
                      longitude.toString().trimmed().toDouble(&longitudeRead),
                      {}};
    if (!latitudeRead || !longitudeRead || !IsValidPlace(place.latitude, place.longitude))
        return std::nullopt;
    return place;
}

std::optional<lunetide::Hemisphere> HemisphereFrom(const QVariant& value)
{
    if (value.typeId() != QMetaType::QString)
        return std::nullopt;
    const QString name = value.toString().trimmed();
    if (name == QStringLiteral("north"))
        return lunetide::Hemisphere::North;
    if (name == QStringLiteral("south"))
        return lunetide::Hemisphere::South;
    return std::nullopt;
}

} // namespace

UserSettings::UserSettings() : UserSettings(SettingsFilePath(), {})
{
    makeFoldersBelow_ = FolderToMakeBelow(path_, ConfigFolder());
}

UserSettings::UserSettings(const QString& path, const QString& makeFoldersBelow)
    : path_(path), makeFoldersBelow_(makeFoldersBelow)
{
    if (path_.isEmpty()) {
        usable_ = false;
        return;
    }
    // QSettings opens the file itself, and would wait for ever on a named pipe or read a device
    // without end: it is only given a regular file of a sane size.
    switch (ReadSmallFile(path_, kMaxIniFileBytes).state) {
    case SmallFile::State::Unusable:
        usable_ = false;
        return;
    case SmallFile::State::Missing:
        return;
    case SmallFile::State::Read:
        break;
    }
    // Read through QSettings, never written through it: its writing replaces the file with a
    // cut-off one when the disk is full, and waits up to 30 s for a lock file left beside it.
    const QSettings settings(path_, QSettings::IniFormat);
    if (settings.status() == QSettings::AccessError) {
        usable_ = false;
        return;
    }
    duration_ = settings.value(kSection + u'/' + kDuration);
    hemisphere_ = HemisphereFrom(settings.value(kSection + u'/' + kHemisphere));
    place_ = PlaceFrom(settings.value(kSection + u'/' + kLatitude),
                       settings.value(kSection + u'/' + kLongitude));
}

bool UserSettings::SetDuration(const QString& isoDate)
{
    if (!Set(kDuration, isoDate))
        return false;
    duration_ = isoDate;
    return true;
}

bool UserSettings::SetHemisphere(lunetide::Hemisphere hemisphere)
{
    const bool south = hemisphere == lunetide::Hemisphere::South;
    if (!Set(kHemisphere, south ? QStringLiteral("south") : QStringLiteral("north")))
        return false;
    hemisphere_ = hemisphere;
    return true;
}

bool UserSettings::SetPlace(const std::optional<Place>& place)
{
    if (place && !IsValidPlace(place->latitude, place->longitude))
        return false;
    auto degrees = [&place](double value) -> std::optional<QString> {
        if (!place)
            return std::nullopt;
        return QString::number(value, 'f', 4);
    };
    if (!Set({{kLatitude, degrees(place ? place->latitude : 0)},
              {kLongitude, degrees(place ? place->longitude : 0)}}))
        return false;
    place_ = place ? std::optional(Place{place->latitude, place->longitude, {}}) : std::nullopt;
    return true;
}

bool UserSettings::Set(const QString& key, const QString& value)
{
    return Set({{key, value}});
}

bool UserSettings::Set(const QList<IniChange>& changes)
{
    // A new account has no settings folder yet, and maybe no configuration folder either.
    const bool stored = usable_ &&
                        MakePrivateFolder(QFileInfo(path_).absolutePath(), makeFoldersBelow_) &&
                        SetIniValues(path_, kSection, changes);
    if (!stored)
        qWarning("lunetide: cannot store %s in %s", qUtf8Printable(changes.constFirst().key),
                 path_.isEmpty() ? "the settings file" : qUtf8Printable(path_));
    return stored;
}

std::optional<Place> ChosenPlace(const UserSettings& settings)
{
    if (std::optional<Place> place = settings.place())
        return place;
    return SystemZonePlace();
}

lunetide::Hemisphere ChosenHemisphere(const UserSettings& settings)
{
    if (const std::optional<lunetide::Hemisphere> chosen = settings.hemisphere())
        return *chosen;
    return SystemZoneHemisphere();
}
