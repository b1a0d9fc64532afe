#pragma once

#include <QLockFile>
#include <QString>

// Tells whether another copy of the program is running, by a lock file in the user's private
// runtime folder. A lock left by a copy that crashed or was killed is taken over.
class SingleInstance {
public:
    explicit SingleInstance(const QString& lockPath = DefaultLockPath());

    // True when this process now holds the lock, false when a running copy holds it. The lock is
    // kept until this object is destroyed.
    bool acquire();

    static QString DefaultLockPath();

private:
    QLockFile lock_;
};
