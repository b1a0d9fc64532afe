#include "panel/day_watch.h"

#include <QTimer>

#include <algorithm>
#include <cstdlib>

namespace {

constexpr int kLookEveryMs = 60 * 1000;
constexpr qint64 kRefreshEveryMs = 15 * 60 * 1000;
// More than the timer's own slack: a coarse timer may fire 5 % late.
constexpr qint64 kClockJumpMs = 2 * 60 * 1000;

} // namespace

DayWatch::DayWatch(QObject* parent)
    : QObject(parent), timer_(new QTimer(this)), midnight_(new QTimer(this)),
      day_(QDate::currentDate()), wallAtLastLook_(QDateTime::currentDateTimeUtc())
{
    sinceLastLook_.start();
    timer_->setTimerType(Qt::VeryCoarseTimer);
    timer_->setInterval(kLookEveryMs);
    connect(timer_, &QTimer::timeout, this, &DayWatch::look);
    timer_->start();
    midnight_->setSingleShot(true);
    midnight_->setTimerType(Qt::PreciseTimer);
    connect(midnight_, &QTimer::timeout, this, &DayWatch::look);
    setForMidnight();
}

// A moment after the next local midnight, so that the new day has begun when the timer fires.
void DayWatch::setForMidnight()
{
    const QDateTime now = QDateTime::currentDateTime();
    const qint64 ms = now.msecsTo(now.date().addDays(1).startOfDay()) + 500;
    midnight_->start(int(std::clamp<qint64>(ms, 500, 25 * 3600 * 1000)));
}

void DayWatch::look()
{
    const QDateTime wall = QDateTime::currentDateTimeUtc();
    const qint64 monotonicMs = sinceLastLook_.restart();
    const qint64 wallMs = wallAtLastLook_.msecsTo(wall);
    wallAtLastLook_ = wall;
    setForMidnight();
    const QDate today = QDate::currentDate();
    if (today != day_ || std::llabs(wallMs - monotonicMs) > kClockJumpMs) {
        day_ = today;
        sinceRefreshMs_ = 0;
        emit dayChanged();
        return;
    }
    sinceRefreshMs_ += monotonicMs;
    if (sinceRefreshMs_ >= kRefreshEveryMs) {
        sinceRefreshMs_ = 0;
        emit timePassed();
    }
}
