#pragma once

#include <QDate>
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

// Runs the reminder on the user's settings: askToLook asks whether to look for an update and
// answers true for Yes, openDownload opens the download page. A settings file that cannot be read
// is not written.
void UpdateReminder(UserSettings& settings, const QDate& today,
                    const std::function<bool()>& askToLook,
                    const std::function<void()>& openDownload);
