#include "process/single_instance.h"

#include "settings/user_files.h"

#include <QDir>
#include <QFileInfo>
#include <QSysInfo>

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

// A lock file holds a process id, a program name, a host name and an id: far less than this.
constexpr qint64 kMaxLockBytes = 64 * 1024;

// True when the folder (or the folder a link leads to) is owned by this user and no one else can
// write to it, so no one else can put a lock file there.
bool IsPrivateFolder(const QString& folder)
{
    struct stat info {};
    return ::stat(QFile::encodeName(folder).constData(), &info) == 0 && S_ISDIR(info.st_mode) &&
           info.st_uid == ::geteuid() && (info.st_mode & (S_IWGRP | S_IWOTH)) == 0;
}

QString Problem(const QString& path, const QString& why)
{
    return QStringLiteral("Lunetide cannot tell whether another copy is running: its lock file\n"
                          "%1\ncannot be taken (%2).\nLunetide starts anyway.")
        .arg(QDir::toNativeSeparators(path), why);
}

} // namespace

SingleInstance::SingleInstance(const QString& lockPath) : lock_(lockPath), path_(lockPath)
{
    // Only a lock whose process is gone counts as stale, however old it is.
    lock_.setStaleLockTime(0);
}

SingleInstance::Outcome SingleInstance::acquire()
{
    problem_.clear();
    if (lock_.isLocked())
        return Outcome::Acquired;
    if (path_.isEmpty()) {
        problem_ = QStringLiteral("Lunetide cannot tell whether another copy is running: it has "
                                  "no folder for its lock file.\nLunetide starts anyway.");
        return Outcome::Unavailable;
    }
    const QString folder = QFileInfo(path_).absolutePath();
    if (!IsPrivateFolder(folder)) {
        problem_ = Problem(path_, QStringLiteral("its folder is missing or not this user's alone"));
        return Outcome::Unavailable;
    }
    // QLockFile reads a lock it cannot take, and would wait for ever on a named pipe or read a
    // device without end: anything but a small regular file is left where it is.
    if (!IsMissingOrSmallFile(path_, kMaxLockBytes)) {
        problem_ = Problem(path_, why());
        return Outcome::Unavailable;
    }
    if (lock_.tryLock(0))
        return Outcome::Acquired;
    if (lock_.error() == QLockFile::LockFailedError) {
        if (heldByRunningCopy())
            return Outcome::HeldByRunningCopy;
        // Unreadable, or another machine's, and no process holds it: stale. The removal, too,
        // fails while a process holds the file's native lock.
        if (lock_.removeStaleLockFile() && lock_.tryLock(0))
            return Outcome::Acquired;
    }
    problem_ = Problem(path_, why());
    return Outcome::Unavailable;
}

// With a stale-lock time of 0, QLockFile refuses a readable lock of this machine only while its
// process runs. Any other lock file is held by a running copy only while that copy holds the
// file's native lock: a copy of another machine sharing the folder, or a copy in the instant
// between creating its lock file and writing it.
bool SingleInstance::heldByRunningCopy() const
{
    qint64 pid = 0;
    QString host;
    QString application;
    if (lock_.getLockInfo(&pid, &host, &application) &&
        (host.isEmpty() || host == QSysInfo::machineHostName()))
        return true;
    if (!QFileInfo(path_).isFile())
        return false;
    const int fd = ::open(QFile::encodeName(path_).constData(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0)
        return false;
    const bool held = ::flock(fd, LOCK_SH | LOCK_NB) != 0 && errno == EWOULDBLOCK;
    ::close(fd);
    return held;
}

QString SingleInstance::why() const
{
    const QFileInfo file(path_);
    if (file.isDir())
        return QStringLiteral("a folder of that name is in the way");
    if (file.exists() && !file.isFile())
        return QStringLiteral("something that is not a file is in the way");
    if (file.size() > kMaxLockBytes)
        return QStringLiteral("the file there is too large to be a lock file");
    if (lock_.error() == QLockFile::PermissionError || !QFileInfo(file.absolutePath()).isWritable())
        return QStringLiteral("its folder cannot be written");
    if (file.exists())
        return QStringLiteral("the file there cannot be replaced");
    return QStringLiteral("it cannot be written");
}
