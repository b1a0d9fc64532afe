#pragma once

#include <QDate>
#include <QString>
#include <QVariant>

#include <functional>

class UserSettings;

// Now and then, at start-up, asks whether to look for an update. The date of the last question
// (or of the first start) is kept in the per-user setting Settings/Duration as yyyy-MM-dd.

enum class ReminderStep {
    FirstStart, // nothing stored: store today, ask nothing
    Quiet,      // the stored date is within 14 days of today, either way
    Ask,        // 15 days or more apart: ask, then store today
    Unreadable  // the stored value is not a yyyy-MM-dd date alone (nor a text at all): leave it,
                // ask nothing
};

// stored: the value as QSettings reads it, invalid when the key is missing.
ReminderStep NextReminderStep(const QVariant& stored, const QDate& today);

// Runs the reminder on the user's settings: askYesNo puts the question and answers true for Yes,
// openDownload opens the download page. A settings file that cannot be read is not written.
void UpdateReminder(UserSettings& settings, const QDate& today,
                    const std::function<bool(const QString& question)>& askYesNo,
                    const std::function<void()>& openDownload);

inline const QString kUpdateQuestion =
    QStringLiteral("There maybe an update to this software available\n"
                   "Do you want to check for an update?");
