#pragma once

#include <QDate>
#include <QDateTime>
#include <QElapsedTimer>
#include <QObject>

class QTimer;

// Tells when what the panel shows may have changed: at local midnight (a timer set for it, and
// the look once a minute in case that timer ran on while the computer slept), after the clock was
// set, the time zone changed or the computer woke up (the wall clock then moved unlike the
// monotonic one, which stands still while the computer sleeps), and every quarter of an hour for
// the moon's light and the times in the tooltip. It looks once a minute, with a coarse timer, so an
// idle panel costs next to nothing.
class DayWatch : public QObject {
    Q_OBJECT

public:
    explicit DayWatch(QObject* parent = nullptr);

signals:
    // A new local day, or the clock moved: everything is to be worked out again.
    void dayChanged();
    // A quarter of an hour passed on the same day.
    void timePassed();

private:
    void look();
    void setForMidnight();

    QTimer* timer_ = nullptr;
    QTimer* midnight_ = nullptr;
    QDate day_;
    QDateTime wallAtLastLook_;
    QElapsedTimer sinceLastLook_;
    qint64 sinceRefreshMs_ = 0;
};
