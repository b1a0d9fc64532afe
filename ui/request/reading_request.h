#pragma once

#include "core/hemisphere.h"
#include "core/reading.h"
#include "ui/request/chosen_date.h"

#include <QString>

#include <optional>

// What a reading request writes into the display window. The main window fills it, the window
// registry hands it to the display window.

enum class ReadingKind { MoonPhase, ZodiacalMoon, ElementalMoon };

struct ReadingRequest {
    ReadingKind kind = ReadingKind::MoonPhase;
    ChosenDate date;
    // The reading shown. For the zodiacal and elemental kinds, a date without a sign shows the sign
    // of the last date that had one; with none at all, the frame comes to the front with its labels
    // left as they were.
    std::optional<lunetide::Reading> reading;
    QString dateTime; // clock text at the moment of the request, shown beside a moon-phase reading
    lunetide::Hemisphere hemisphere =
        lunetide::Hemisphere::North; // the moon's picture is seen from
};
