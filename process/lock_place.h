#pragma once

#include <QString>

// The lock file of a program: <program>.lock (lunetide.lock) in <runtimeRoot>/UID when that folder
// is this user's and private; otherwise in ~/.cache/lunetide, made for this user alone. It depends
// on the user, not on the session's environment (XDG_RUNTIME_DIR, XDG_CACHE_HOME), and is never in
// a folder other users can write. Empty when there is no home and no private runtime folder.
QString LockFilePath(const QString& program = QStringLiteral("lunetide"),
                     const QString& runtimeRoot = QStringLiteral("/run/user"));
