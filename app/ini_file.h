#pragma once

#include <QString>

// Sets one key of an INI settings file, as QSettings reads it, by rewriting only that key's line
// (or adding it, and its section, when missing); every other line stays as it is. The value is
// written as it is: plain text that needs no INI escaping, such as an ISO date.
//
// Every write is checked and the new file replaces the old one only when it is complete, so the
// file afterwards is the old one or the new one, whole, also when the disk is full. Returns false
// when the file could not be read or written, and leaves it unchanged then.
bool SetIniValue(const QString& path, const QString& section, const QString& key,
                 const QString& value);
