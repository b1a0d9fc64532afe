#pragma once

#include <QString>

// What a reading request writes into the display window. The main window fills it, the window
// registry hands it to the display window.

enum class ReadingKind { MoonPhase, ZodiacalMoon, ElementalMoon };

struct ReadingRequest {
    ReadingKind kind = ReadingKind::MoonPhase;

    // MoonPhase
    int picture = 15; // number of the moon picture, 1 to 30
    QString phaseName;
    QString phaseText;
    QString dateTime;  // clock text at the moment of the request
    QString givenDate; // month/day/year of the chosen date, e.g. 12/23/2007

    // ZodiacalMoon and ElementalMoon: false when the chosen date gave no sign, in which case the
    // frame comes to the front with its labels left as they were.
    bool hasSign = false;
    QString signTitle;
    QString keyword;
    QString signText;
    QString elementName;
    QString elementText;
};
