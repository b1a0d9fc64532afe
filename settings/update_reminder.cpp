#include "settings/update_reminder.h"

#include "settings/user_settings.h"

#include <QRegularExpression>

namespace {

// The stored date: yyyy-MM-dd and nothing else but blanks around it.
QDate StoredDate(const QString& text)
{
    static const QRegularExpression isoDate(
        QRegularExpression::anchoredPattern(QStringLiteral("[0-9]{4}-[0-9]{2}-[0-9]{2}")));
    const QString date = text.trimmed();
    return isoDate.match(date).hasMatch() ? QDate::fromString(date, Qt::ISODate) : QDate();
}

} // namespace

ReminderStep NextReminderStep(const QVariant& stored, const QDate& today)
{
    // A value with a comma reads as a list, not a text: it is there, so it is no first start.
    if (stored.isValid() && stored.typeId() != QMetaType::QString)
        return ReminderStep::Unreadable;
    const QString text = stored.toString();
    if (text.isEmpty())
        return ReminderStep::FirstStart;
    // ISO dates read the same in every locale and keep all four digits of the year.
    const QDate last = StoredDate(text);
    if (!last.isValid())
        return ReminderStep::Unreadable;
    const qint64 days = today.daysTo(last);
    return days >= -14 && days <= 14 ? ReminderStep::Quiet : ReminderStep::Ask;
}

void UpdateReminder(UserSettings& settings, const QDate& today,
                    const std::function<bool()>& askToLook,
                    const std::function<void()>& openDownload)
{
    if (!settings.isUsable())
        return;
    // ISO dates have four-digit years; a clock beyond the year 9999 gives no date to store.
    const QString todayText = today.toString(Qt::ISODate);
    if (todayText.isEmpty())
        return;
    switch (NextReminderStep(settings.duration(), today)) {
    case ReminderStep::FirstStart:
        settings.SetDuration(todayText);
        break;
    case ReminderStep::Quiet:
    case ReminderStep::Unreadable:
        break;
    case ReminderStep::Ask: {
        const bool yes = askToLook();
        settings.SetDuration(todayText);
        if (yes)
            openDownload();
        break;
    }
    }
}
