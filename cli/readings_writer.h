#pragma once

#include "cli/command_line.h"

#include <QDateTime>

#include <cstdio>

namespace lunetide::cli {

// Writes what the job asks for to `out`: the reading of every day in date order (in large blocks),
// a month at a glance, the next phase starts, or a calendar file stamped with `now` (UTC). Returns
// false when the output could not be written (errno tells why).
bool WriteReadings(const ReadingJob& job, std::FILE* out, const QDateTime& now);

} // namespace lunetide::cli
