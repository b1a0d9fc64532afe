#pragma once

#include <QList>
#include <QString>

#include <optional>

// A settings file larger than this is not one the program keeps: it is neither read nor written.
inline constexpr qint64 kMaxIniFileBytes = 4 * 1024 * 1024;

// Sets one key of an INI settings file, as QSettings reads it, by rewriting only the lines
// QSettings reads that key from (or adding it, and its section, when missing); every other byte
// stays as it is. Section and key are plain names, and the value is written as it is: plain text
// that needs no INI escaping, such as an ISO date.
//
// Every write is checked and the new file replaces the old one only when it is complete, so the
// file afterwards is the old one or the new one, whole, also when the disk is full. Returns false
// when the file could not be read (anything but a regular file of at most kMaxIniFileBytes) or
// written, and leaves it unchanged then. New files that an earlier store left beside the file,
// cut off before they replaced it, are removed once they are a minute old.
bool SetIniValue(const QString& path, const QString& section, const QString& key,
                 const QString& value);

// A key of a section set to a value, or removed (no value): every line QSettings may read it
// from goes.
struct IniChange {
    QString key;
    std::optional<QString> value;
};

// Several keys of one section set or removed in one write, as SetIniValue sets one: the file
// afterwards is the old one or the new one, whole.
bool SetIniValues(const QString& path, const QString& section, const QList<IniChange>& changes);
