#pragma once

#include "process/lock_place.h"

#include <QLockFile>
#include <QString>

// Tells whether another copy of the program is running, by a lock file in a folder only this user
// can write. Only a copy that is running now keeps another from starting: a lock left by a copy
// that crashed or was killed, a lock file that cannot be read (empty, cut off, garbage) and a lock
// written on another machine are all taken over. Anything at the lock's path that is not a small
// regular file (a folder, a named pipe, a device) is left as it is, and the lock is Unavailable.
class SingleInstance {
public:
    enum class Outcome {
        Acquired,          // this process holds the lock until this object is destroyed
        HeldByRunningCopy, // a running copy holds it
        Unavailable        // the lock cannot be taken at all; problem() says why
    };

    // The lock file's place: LockFilePath(); empty when there is none.
    explicit SingleInstance(const QString& lockPath = LockFilePath());

    Outcome acquire();

    // Why the lock could not be taken, naming its path, after acquire() said Unavailable.
    QString problem() const { return problem_; }

private:
    bool heldByRunningCopy() const;
    QString why() const;

    QLockFile lock_;
    QString path_;
    QString problem_;
};
