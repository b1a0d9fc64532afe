#include "settings/user_files.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

// Nothing at the path: no such entry, or a file where a folder on the way should be.
bool IsNothingThere(int error)
{
    return error == ENOENT || error == ENOTDIR;
}

} // namespace

SmallFile ReadSmallFile(const QString& path, qint64 maxBytes)
{
    SmallFile file;
    const int fd =
        ::open(QFile::encodeName(path).constData(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
    if (fd < 0) {
        file.state = IsNothingThere(errno) ? SmallFile::State::Missing : SmallFile::State::Unusable;
        return file;
    }
    file.state = SmallFile::State::Unusable;
    struct stat info {};
    if (::fstat(fd, &info) == 0 && S_ISREG(info.st_mode) && info.st_size <= maxBytes) {
        // One byte more than its size: a file that grows meanwhile is not read.
        QByteArray bytes(info.st_size + 1, Qt::Uninitialized);
        qint64 size = 0;
        ssize_t n = 0;
        while (size < bytes.size() &&
               ((n = ::read(fd, bytes.data() + size, bytes.size() - size)) > 0 ||
                (n < 0 && errno == EINTR)))
            size += qMax<ssize_t>(n, 0);
        if (n == 0) {
            bytes.truncate(size);
            file = {SmallFile::State::Read, bytes};
        }
    }
    ::close(fd);
    return file;
}

bool IsMissingOrSmallFile(const QString& path, qint64 maxBytes)
{
    struct stat info {};
    if (::stat(QFile::encodeName(path).constData(), &info) != 0)
        return IsNothingThere(errno);
    return S_ISREG(info.st_mode) && info.st_size <= maxBytes;
}

bool MakePrivateFolder(const QString& path, const QString& below)
{
    const QString folder = QDir::cleanPath(QDir(path).absolutePath());
    if (QFileInfo(folder).isDir())
        return true;
    const QString base = QDir::cleanPath(QDir(below).absolutePath());
    if (!folder.startsWith(base + u'/') && base != u'/')
        return false;
    const QString parent = QFileInfo(folder).path();
    if (parent != folder && !MakePrivateFolder(parent, base))
        return false;
    return ::mkdir(QFile::encodeName(folder).constData(), 0700) == 0 ||
           (errno == EEXIST && QFileInfo(folder).isDir());
}
