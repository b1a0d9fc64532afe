#include "settings/user_settings.h"

#include "settings/ini_file.h"
#include "settings/user_files.h"
#include "settings/user_folders.h"
#include "settings/zone_hemisphere.h"

#include <QFileInfo>
#include <QSettings>

namespace {

const QString kSection = QStringLiteral("Settings");
const QString kDuration = QStringLiteral("Duration");
const QString kHemisphere = QStringLiteral("Hemisphere");

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

bool UserSettings::Set(const QString& key, const QString& value)
{
    // A new account has no settings folder yet, and maybe no configuration folder either.
    const bool stored = usable_ &&
                        MakePrivateFolder(QFileInfo(path_).absolutePath(), makeFoldersBelow_) &&
                        SetIniValue(path_, kSection, key, value);
    if (!stored)
        qWarning("lunetide: cannot store %s in %s", qUtf8Printable(key),
                 path_.isEmpty() ? "the settings file" : qUtf8Printable(path_));
    return stored;
}

lunetide::Hemisphere ChosenHemisphere(const UserSettings& settings)
{
    if (const std::optional<lunetide::Hemisphere> chosen = settings.hemisphere())
        return *chosen;
    return SystemZoneHemisphere();
}
