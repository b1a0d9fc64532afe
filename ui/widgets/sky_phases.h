#pragma once

#include "core/hemisphere.h"
#include "sky/sky_report.h"

#include <QDate>
#include <QString>
#include <QStringList>
#include <QTimeZone>

#include <vector>

// The principal phases in the sky (new moon, first quarter, full moon, last quarter) of the days a
// calendar or a printed page shows, by their local date: the calendar marks those days, says the
// moment to a screen reader, and the page lists them under the phase runs.

namespace lunetide::ui {

class SkyPhases {
public:
    SkyPhases() = default;
    // The phases of first to last, in the zone; full moons named for the hemisphere.
    SkyPhases(QDate first, QDate last, Hemisphere hemisphere,
              const QTimeZone& zone = QTimeZone::systemTimeZone());

    // The first phase whose local date is the day; nullptr for a day without one.
    const sky::PhaseEvent* On(QDate day) const;

    // "full moon at 02:28 (Cold Moon)": what is said of a day's phase, in the locale's time.
    QString Said(const sky::PhaseEvent& phase) const;

    // One line a phase of the month: "24  02:28  Full Moon (Cold Moon)".
    QStringList Lines(QDate month) const;

private:
    QTimeZone zone_;
    std::vector<sky::PhaseEvent> phases_;
    std::vector<QDate> days_; // each phase's local date
};

} // namespace lunetide::ui
