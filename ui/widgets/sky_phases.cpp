#include "ui/widgets/sky_phases.h"

#include "sky_clock/sky_clock.h"

#include <QLocale>
#include <QRegularExpression>

namespace lunetide::ui {
namespace {

QString Name(sky::PrincipalPhase phase)
{
    const std::string_view name = sky::PrincipalPhaseName(phase);
    return QString::fromUtf8(name.data(), qsizetype(name.size()));
}

// " (Cold Moon)", with the marks: " (Cold Moon, Blue Moon)"; nothing but for a full moon.
QString NameAndMarks(const sky::PhaseEvent& phase)
{
    if (!phase.fullMoon)
        return {};
    return QStringLiteral(" (%1)").arg(FullMoonWords(*phase.fullMoon).join(QStringLiteral(", ")));
}

// The locale's short time, to the minute (some locales' short format has seconds).
QString TimeText(const QDateTime& moment)
{
    const QLocale locale;
    QString format = locale.timeFormat(QLocale::ShortFormat);
    format.remove(QRegularExpression(QStringLiteral("[:.]?ss")));
    return locale.toString(moment.time(), format);
}

} // namespace

SkyPhases::SkyPhases(QDate first, QDate last, Hemisphere hemisphere, const QTimeZone& zone)
    : zone_(zone)
{
    if (!first.isValid() || !last.isValid())
        return;
    // Names go by the hemisphere: a latitude on its side of the equator.
    const double latitude = hemisphere == Hemisphere::South ? -1 : 1;
    phases_ = sky::PhaseEventsBetween(LocalDayOf(first, zone_).start, LocalDayOf(last, zone_).end,
                                      latitude, OffsetIn(zone_));
    for (const sky::PhaseEvent& phase : phases_)
        days_.push_back(MomentOf(phase.julianDay, zone_).date());
}

const sky::PhaseEvent* SkyPhases::On(QDate day) const
{
    for (std::size_t i = 0; i < days_.size(); ++i)
        if (days_[i] == day)
            return &phases_[i];
    return nullptr;
}

QString SkyPhases::Said(const sky::PhaseEvent& phase) const
{
    return Name(phase.phase).toLower() + QStringLiteral(" at ") +
           TimeText(MomentOf(phase.julianDay, zone_)) + NameAndMarks(phase);
}

QStringList SkyPhases::Lines(QDate month) const
{
    QStringList lines;
    for (std::size_t i = 0; i < phases_.size(); ++i) {
        if (days_[i].year() != month.year() || days_[i].month() != month.month())
            continue;
        lines << QStringLiteral("%1  %2  %3%4")
                     .arg(days_[i].day())
                     .arg(TimeText(MomentOf(phases_[i].julianDay, zone_)), Name(phases_[i].phase),
                          NameAndMarks(phases_[i]));
    }
    return lines;
}

} // namespace lunetide::ui
