#pragma once

#include "sky/sky_report.h"

#include <QDate>
#include <QDateTime>
#include <QString>

#include <vector>

#include <cstdio>

// The readings of a range of days as an iCalendar file (RFC 5545) for calendar programs.

namespace lunetide::cli {

// Writes a calendar with one all-day event for each run of days with the same moon phase (the
// phase's name and text) and one for each run with the same sun sign (the sign's title and
// keyword; its text and its element's; the blanks that end a text are left out, as calendar files
// cannot keep them), for the runs that cover first to last. A run that reaches
// beyond the range is written whole, so that each event's UID, made of its kind and its first day,
// names the same event whatever range it came with: importing an overlapping range again updates
// the events instead of adding copies; no run reaches beyond the days the tool reads
// (kFirstTrustedDay to kLastTrustedDay), which must hold first and last. `stamp` is the
// DTSTAMP of every event (UTC). Returns false when the output could not be written (errno tells
// why) or libical failed.
//
// Each principal phase in the sky among `skyPhases` is a timed event at its instant (UTC),
// "Full Moon (Cold Moon)", with a UID of its phase and UTC day.
//
// With an `alarm` (see IsAlarmDuration), every phase event, of a run or in the sky, carries a
// reminder shown that long before (negative) or after its start; the sign events carry none. The
// UIDs stay the same with or without it, so importing again adds or removes the reminders.
bool WriteCalendar(QDate first, QDate last, const QDateTime& stamp, std::FILE* out,
                   const std::vector<sky::PhaseEvent>& skyPhases = {}, const QString& alarm = {});

// Whether the text is a duration as RFC 5545 writes it, whole: a sign, P, then weeks alone or days
// and a time (-P2W, -P1D, -PT2H, PT0S, -P1DT12H), uppercase, each number within libical's range
// and the whole shorter than 68 years.
bool IsAlarmDuration(const QString& text);

} // namespace lunetide::cli
