#pragma once

#include "core/hemisphere.h"
#include "core/reading.h"

#include <QByteArray>
#include <QDate>
#include <QJsonObject>

// One day's reading as the terminal program writes it: a block of labelled lines, or one JSON
// object. Both carry the texts of the reading windows (the display copy) exactly, trailing blanks
// included.

namespace lunetide::cli {

// The reading of a date the terminal program writes: every date it takes (1900 to 2099) has a moon
// and a sign.
Reading ReadingOfDay(QDate date);

// Appends the text block of one day, each line ending in a newline; with `wrapColumns` above 0 the
// texts are wrapped to that width under their indent.
void AppendDayText(QByteArray& out, QDate date, const Reading& reading, int wrapColumns = 0);

// The object of one day, with the keys date, moonAge, phase, picture, phaseText, sign, signTitle,
// keyword, signText, element, elementText, and hemisphere: "north" or "south", the one the moon
// symbols of the same run are seen from. The names (phase, sign, signTitle, keyword, element)
// carry no blanks at either end, so that they can be compared; the texts are exact.
QJsonObject DayJson(QDate date, const Reading& reading, Hemisphere hemisphere);

// Appends the object of one day as one compact line, as QJsonDocument writes it. The text of a
// line depends only on the date, the moon's age and the sign, so the line of each age and sign is
// written once with a stand-in date of the same length, and each day's line is a copy of it with
// the day's date in the stand-in's place: a range of many days then costs little more than copying.
class DayJsonLines {
public:
    explicit DayJsonLines(Hemisphere hemisphere) : hemisphere_(hemisphere) {}

    void Append(QByteArray& out, QDate date, const Reading& reading);

private:
    struct Line {
        QByteArray json; // ending in a newline
        qsizetype dateAt = -1;
    };
    static constexpr int kMoonAges = 30;
    Hemisphere hemisphere_;
    Line lines_[kMoonAges * kSunSignCount]; // by moon age, then sign
};

} // namespace lunetide::cli
