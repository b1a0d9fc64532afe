#include "panel/tray_wait.h"

#include <QDeadlineTimer>
#include <QSystemTrayIcon>
#include <QTimer>

namespace {

constexpr int kDefaultWaitSeconds = 120;
constexpr int kLongestWaitSeconds = 3600;
constexpr int kLookEveryMs = 500;

} // namespace

int TrayWaitSeconds(const QByteArray& setting)
{
    bool read = false;
    const int seconds = setting.trimmed().toInt(&read);
    if (!read || seconds < 0 || seconds > kLongestWaitSeconds)
        return kDefaultWaitSeconds;
    return seconds;
}

void AwaitTray(QObject* owner, int seconds, std::function<void()> ready,
               std::function<void()> gaveUp)
{
    if (QSystemTrayIcon::isSystemTrayAvailable()) {
        ready();
        return;
    }
    auto* timer = new QTimer(owner);
    timer->setInterval(kLookEveryMs);
    const QDeadlineTimer deadline(std::chrono::seconds{seconds});
    QObject::connect(timer, &QTimer::timeout, owner, [=] {
        if (QSystemTrayIcon::isSystemTrayAvailable()) {
            timer->deleteLater();
            timer->stop();
            ready();
        } else if (deadline.hasExpired()) {
            timer->deleteLater();
            timer->stop();
            gaveUp();
        }
    });
    timer->start();
}
