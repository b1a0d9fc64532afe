#include "cli/sky_days.h"

#include "core/sun_sign.h"
#include "sky_clock/sky_clock.h"

#include <QJsonArray>

#include <cmath>

namespace lunetide::cli {
namespace {

QString Q(std::string_view text)
{
    return QString::fromUtf8(text.data(), qsizetype(text.size()));
}

QJsonValue Instant(const std::optional<double>& julianDay, const QTimeZone& zone)
{
    if (!julianDay)
        return QJsonValue::Null;
    return MomentOf(*julianDay, zone).toString(Qt::ISODate);
}

QString Local(double julianDay, const QTimeZone& zone)
{
    return MomentOf(julianDay, zone).toString(QStringLiteral("yyyy-MM-dd HH:mm"));
}

// A rise, set or transit of the day, or why there is none.
QString EventText(const std::optional<double>& julianDay, const sky::MoonDay& day,
                  const QTimeZone& zone)
{
    if (julianDay)
        return MomentOf(*julianDay, zone).toString(QStringLiteral("HH:mm"));
    if (day.upAllDay)
        return QStringLiteral("none, up all day");
    if (day.downAllDay)
        return QStringLiteral("none, down all day");
    return QStringLiteral("none today");
}

void AppendLine(QByteArray& out, const char* label, const QString& value)
{
    out.append(QByteArray(label).leftJustified(16, ' '));
    out.append(value.toUtf8());
    out.append('\n');
}

} // namespace

SkyDays::SkyDays(QDate first, QDate last, std::optional<Place> place, QTimeZone zone)
    : place_(std::move(place)), zone_(std::move(zone))
{
    phases_ = sky::PhaseEventsBetween(LocalDayOf(first, zone_).start,
                                      LocalDayOf(last, zone_).start + sky::kPhasesAhead,
                                      place_ ? place_->latitude : 0, OffsetIn(zone_));
}

sky::SkyReport SkyDays::At(QDate day, const QDateTime& moment) const
{
    std::optional<sky::GeoPlace> where;
    if (place_)
        where = sky::GeoPlace{place_->latitude, place_->longitude};
    return sky::SkyAt(JulianDayOf(moment), LocalDayOf(day, zone_), where, phases_);
}

QDateTime SkyDays::NoonOf(QDate day) const
{
    return QDateTime(day, QTime(12, 0), zone_);
}

QJsonObject SkyJson(QDate day, const sky::SkyReport& report, const SkyDays& days)
{
    const QTimeZone& zone = days.zone();
    QJsonObject object;
    object.insert(QStringLiteral("date"), day.toString(Qt::ISODate));
    object.insert(QStringLiteral("at"), Instant(report.at, zone));
    if (const std::optional<Place>& place = days.place()) {
        object.insert(QStringLiteral("place"),
                      QJsonObject{{QStringLiteral("latitude"), place->latitude},
                                  {QStringLiteral("longitude"), place->longitude},
                                  {QStringLiteral("name"), place->city.isEmpty()
                                                               ? QJsonValue(QJsonValue::Null)
                                                               : QJsonValue(place->city)}});
    } else {
        object.insert(QStringLiteral("place"), QJsonValue::Null);
    }
    object.insert(QStringLiteral("illumination"),
                  std::round(report.illumination.fraction * 1000) / 10);
    object.insert(QStringLiteral("waxing"), report.illumination.waxing);
    object.insert(QStringLiteral("moonSign"), Q(SignName(report.moonSign)));
    object.insert(QStringLiteral("moonSignEnds"), Instant(report.nextSign.julianDay, zone));
    const sky::MoonDay noEvents;
    const sky::MoonDay& moonDay = report.moonDay ? *report.moonDay : noEvents;
    object.insert(QStringLiteral("moonrise"), Instant(moonDay.rise, zone));
    object.insert(QStringLiteral("moonset"), Instant(moonDay.set, zone));
    object.insert(QStringLiteral("transit"), Instant(moonDay.transit, zone));
    QJsonArray phases;
    for (const sky::PhaseEvent& event : report.nextPhases) {
        const std::optional<sky::FullMoon>& full = event.fullMoon;
        phases.append(
            QJsonObject{{QStringLiteral("phase"), Q(sky::PrincipalPhaseName(event.phase))},
                        {QStringLiteral("at"), Instant(event.julianDay, zone)},
                        {QStringLiteral("name"),
                         full ? QJsonValue(Q(full->name)) : QJsonValue(QJsonValue::Null)},
                        {QStringLiteral("harvestMoon"), full && full->harvestMoon},
                        {QStringLiteral("blueMoon"), full && full->blueMoon},
                        {QStringLiteral("supermoon"), full && full->supermoon}});
    }
    object.insert(QStringLiteral("phases"), phases);
    return object;
}

void AppendSkyText(QByteArray& out, QDate day, const sky::SkyReport& report, const SkyDays& days)
{
    const QTimeZone& zone = days.zone();
    const QDateTime at = MomentOf(report.at, zone);
    const int offset = at.offsetFromUtc();
    out.append(QStringLiteral("%1  the moon in the sky at %2 (UTC%3%4:%5)\n")
                   .arg(day.toString(Qt::ISODate), at.toString(QStringLiteral("HH:mm")),
                        offset < 0 ? QStringLiteral("-") : QStringLiteral("+"))
                   .arg(std::abs(offset) / 3600, 2, 10, QChar(u'0'))
                   .arg(std::abs(offset) % 3600 / 60, 2, 10, QChar(u'0'))
                   .toUtf8());
    AppendLine(
        out, "Illuminated:",
        QStringLiteral("%1 %, %2")
            .arg(report.illumination.fraction * 100, 0, 'f', 1)
            .arg(report.illumination.waxing ? QStringLiteral("waxing") : QStringLiteral("waning")));
    AppendLine(out, "Moon in:",
               QStringLiteral("%1 until %2, then %3")
                   .arg(Q(SignName(report.moonSign)), Local(report.nextSign.julianDay, zone),
                        Q(SignName(report.nextSign.sign))));
    if (report.moonDay) {
        AppendLine(out, "Place:", PlaceText(*days.place()));
        AppendLine(out, "Moonrise:", EventText(report.moonDay->rise, *report.moonDay, zone));
        AppendLine(out, "Moonset:", EventText(report.moonDay->set, *report.moonDay, zone));
        AppendLine(out, "Transit:", EventText(report.moonDay->transit, *report.moonDay, zone));
    } else {
        AppendLine(out, "Place:", QStringLiteral("none known: give --place LAT,LON"));
    }
    const char* label = "Next phases:";
    for (const sky::PhaseEvent& event : report.nextPhases) {
        AppendLine(out, label,
                   Local(event.julianDay, zone) + QStringLiteral("  ") + PhaseEventTitle(event));
        label = "";
    }
}

QString PhaseEventTitle(const sky::PhaseEvent& event)
{
    QString title = Q(sky::PrincipalPhaseName(event.phase));
    if (const std::optional<sky::FullMoon>& full = event.fullMoon) {
        title += QStringLiteral(" (%1)").arg(FullMoonWords(*full).join(QStringLiteral(", ")));
    }
    return title;
}

void AppendSkyPhases(QByteArray& out, const std::vector<sky::PhaseEvent>& events,
                     const QTimeZone& zone)
{
    for (const sky::PhaseEvent& event : events) {
        out.append((Local(event.julianDay, zone) + QStringLiteral("  ") + PhaseEventTitle(event))
                       .toUtf8());
        out.append('\n');
    }
}

} // namespace lunetide::cli
