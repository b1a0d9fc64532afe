#include "app/update_reminder.h"

#include "app/ini_file.h"
#include "app/user_files.h"

#include <QFileInfo>
#include <QRegularExpression>
#include <QSettings>
#include <QStandardPaths>

namespace {

const QString kSection = QStringLiteral("Settings");
const QString kKey = QStringLiteral("Duration");

void Store(const QString& settingsFile, const QString& date)
{
    // A new account has no settings folder yet, and maybe no configuration folder either.
    if (!MakePrivateFolder(QFileInfo(settingsFile).absolutePath()) ||
        !SetIniValue(settingsFile, kSection, kKey, date))
        qWarning("lunetide: cannot store the date of the update question in %s",
                 qUtf8Printable(settingsFile));
}

// The stored date: yyyy-MM-dd and nothing else but blanks around it.
QDate StoredDate(const QString& text)
{
    static const QRegularExpression isoDate(
        QRegularExpression::anchoredPattern(QStringLiteral("[0-9]{4}-[0-9]{2}-[0-9]{2}")));
    const QString date = text.trimmed();
    return isoDate.match(date).hasMatch() ? QDate::fromString(date, Qt::ISODate) : QDate();
}

} // namespace

QString UserSettingsFile(const QString& application)
{
    return QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation) +
           QStringLiteral("/Lunetide/") + application + QStringLiteral(".conf");
}

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

void UpdateReminder(const QString& settingsFile, const QDate& today,
                    const std::function<bool(const QString& question)>& askYesNo,
                    const std::function<void()>& openDownload)
{
    // QSettings opens the file itself, and would wait for ever on a named pipe or read a device
    // without end: it is only given a regular file of a sane size.
    QVariant stored;
    switch (ReadSmallFile(settingsFile, kMaxIniFileBytes).state) {
    case SmallFile::State::Unusable:
        return;
    case SmallFile::State::Missing:
        break;
    case SmallFile::State::Read: {
        // Read through QSettings, never written through it: its writing replaces the file with a
        // cut-off one when the disk is full, and waits up to 30 s for a lock file left beside it.
        const QSettings settings(settingsFile, QSettings::IniFormat);
        if (settings.status() == QSettings::AccessError)
            return;
        stored = settings.value(kSection + u'/' + kKey);
        break;
    }
    }
    // ISO dates have four-digit years; a clock beyond the year 9999 gives no date to store.
    const QString todayText = today.toString(Qt::ISODate);
    if (todayText.isEmpty())
        return;
    switch (NextReminderStep(stored, today)) {
    case ReminderStep::FirstStart:
        Store(settingsFile, todayText);
        break;
    case ReminderStep::Quiet:
    case ReminderStep::Unreadable:
        break;
    case ReminderStep::Ask: {
        const bool yes = askYesNo(kUpdateQuestion);
        Store(settingsFile, todayText);
        if (yes)
            openDownload();
        break;
    }
    }
}
