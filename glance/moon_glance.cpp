#include "glance/moon_glance.h"

#include "core/correspondence.h"
#include "sky_clock/sky_clock.h"

#include <QLocale>
#include <QStringList>

#include <algorithm>
#include <cmath>

namespace lunetide {
namespace {

QString Q(std::string_view text)
{
    return QString::fromUtf8(text.data(), qsizetype(text.size()));
}

// The program's texts are English: so are its dates, whatever the locale.
QString TimeText(const QDateTime& moment)
{
    return QLocale::c().toString(moment, QStringLiteral("HH:mm"));
}

QString RiseOrSet(const char* what, const std::optional<double>& at, const QTimeZone& zone)
{
    if (!at)
        return QStringLiteral("no %1 today").arg(QLatin1String(what));
    return QStringLiteral("%1 %2").arg(QLatin1String(what), TimeText(MomentOf(*at, zone)));
}

QString RiseSetLine(const MoonGlance& glance, const QTimeZone& zone)
{
    if (!glance.sky.moonDay)
        return QStringLiteral("No place is known for the moon's rise and set");
    const sky::MoonDay& day = *glance.sky.moonDay;
    QString line;
    if (day.upAllDay)
        line = QStringLiteral("The moon is up all day");
    else if (day.downAllDay)
        line = QStringLiteral("The moon is down all day");
    else
        line = RiseOrSet("rise", day.rise, zone) + QStringLiteral(", ") +
               RiseOrSet("set", day.set, zone);
    line[0] = line[0].toUpper();
    return line + QStringLiteral(" at ") + PlaceText(*glance.place);
}

} // namespace

std::optional<MoonGlance> GlanceAt(QDate day, const QDateTime& moment, const QTimeZone& zone,
                                   const std::optional<Place>& place, Hemisphere hemisphere)
{
    const std::optional<Reading> reading =
        ReadingOf(day.year(), day.month(), day.day(), TextCopy::Display);
    if (!reading || !reading->moon)
        return std::nullopt;
    MoonGlance glance;
    glance.day = day;
    glance.zone = zone;
    glance.moon = *reading->moon;
    glance.hemisphere = hemisphere;
    glance.sign = reading->sign;
    glance.element = reading->element;
    glance.keyword = Q(reading->signTexts.keyword).trimmed();
    glance.place = place;

    const double at = JulianDayOf(moment);
    const double latitude = place ? place->latitude : 0;
    // A lunation is shorter than kPhasesAhead: a full moon is always among these.
    const std::vector<sky::PhaseEvent> phases =
        sky::PhaseEventsBetween(std::min(at, LocalDayOf(day, zone).start), at + sky::kPhasesAhead,
                                latitude, OffsetIn(zone));
    std::optional<sky::GeoPlace> where;
    if (place)
        where = sky::GeoPlace{place->latitude, place->longitude};
    glance.sky = sky::SkyAt(at, LocalDayOf(day, zone), where, phases);
    for (const sky::PhaseEvent& event : phases) {
        if (event.fullMoon && event.julianDay > at) {
            glance.nextFullMoon = MomentOf(event.julianDay, zone);
            glance.nextFullMoonName = FullMoonWords(*event.fullMoon).join(QStringLiteral(", "));
            glance.daysToFullMoon = int(day.daysTo(glance.nextFullMoon.date()));
            break;
        }
    }
    return glance;
}

QString GlanceText(const MoonGlance& glance)
{
    const QTimeZone& zone = glance.zone;
    const QLocale english = QLocale::c();
    QStringList lines;
    lines << QStringLiteral("%1, the moon %2 days old")
                 .arg(Q(PhaseName(glance.moon.phase)))
                 .arg(glance.moon.age);
    lines << QStringLiteral("Moon In %1 (%2), %3")
                 .arg(Q(SignName(glance.sign)), glance.keyword,
                      Q(ElementTextsOf(glance.element, TextCopy::Display).name));
    lines << QStringLiteral("In the sky: %1 % lit, %2, the moon in %3")
                 .arg(int(std::lround(glance.sky.illumination.fraction * 100)))
                 .arg(glance.sky.illumination.waxing ? QStringLiteral("waxing")
                                                     : QStringLiteral("waning"),
                      Q(SignName(glance.sky.moonSign)));
    lines << RiseSetLine(glance, zone);
    if (glance.nextFullMoon.isValid())
        lines << QStringLiteral("Next full moon: %1 %2 (%3)")
                     .arg(english.toString(glance.nextFullMoon.date(), QStringLiteral("ddd d MMM")),
                          TimeText(glance.nextFullMoon), glance.nextFullMoonName);
    return lines.join(u'\n');
}

} // namespace lunetide
