// Runs lunetide-reading --ical, reads the file back with libical and checks every event against
// the day-by-day readings.

#include "cli/day_output.h"

#include <libical/ical.h>

#include <QDateTime>
#include <QProcess>
#include <QTest>

#include <algorithm>
#include <memory>

namespace {

struct Event {
    QString uid;
    QDate first;
    QDate end; // exclusive
    QString summary;
    QString description;
    QDateTime stamp;
    QDateTime at; // a timed event's start (a phase in the sky); invalid for a day's event
    bool operator==(const Event&) const = default;
};

QByteArray CalendarFile(const QStringList& arguments)
{
    QProcess process;
    process.start(QStringLiteral(LUNETIDE_READING_PROGRAM), QStringList{"--ical"} + arguments);
    if (!process.waitForFinished(60000) || process.exitStatus() != QProcess::NormalExit ||
        process.exitCode() != 0) {
        qWarning() << "the program failed:" << process.readAllStandardError();
        return {};
    }
    return process.readAllStandardOutput();
}

QDate DateOf(icaltimetype time)
{
    return QDate(time.year, time.month, time.day);
}

// The events of a calendar file by libical's own parser, which marks what it cannot read with
// X-LIC-ERROR properties; none when it finds a fault.
QList<Event> EventsOf(const QByteArray& file)
{
    struct Free {
        void operator()(icalcomponent* c) const { icalcomponent_free(c); }
    };
    const std::unique_ptr<icalcomponent, Free> calendar(icalparser_parse_string(file.constData()));
    if (!calendar || icalcomponent_isa(calendar.get()) != ICAL_VCALENDAR_COMPONENT)
        return {};
    QList<Event> events;
    for (icalcomponent* c = icalcomponent_get_first_component(calendar.get(), ICAL_ANY_COMPONENT);
         c; c = icalcomponent_get_next_component(calendar.get(), ICAL_ANY_COMPONENT)) {
        const icaltimetype stamp = icalcomponent_get_dtstamp(c);
        const icaltimetype start = icalcomponent_get_dtstart(c);
        if (icalcomponent_isa(c) != ICAL_VEVENT_COMPONENT || icalcomponent_count_errors(c) != 0 ||
            !(start.is_date || icaltime_is_utc(start)) || !icaltime_is_utc(stamp))
            return {};
        events.append({QString::fromUtf8(icalcomponent_get_uid(c)), DateOf(start),
                       DateOf(icalcomponent_get_dtend(c)), // also where the event gives a length
                       QString::fromUtf8(icalcomponent_get_summary(c)),
                       QString::fromUtf8(icalcomponent_get_description(c)),
                       QDateTime::fromSecsSinceEpoch(icaltime_as_timet(stamp), Qt::UTC),
                       start.is_date
                           ? QDateTime()
                           : QDateTime::fromSecsSinceEpoch(icaltime_as_timet(start), Qt::UTC)});
    }
    return events;
}

// The calendar's X-WR-CALNAME, as libical reads it.
QString CalendarNameOf(const QByteArray& file)
{
    struct Free {
        void operator()(icalcomponent* c) const { icalcomponent_free(c); }
    };
    const std::unique_ptr<icalcomponent, Free> calendar(icalparser_parse_string(file.constData()));
    if (!calendar)
        return {};
    for (icalproperty* p = icalcomponent_get_first_property(calendar.get(), ICAL_X_PROPERTY); p;
         p = icalcomponent_get_next_property(calendar.get(), ICAL_X_PROPERTY))
        if (qstrcmp(icalproperty_get_x_name(p), "X-WR-CALNAME") == 0)
            return QString::fromUtf8(icalproperty_get_x(p));
    return {};
}

QString Q(std::string_view text)
{
    return QString::fromUtf8(text.data(), qsizetype(text.size()));
}

// The summary and description of a day's phase or sign event, from its reading: without the blanks
// that end a text, which a calendar file cannot keep.
QString TextsOn(QDate day, bool phase)
{
    const lunetide::Reading r = lunetide::cli::ReadingOfDay(day);
    QString texts = phase ? Q(r.phaseTexts.name) + " | " + Q(r.phaseTexts.text)
                          : Q(r.signTexts.title) + ": " + Q(r.signTexts.keyword).trimmed() + " | " +
                                Q(r.signTexts.text) + "\n\nElement: " + Q(r.elementTexts.name) +
                                '\n' + Q(r.elementTexts.text);
    while (texts.endsWith(u' '))
        texts.chop(1);
    return texts;
}

} // namespace

class CalendarFileTest : public QObject {
    Q_OBJECT

private slots:
    void eventsAreTheDayByDayReadings_data();
    void eventsAreTheDayByDayReadings();
    void anOverlappingRangeGivesTheSameEvents();
    void skyPhasesAreTimedEvents();
};

