#include "panel/notices/told_notices.h"

#include "settings/ini_file.h"
#include "settings/user_files.h"
#include "settings/user_folders.h"

#include <QDir>
#include <QFileInfo>
#include <QRegularExpression>
#include <QSettings>
#include <QTemporaryFile>

#include <algorithm>
#include <iterator>
#include <optional>

namespace {

const QString kSection = QStringLiteral("Panel");
const QString kNotify = QStringLiteral("Notify");
const QString kTold = QStringLiteral("Told");

struct Stored {
    QVariant notify;
    QVariant told;
};

// The panel's keys as they are in the file now; none when it is there but cannot be read.
std::optional<Stored> Read(const QString& path)
{
    if (path.isEmpty())
        return std::nullopt;
    // QSettings opens the file itself and would wait for ever on a named pipe: it is only given
    // a regular file of a sane size.
    const SmallFile file = ReadSmallFile(path, kMaxIniFileBytes);
    switch (file.state) {
    case SmallFile::State::Unusable:
        return std::nullopt;
    case SmallFile::State::Missing:
        return Stored{};
    case SmallFile::State::Read:
        break;
    }
    // QSettings keeps what it read of a file for the whole process, and reads it again only when
    // its size or its time to the millisecond has changed: a rewrite of the same size in the same
    // millisecond ("Told=2026-12-23 x" becoming "Told=2026-12-24 a") would go unseen. So it reads
    // the bytes just read, copied to a file of a new name; the file itself only when no copy can
    // be made.
    QTemporaryFile copy(QDir::tempPath() + QStringLiteral("/lunetide-panel-XXXXXX.conf"));
    const bool copied = copy.open() && copy.write(file.bytes) == file.bytes.size() && copy.flush();
    const QSettings settings(copied ? copy.fileName() : path, QSettings::IniFormat);
    if (settings.status() == QSettings::AccessError)
        return std::nullopt;
    return Stored{settings.value(kSection + u'/' + kNotify),
                  settings.value(kSection + u'/' + kTold)};
}

struct ToldDay {
    QDate day;
    QStringList keys;
};

// A line written by RememberTold; anything else (a list QSettings made of commas, no date first)
// is nothing told.
ToldDay ToldDayFrom(const QVariant& value)
{
    if (value.typeId() != QMetaType::QString)
        return {};
    QStringList words = value.toString().split(u' ', Qt::SkipEmptyParts);
    const QDate day = words.isEmpty() ? QDate() : QDate::fromString(words.takeFirst(), Qt::ISODate);
    if (!day.isValid())
        return {};
    return {day, words};
}

// What a key may be made of: a list of them is then plain text that QSettings reads back as it
// was written, one text and not a list.
bool IsStorableKey(const QString& key)
{
    static const QRegularExpression storable(QStringLiteral("^[A-Za-z0-9:._+-]+$"));
    return storable.match(key).hasMatch();
}

} // namespace

PanelSettings::PanelSettings()
    : PanelSettings(SettingsFilePath(), FolderToMakeBelow(SettingsFilePath(), ConfigFolder()))
{}

PanelSettings::PanelSettings(const QString& path, const QString& makeFoldersBelow)
    : path_(path), makeFoldersBelow_(makeFoldersBelow)
{}

bool PanelSettings::notify() const
{
    const std::optional<Stored> stored = Read(path_);
    return !stored || stored->notify.typeId() != QMetaType::QString ||
           stored->notify.toString().trimmed().toLower() != QStringLiteral("false");
}

bool PanelSettings::SetNotify(bool on)
{
    return Set(kNotify, on ? QStringLiteral("true") : QStringLiteral("false"));
}

QStringList PanelSettings::told() const
{
    const std::optional<Stored> stored = Read(path_);
    return stored ? ToldDayFrom(stored->told).keys : QStringList();
}

bool PanelSettings::RememberTold(QDate day, const QStringList& keys)
{
    if (!day.isValid() || !std::all_of(keys.begin(), keys.end(), IsStorableKey)) {
        qWarning("lunetide-panel: a notice's key cannot be stored: %s",
                 qUtf8Printable(keys.join(u' ')));
        return false;
    }
    const std::optional<Stored> stored = Read(path_);
    if (!stored) {
        qWarning("lunetide-panel: cannot read %s", qUtf8Printable(path_));
        return false;
    }
    ToldDay told = ToldDayFrom(stored->told);
    if (told.day != day)
        told = {day, {}};
    for (const QString& key : keys) {
        if (!told.keys.contains(key))
            told.keys << key;
    }
    QStringList line{day.toString(Qt::ISODate)};
    line << told.keys;
    return Set(kTold, line.join(u' '));
}

bool PanelSettings::Set(const QString& key, const QString& value)
{
    // A new account has no settings folder yet, and maybe no configuration folder either.
    const bool stored = !path_.isEmpty() && Read(path_) &&
                        MakePrivateFolder(QFileInfo(path_).absolutePath(), makeFoldersBelow_) &&
                        SetIniValue(path_, kSection, key, value);
    if (!stored)
        qWarning("lunetide-panel: cannot store %s in %s", qUtf8Printable(key),
                 path_.isEmpty() ? "the settings file" : qUtf8Printable(path_));
    return stored;
}

std::vector<lunetide::PhaseNotice> UntoldNotices(const std::vector<lunetide::PhaseNotice>& notices,
                                                 const PanelSettings& settings)
{
    const QStringList told = settings.told();
    std::vector<lunetide::PhaseNotice> untold;
    std::copy_if(
        notices.begin(), notices.end(), std::back_inserter(untold),
        [&told](const lunetide::PhaseNotice& notice) { return !told.contains(notice.key); });
    return untold;
}
