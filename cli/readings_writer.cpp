#include "cli/readings_writer.h"

#include "cli/day_output.h"

namespace lunetide::cli {
namespace {

constexpr qsizetype kBlockSize = 256 * 1024;

bool WriteBlock(QByteArray& block, std::FILE* out)
{
    const size_t size = size_t(block.size());
    const bool written = std::fwrite(block.constData(), 1, size, out) == size;
    block.resize(0); // keeps its capacity for the next block
    return written;
}

} // namespace

bool WriteReadings(const ReadingJob& job, std::FILE* out)
{
    QByteArray block;
    block.reserve(kBlockSize + 4096);
    DayJsonLines jsonLines;
    for (QDate day = job.first; day <= job.last; day = day.addDays(1)) {
        const Reading reading = ReadingOfDay(day);
        if (job.format == OutputFormat::JsonLines) {
            jsonLines.Append(block, day, reading);
        } else {
            if (day != job.first)
                block.append('\n'); // a blank line between days
            AppendDayText(block, day, reading);
        }
        if (block.size() >= kBlockSize && !WriteBlock(block, out))
            return false;
    }
    return WriteBlock(block, out) && std::fflush(out) == 0;
}

} // namespace lunetide::cli