void CalendarFileTest::eventsAreTheDayByDayReadings_data()
{
    QTest::addColumn<QDate>("first");
    QTest::addColumn<QDate>("last");
    QTest::addColumn<QDate>(
        "limit"); // a day where a run is cut short, as no further day is written

    QTest::newRow("the century change") << QDate(1999, 6, 15) << QDate(2001, 3, 1) << QDate();
    QTest::newRow("one day") << QDate(2007, 12, 23) << QDate(2007, 12, 23) << QDate();
    QTest::newRow("first day that can be read")
        << QDate(1900, 1, 1) << QDate(1900, 3, 1) << QDate(1900, 1, 1);
    QTest::newRow("last day that can be read")
        << QDate(2099, 11, 1) << QDate(2099, 12, 31) << QDate(2099, 12, 31);
}

void CalendarFileTest::eventsAreTheDayByDayReadings()
{
    QFETCH(QDate, first);
    QFETCH(QDate, last);
    QFETCH(QDate, limit);

    const QDateTime before = QDateTime::currentDateTimeUtc().addSecs(-1);
    const QByteArray file =
        CalendarFile({"--from", first.toString(Qt::ISODate), "--to", last.toString(Qt::ISODate)});
    const QDateTime after = QDateTime::currentDateTimeUtc().addSecs(1);
    QVERIFY(file.startsWith("BEGIN:VCALENDAR\r\nVERSION:2.0\r\n"));
    QCOMPARE(CalendarNameOf(file), QStringLiteral("Lunetide readings"));
    const QList<Event> events = EventsOf(file);
    QVERIFY(!events.isEmpty());

    // Each kind of event covers the range once, day after day, in whole runs of one reading.
    QHash<QString, QDate> coveredUpTo; // by kind: the day after the last event's end
    QSet<QString> uids;
    for (const Event& event : events) {
        if (event.at.isValid())
            continue; // a phase in the sky: see skyPhasesAreTimedEvents
        const QString kind = event.uid.section(u'-', 1, 1);
        const bool phase = kind == "phase";
        QCOMPARE(event.uid,
                 "lunetide-" + kind + '-' + event.first.toString("yyyyMMdd") + "@veyrholt.com");
        QVERIFY2(!uids.contains(event.uid), qPrintable(event.uid));
        uids.insert(event.uid);
        QVERIFY(event.stamp >= before && event.stamp <= after);
        QVERIFY(event.first < event.end);
        QVERIFY(event.first >= QDate(1900, 1, 1) && event.end <= QDate(2100, 1, 1));
        QCOMPARE(event.first, coveredUpTo.value(kind, std::min(event.first, first)));
        coveredUpTo[kind] = event.end;

        const QString texts = event.summary + " | " + event.description;
        for (QDate day = event.first; day < event.end; day = day.addDays(1))
            if (TextsOn(day, phase) != texts)
                QFAIL(qPrintable(day.toString(Qt::ISODate) + ": " + texts));
        if (event.first != limit)
            QVERIFY(TextsOn(event.first.addDays(-1), phase) != texts);
        if (event.end.addDays(-1) != limit)
            QVERIFY(TextsOn(event.end, phase) != texts);
    }
    QCOMPARE(coveredUpTo.keys().size(), 2);
    QVERIFY(coveredUpTo["phase"] > last && coveredUpTo["sign"] > last);
}

void CalendarFileTest::anOverlappingRangeGivesTheSameEvents()
{
    // So that importing both updates the events they share instead of adding copies.
    const QList<Event> year =
        EventsOf(CalendarFile({"--from", "2027-01-01", "--to", "2027-12-31"}));
    const QList<Event> month = EventsOf(CalendarFile({"--month", "2027-06"}));
    QCOMPARE(
        std::count_if(month.begin(), month.end(), [](const Event& e) { return !e.at.isValid(); }),
        8); // 6 phase runs and 2 signs, from 2027-05-21 to 2027-07-20
    for (Event event : month) {
        event.stamp = year.value(0).stamp; // written a moment apart
        QVERIFY2(year.contains(event), qPrintable(event.uid));
    }
}

// Each principal phase whose instant falls in the days written is an event at that instant (UTC),
// named with the full moon's name, beside the day's events; the first and last days' edges hold.
void CalendarFileTest::skyPhasesAreTimedEvents()
{
    qputenv("TZ", "Europe/Berlin");
    // The almanac's minutes of December 2026's phases, from 9 to 24 December.
    const QList<std::pair<QString, QString>> almanac = {
        {"lunetide-sky-newmoon-20261209@veyrholt.com New Moon", "2026-12-09T00:52:00Z"},
        {"lunetide-sky-firstquarter-20261217@veyrholt.com First Quarter", "2026-12-17T05:43:00Z"},
        {"lunetide-sky-fullmoon-20261224@veyrholt.com Full Moon (Cold Moon, supermoon)",
         "2026-12-24T01:28:00Z"}};
    QList<Event> timed;
    for (const Event& event :
         EventsOf(CalendarFile({"--from", "2026-12-09", "--to", "2026-12-24"})))
        if (event.at.isValid())
            timed << event;
    QCOMPARE(timed.size(), almanac.size());
    for (qsizetype i = 0; i < timed.size(); ++i) {
        QCOMPARE(timed[i].uid + ' ' + timed[i].summary, almanac[i].first);
        QVERIFY(qAbs(timed[i].at.secsTo(QDateTime::fromString(almanac[i].second, Qt::ISODate))) <=
                60);
    }
}

QTEST_GUILESS_MAIN(CalendarFileTest)
#include "test_calendar_file.moc"
