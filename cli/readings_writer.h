#pragma once

#include "cli/command_line.h"

#include <cstdio>

namespace lunetide::cli {

// Writes the reading of every day of the job, in date order, to `out` in large blocks. Returns
// false when the output could not be written (errno tells why).
bool WriteReadings(const ReadingJob& job, std::FILE* out);

} // namespace lunetide::cli
