#pragma once

#include "sky/sky_report.h"

#include <QDate>
#include <QDateTime>

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
bool WriteCalendar(QDate first, QDate last, const QDateTime& stamp, std::FILE* out,
                   const std::vector<sky::PhaseEvent>& skyPhases = {});

} // namespace lunetide::cli
