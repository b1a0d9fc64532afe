#pragma once

#include "panel/notices/phase_notices.h"

#include <QDate>
#include <QString>
#include <QStringList>

#include <vector>

// The panel's own settings, in the user's settings file beside the windowed program's, section
// [Panel]: key Notify, "true" or "false" (absent or anything else: true, so that the user is told
// when a phase begins until they say otherwise), and key Told, the local date and the keys of the
// notices told on it, separated by blanks:
//   Told=2026-12-24 2026-12-24:Full-Moon 2026-12-24T01:28Z:full-moon
// Only one day's keys are kept, so the line never grows.
//
// The windowed program may rewrite the file at any time: every question reads it again. It is
// read only when it is a regular file of a sane size, and a file that could not be read is never
// written; a Told line that cannot be read counts as nothing told. Each Set... call rewrites only
// its own line, the file replaced whole or not at all.
class PanelSettings {
public:
    // The settings file of this user: SettingsFilePath(); its folders are made below the home.
    PanelSettings();
    // Another settings file; folders on its way are made below the folder given.
    PanelSettings(const QString& path, const QString& makeFoldersBelow);

    const QString& path() const { return path_; }

    bool notify() const;
    bool SetNotify(bool on);

    // The keys remembered as told, of whichever day was last remembered.
    QStringList told() const;
    bool WasTold(const QString& key) const { return told().contains(key); }

    // Adds the keys to those told on `day`; the keys of any other day are dropped. False, and
    // nothing written, when the file cannot be read or written or a key has anything but letters,
    // digits and ": . _ + -" (a blank would split it, a comma make the line a list).
    bool RememberTold(QDate day, const QStringList& keys);

private:
    bool Set(const QString& key, const QString& value);

    QString path_;
    QString makeFoldersBelow_;
};

// The notices not yet told, in their order: all of them when nothing was remembered.
std::vector<lunetide::PhaseNotice> UntoldNotices(const std::vector<lunetide::PhaseNotice>& notices,
                                                 const PanelSettings& settings);
