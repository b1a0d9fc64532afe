#include "app/single_instance.h"

#include <QDir>
#include <QStandardPaths>

SingleInstance::SingleInstance(const QString& lockPath) : lock_(lockPath)
{
    // Only a lock whose process is gone counts as stale, however old it is.
    lock_.setStaleLockTime(0);
}

bool SingleInstance::acquire()
{
    return lock_.isLocked() || lock_.tryLock(0);
}

QString SingleInstance::DefaultLockPath()
{
    QString folder = QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation);
    if (folder.isEmpty())
        folder = QDir::tempPath();
    return folder + QStringLiteral("/lunetide.lock");
}
