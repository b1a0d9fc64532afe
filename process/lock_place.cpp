#include "process/lock_place.h"

#include "settings/user_files.h"
#include "settings/user_folders.h"

#include <QFile>

#include <sys/stat.h>
#include <unistd.h>

QString LockFilePath(const QString& program, const QString& runtimeRoot)
{
    const QString lockName = program + QStringLiteral(".lock");
    // The runtime folder the system makes for the user when it is there and private, else the
    // user's own cache folder.
    const QString runtime = runtimeRoot + QStringLiteral("/%1").arg(::geteuid());
    struct stat info {};
    if (::stat(QFile::encodeName(runtime).constData(), &info) == 0 && S_ISDIR(info.st_mode) &&
        info.st_uid == ::geteuid() && (info.st_mode & 0077) == 0)
        return runtime + u'/' + lockName;
    const QString home = HomeFolder();
    if (home.isEmpty())
        return {};
    const QString cache = home + QStringLiteral("/.cache/lunetide");
    MakePrivateFolder(cache, home); // the lock checks what is there
    return cache + u'/' + lockName;
}
