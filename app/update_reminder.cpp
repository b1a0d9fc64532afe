#include "app/update_reminder.h"

#include <QSettings>

namespace {

const QString kDurationKey = QStringLiteral("Settings/Duration");

} // namespace

ReminderStep NextReminderStep(const QString& stored, const QDate& today)
{
    if (stored.isEmpty())
        return ReminderStep::FirstStart;
    // ISO dates read the same in every locale and keep all four digits of the year.
    const QDate last = QDate::fromString(stored, Qt::ISODate);
    if (!last.isValid())
        return ReminderStep::Unreadable;
    const qint64 days = today.daysTo(last);
    return days >= -14 && days <= 14 ? ReminderStep::Quiet : ReminderStep::Ask;
}

void UpdateReminder(QSettings& settings, const QDate& today,
                    const std::function<bool(const QString& question)>& askYesNo,
                    const std::function<void()>& openDownload)
{
    const QString stored = settings.value(kDurationKey).toString();
    const QString todayText = today.toString(Qt::ISODate);
    switch (NextReminderStep(stored, today)) {
    case ReminderStep::FirstStart:
        settings.setValue(kDurationKey, todayText);
        break;
    case ReminderStep::Quiet:
    case ReminderStep::Unreadable:
        break;
    case ReminderStep::Ask: {
        const bool yes = askYesNo(kUpdateQuestion);
        settings.setValue(kDurationKey, todayText);
        settings.sync();
        if (yes)
            openDownload();
        break;
    }
    }
}
