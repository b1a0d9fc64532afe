#pragma once

#include <QByteArray>
#include <QString>

// The user's files that the program reads before its event loop runs, where a signal cannot yet
// end it: nothing there may block a start or fill the memory.

struct SmallFile {
    enum class State {
        Missing, // nothing at the path
        Read,    // a regular file of at most the size asked for: bytes holds it
        Unusable // anything else: a named pipe, a device, a folder, too large, unreadable
    };
    State state = State::Missing;
    QByteArray bytes;
};

// Opens the path without blocking (a named pipe never waits for a writer) and reads it only when
// it is a regular file of at most maxBytes. Follows links, so a link to /dev/zero is a device.
SmallFile ReadSmallFile(const QString& path, qint64 maxBytes);

// True when nothing is at the path, or a regular file of at most maxBytes; never opens it.
bool IsMissingOrSmallFile(const QString& path, qint64 maxBytes);

// Makes the folder and every missing folder above it up to the folder below, each for this user
// alone (0700), as the XDG base-directory rules ask. Folders already there are left as they are;
// nothing is made when the folder below is missing or the folder is not inside it. True when the
// folder is there afterwards.
bool MakePrivateFolder(const QString& path, const QString& below);
