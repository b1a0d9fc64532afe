#pragma once

#include "core/moon_age.h"

#include <QDate>
#include <QString>

#include <optional>
#include <vector>

// The next day on which each moon phase begins: the first day of a run of days with that phase.

namespace lunetide::cli {

inline constexpr MoonPhaseKind kAllPhases[] = {MoonPhaseKind::DarkMoon, MoonPhaseKind::NewMoon,
                                               MoonPhaseKind::WaxingMoon, MoonPhaseKind::FullMoon,
                                               MoonPhaseKind::WaningMoon};

struct PhaseStart {
    MoonPhaseKind phase;
    QDate day;
};

// The first day after `after` (not `after` itself) on which each phase begins, or only the given
// phase, in date order. A phase that does not begin again by 9999-12-31 is left out.
std::vector<PhaseStart> NextPhaseStarts(QDate after, std::optional<MoonPhaseKind> only);

// The phase of that name ("Full Moon"; letter case and surrounding blanks do not matter).
std::optional<MoonPhaseKind> PhaseNamed(const QString& name);

} // namespace lunetide::cli
