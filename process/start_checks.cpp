#include "process/start_checks.h"

#include <cerrno>
#include <fcntl.h>
#include <sys/resource.h>
#include <unistd.h>

void OpenClosedStandardDescriptors()
{
    for (int fd = 0; fd <= 2; ++fd) {
        if (IsDescriptorOpen(fd))
            continue;
        // open() returns the lowest free number: this one, as the ones below are open.
        const int opened = ::open("/dev/null", fd == 0 ? O_RDONLY : O_WRONLY);
        if (opened >= 0 && opened != fd)
            ::close(opened);
    }
}

bool IsDescriptorOpen(int fd)
{
    return ::fcntl(fd, F_GETFD) != -1 || errno != EBADF;
}

quint64 RaiseDescriptorLimit()
{
    struct rlimit limit {};
    if (::getrlimit(RLIMIT_NOFILE, &limit) != 0)
        return 0;
    if (limit.rlim_cur < limit.rlim_max) {
        struct rlimit raised = limit;
        raised.rlim_cur = limit.rlim_max;
        if (::setrlimit(RLIMIT_NOFILE, &raised) == 0)
            limit = raised;
    }
    return limit.rlim_cur == RLIM_INFINITY ? ~quint64(0) : quint64(limit.rlim_cur);
}

bool DisplayIsMissing(const QStringList& arguments)
{
    QString platforms = qEnvironmentVariable("QT_QPA_PLATFORM");
    for (qsizetype i = 1; i < arguments.size(); ++i) {
        const QString& argument = arguments.at(i);
        if (argument == QStringLiteral("--"))
            break;
        const bool hasValue = i + 1 < arguments.size();
        if ((argument == QStringLiteral("-platform") || argument == QStringLiteral("--platform")) &&
            hasValue)
            platforms = arguments.at(i + 1);
        if ((argument == QStringLiteral("-display") || argument == QStringLiteral("--display")) &&
            hasValue && !arguments.at(i + 1).isEmpty())
            return false;
    }
    // A list such as "wayland;xcb" is tried in turn; "name:options" carries the plugin's options.
    for (const QString& entry : platforms.split(u';', Qt::SkipEmptyParts)) {
        const QString name = entry.section(u':', 0, 0).trimmed();
        if (name != QStringLiteral("xcb") && !name.startsWith(QStringLiteral("wayland")))
            return false;
    }
    return qEnvironmentVariableIsEmpty("DISPLAY") && qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY");
}
