#include "settings/user_folders.h"

#include "settings/user_files.h"

#include <QDir>
#include <QFile>

#include <cstdio>
#include <pwd.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

const QString kLockName = QStringLiteral("lunetide.lock");

// Qt's file functions take text: a name whose bytes are not UTF-8 would be opened under another,
// invented name.
bool IsFaithful(const QByteArray& bytes)
{
    return QFile::encodeName(QFile::decodeName(bytes)) == bytes;
}

QByteArray HomeBytes()
{
    const QByteArray home = qgetenv("HOME");
    if (home.startsWith('/'))
        return home;
    const struct passwd* user = ::getpwuid(::geteuid());
    return user && user->pw_dir && user->pw_dir[0] == '/' ? QByteArray(user->pw_dir) : QByteArray();
}

bool IsInside(const QString& path, const QString& folder)
{
    return !folder.isEmpty() && (path == folder || path.startsWith(folder + u'/'));
}

} // namespace

QString HomeFolder()
{
    const QByteArray home = HomeBytes();
    if (home.isEmpty() || IsFaithful(home))
        return QDir::cleanPath(QFile::decodeName(home));
    static bool said = false;
    if (!said)
        std::fprintf(stderr, "lunetide: the home folder's name is not UTF-8, so no settings are "
                             "stored and no lock is kept there\n");
    said = true;
    return {};
}

QString ConfigFolder()
{
    const QByteArray configured = qgetenv("XDG_CONFIG_HOME");
    if (configured.startsWith('/') && IsFaithful(configured))
        return QDir::cleanPath(QFile::decodeName(configured));
    const QString home = HomeFolder();
    return home.isEmpty() ? QString() : home + QStringLiteral("/.config");
}

QString SettingsFilePath()
{
    const QString config = ConfigFolder();
    return config.isEmpty() ? QString() : config + QStringLiteral("/Lunetide/lunetide.conf");
}

QString FolderToMakeBelow(const QString& path, const QString& base)
{
    const QString home = HomeFolder();
    if (IsInside(path, home))
        return home;
    return QDir::cleanPath(base + QStringLiteral("/.."));
}

QString LockFilePath(const QString& runtimeRoot)
{
    // The runtime folder the system makes for the user when it is there and private, else the
    // user's own cache folder.
    const QString runtime = runtimeRoot + QStringLiteral("/%1").arg(::geteuid());
    struct stat info {};
    if (::stat(QFile::encodeName(runtime).constData(), &info) == 0 && S_ISDIR(info.st_mode) &&
        info.st_uid == ::geteuid() && (info.st_mode & 0077) == 0)
        return runtime + u'/' + kLockName;
    const QString home = HomeFolder();
    if (home.isEmpty())
        return {};
    const QString cache = home + QStringLiteral("/.cache/lunetide");
    MakePrivateFolder(cache, home); // the lock checks what is there
    return cache + u'/' + kLockName;
}
