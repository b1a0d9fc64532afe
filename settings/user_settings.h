#pragma once

#include "core/hemisphere.h"
#include "settings/ini_file.h"
#include "settings/place.h"

#include <QString>
#include <QVariant>

#include <optional>

// The user's settings file, as both programs read and write it: section [Settings], key Duration
// (the date of the last update question, yyyy-MM-dd), key Hemisphere (north or south; absent
// or anything else: chosen from the time zone), and keys Latitude and Longitude (decimal degrees,
// north and east positive; absent or unreadable: the time zone's place).
//
// The file is read once, when the object is made, and only when it is a regular file of a sane
// size (a named pipe or a device is never opened for reading). Each Set... call rewrites the one
// line of its key and no other byte of the file; its folders are made for this user alone, below
// the home only. A file that could not be read is never written.
class UserSettings {
public:
    // The settings file of this user: SettingsFilePath().
    UserSettings();
    // Another settings file (tests); folders on its way are made below the folder given.
    UserSettings(const QString& path, const QString& makeFoldersBelow);

    const QString& path() const { return path_; }

    // False when the file is there but cannot be read: then nothing is written to it.
    bool isUsable() const { return usable_; }

    // Duration as QSettings reads it: invalid when the key is missing; a text, or a list when the
    // value has commas.
    QVariant duration() const { return duration_; }
    bool SetDuration(const QString& isoDate);

    // The hemisphere the user chose, if any.
    std::optional<lunetide::Hemisphere> hemisphere() const { return hemisphere_; }
    bool SetHemisphere(lunetide::Hemisphere hemisphere);

    // The place the user set: Latitude and Longitude both there, decimal degrees in range.
    std::optional<Place> place() const { return place_; }
    // Stores both keys in one write; none removes both, so that the time zone's place is used.
    // A place out of range is not stored.
    bool SetPlace(const std::optional<Place>& place);

private:
    bool Set(const QString& key, const QString& value);
    bool Set(const QList<IniChange>& changes);

    QString path_;
    QString makeFoldersBelow_;
    bool usable_ = true;
    QVariant duration_;
    std::optional<lunetide::Hemisphere> hemisphere_;
    std::optional<Place> place_;
};

// The hemisphere the moon is drawn for: the user's setting, else the system time zone's place.
lunetide::Hemisphere ChosenHemisphere(const UserSettings& settings);

// The place the moon rises and sets for: the user's setting, else the system time zone's place;
// none when neither is there (a zone such as UTC).
std::optional<Place> ChosenPlace(const UserSettings& settings);
