#include "settings/user_folders.h"

#include "settings/user_files.h"

#include <QDir>
#include <QFile>

#include <cstdio>
#include <fcntl.h>
#include <optional>
#include <pwd.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

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

// A home whose name Qt cannot keep, reached through a descriptor open for the rest of the run:
// /proc/self/fd/N names the folder itself whatever its bytes.
QString HomeThroughDescriptor(const QByteArray& home)
{
    static QByteArray opened;
    static int fd = -1;
    if (home != opened) {
        if (fd >= 0)
            ::close(fd);
        opened = home;
        fd = ::open(home.constData(), O_PATH | O_DIRECTORY | O_CLOEXEC);
        if (fd < 0)
            std::fprintf(stderr, "lunetide: the home folder's name is not UTF-8 and the folder "
                                 "cannot be opened, so no settings are stored there\n");
    }
    return fd < 0 ? QString() : QStringLiteral("/proc/self/fd/%1").arg(fd);
}

} // namespace

// The settings, the folders made for them and the lock all ask for the home: it is worked out
// once, and again only when $HOME has changed since.
QString HomeFolder()
{
    static std::optional<QByteArray> resolvedFor;
    static QString resolved;
    const QByteArray variable = qgetenv("HOME");
    if (resolvedFor == variable)
        return resolved;
    const QByteArray home = HomeBytes();
    resolved = home.isEmpty() || IsFaithful(home) ? QDir::cleanPath(QFile::decodeName(home))
                                                  : HomeThroughDescriptor(home);
    resolvedFor = variable;
    return resolved;
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
