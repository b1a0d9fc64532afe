#include "panel/notices/phase_notices.h"

#include "core/correspondence.h"
#include "core/moon_age.h"
#include "sky_clock/sky_clock.h"

#include <QLocale>

namespace lunetide {
namespace {

QString Q(std::string_view text)
{
    return QString::fromUtf8(text.data(), qsizetype(text.size()));
}

// The program's texts are English, and so are its dates and times, whatever the locale.
QString English(const QDateTime& moment, const char* format)
{
    return QLocale::c().toString(moment, QString::fromLatin1(format));
}

// Up to and including the first full stop that ends a sentence.
QString FirstSentence(const QString& text)
{
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (text[i] == u'.' && (i + 1 == text.size() || text[i + 1].isSpace()))
            return text.left(i + 1);
    }
    return text.trimmed();
}

QString SentenceCase(std::string_view name)
{
    const QString text = Q(name);
    return text.left(1) + text.mid(1).toLower();
}

// A name inside a key: blanks become hyphens.
QString KeyWord(const QString& name)
{
    return QString(name).replace(u' ', u'-');
}

PhaseNotice TraditionNotice(QDate day, MoonPhaseKind phase, const MoonShape& shape)
{
    const QString name = Q(PhaseName(phase));
    return {day.toString(Qt::ISODate) + u':' + KeyWord(name),
            name + QStringLiteral(" begins today"),
            FirstSentence(Q(PhaseTextsOf(phase, TextCopy::Display).text)), shape};
}

PhaseNotice SkyNotice(const sky::PhaseEvent& event, const QTimeZone& zone, const MoonShape& shape)
{
    const QDateTime local = MomentOf(event.julianDay, zone);
    const QString name = SentenceCase(sky::PrincipalPhaseName(event.phase));
    PhaseNotice notice{English(local.toUTC(), "yyyy-MM-dd'T'HH:mm'Z'") + u':' +
                           KeyWord(name.toLower()),
                       name + QStringLiteral(" at ") + English(local, "HH:mm"),
                       QStringLiteral("In the sky on %1 at %2")
                           .arg(English(local, "ddd d MMM yyyy"), English(local, "HH:mm")),
                       shape};
    if (event.fullMoon) {
        QStringList words = FullMoonWords(*event.fullMoon);
        notice.title += QStringLiteral(" (%1)").arg(words.takeFirst());
        if (!words.isEmpty())
            notice.body += QStringLiteral(" (%1)").arg(words.join(QStringLiteral(", ")));
    }
    return notice;
}

} // namespace

std::vector<PhaseNotice> NoticesOfDay(QDate day, const QTimeZone& zone,
                                      const std::optional<Place>& place, Hemisphere hemisphere)
{
    const QDate before = day.addDays(-1);
    if (!day.isValid() || !IsReadableYear(day.year()) || !IsReadableYear(before.year()))
        return {};
    const Moon moon = MoonOf(day.year(), day.month(), day.day());
    const MoonShape shape = SeenFrom(moon.shape, hemisphere);

    std::vector<PhaseNotice> notices;
    if (MoonOf(before.year(), before.month(), before.day()).phase != moon.phase)
        notices.push_back(TraditionNotice(day, moon.phase, shape));
    if (!zone.isValid())
        return notices;
    const sky::LocalDay local = LocalDayOf(day, zone);
    for (const sky::PhaseEvent& event : sky::PhaseEventsBetween(
             local.start, local.end, place ? place->latitude : 0, OffsetIn(zone)))
        notices.push_back(SkyNotice(event, zone, shape));
    return notices;
}

} // namespace lunetide
