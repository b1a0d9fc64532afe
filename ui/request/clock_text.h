#pragma once

#include <QDateTime>
#include <QLocale>
#include <QString>

// The clock text both working windows show: the time in the locale's long format without its time
// zone, " ; ", and the date in its short format with a four-digit year (en_US: 6:28:03 PM ;
// 12/6/2026).

namespace lunetide::ui {

QString ClockText(const QDateTime& moment, const QLocale& locale);

// ClockText of the current time in the default locale (the user's, unless a test sets another).
QString ClockTextNow();

// The locale's long time format with the time-zone field and the brackets or blank around it
// removed.
QString TimeFormatWithoutZone(const QLocale& locale);

// The locale's short date format, its year widened to four digits where it has two.
QString DateFormatWithFullYear(const QLocale& locale);

} // namespace lunetide::ui
