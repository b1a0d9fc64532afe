// Runs lunetide-reading --ical, reads the file back with libical and checks every event against
// the day-by-day readings.

#include "cli/day_output.h"

#include <libical/ical.h>

#include <QDateTime>
#include <QProcess>
#include <QTest>

#include <memory>

namespace {

struct Event {
    QString uid;
    QDate first;
    QDate end; // exclusive
    QString summary;
    QString description;
    QDateTime stamp;
};

QByteArray RunProgram(const QStringList& arguments)
{
    QProcess process;
    process.start(QStringLiteral(LUNETIDE_READING_PROGRAM), arguments);
    if (!process.waitForFinished(60000) || process.exitStatus() != QProcess::NormalExit ||
        process.exitCode() != 0)
        qWarning() << "the program failed:" << process.readAllStandardError();
    return process.readAllStandardOutput();
}

QDate DateOf(icaltimetype time)
{
    return QDate(time.year, time.month, time.day);
}

// The events of a calendar file, by libical's own parser; none when it finds a fault.
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
        // libical records what it could not parse as X-LIC-ERROR properties.
        if (icalcomponent_isa(c) != ICAL_VEVENT_COMPONENT || icalcomponent_count_errors(c) != 0 ||
            !icalcomponent_get_dtstart(c).is_date)
            return {};
        Event event;
        event.uid = QString::fromUtf8(icalcomponent_get_uid(c));
        event.first = DateOf(icalcomponent_get_dtstart(c));
        // The end date, or the start plus the length where the event gives one.
        event.end = DateOf(icalcomponent_get_dtend(c));
        event.summary = QString::fromUtf8(icalcomponent_get_summary(c));
        event.description = QString::fromUtf8(icalcomponent_get_description(c));
        const icaltimetype stamp = icalcomponent_get_dtstamp(c);
        if (!icaltime_is_utc(stamp))
            return {};
        event.stamp = QDateTime::fromSecsSinceEpoch(icaltime_as_timet(stamp), Qt::UTC);
        events.append(event);
    }
    return events;
}

QString Q(std::string_view text)
{
    return QString::fromUtf8(text.data(), qsizetype(text.size()));
}

// The texts of the readings as the calendar file gives them: without the blanks that end them,
// which a calendar file cannot keep.
QString WithoutTrailingBlanks(QString text)
{
    while (text.endsWith(u' '))
        text.chop(1);
    return text;
}

QString PhaseSummary(const lunetide::Reading& r)
{
    return Q(r.phaseTexts.name);
}

QString SignSummary(const lunetide::Reading& r)
{
    return WithoutTrailingBlanks(Q(r.signTexts.title) + ": " + Q(r.signTexts.keyword));
}

} // namespace

class CalendarFileTest : public QObject {
    Q_OBJECT

private slots:
    void eventsAreTheDayByDayReadings_data();
    void eventsAreTheDayByDayReadings();
    void sameRunsGiveSameUids();
};

void CalendarFileTest::eventsAreTheDayByDayReadings_data()
{
    QTest::addColumn<QDate>("first");
    QTest::addColumn<QDate>("last");
    QTest::addColumn<QDate>("earliest"); // where the runs may start at the latest...
    QTest::addColumn<QDate>("latest");   // ...and end at the latest

    const QDate none;
    QTest::newRow("the century change") << QDate(1999, 6, 15) << QDate(2001, 3, 1) << none << none;
    QTest::newRow("one day") << QDate(2007, 12, 23) << QDate(2007, 12, 23) << none << none;
    QTest::newRow("first readable day")
        << QDate(1000, 1, 1) << QDate(1000, 3, 1) << QDate(1000, 1, 1) << none;
    QTest::newRow("last day a calendar holds")
        << QDate(3000, 11, 1) << QDate(3000, 12, 31) << none << QDate(3000, 12, 31);
}

void CalendarFileTest::eventsAreTheDayByDayReadings()
{
    QFETCH(QDate, first);
    QFETCH(QDate, last);
    QFETCH(QDate, earliest);
    QFETCH(QDate, latest);

    const QDateTime before = QDateTime::currentDateTimeUtc().addSecs(-1);
    const QByteArray file = RunProgram(
        {"--ical", "--from", first.toString(Qt::ISODate), "--to", last.toString(Qt::ISODate)});
    const QDateTime after = QDateTime::currentDateTimeUtc().addSecs(1);
    QVERIFY(file.startsWith("BEGIN:VCALENDAR\r\nVERSION:2.0\r\n"));
    const QList<Event> events = EventsOf(file);
    QVERIFY(!events.isEmpty());

    // Each kind of event covers the range day by day, once, with maximal runs.
    QHash<QString, QDate> coveredUpTo; // by kind: the day after the last event's end
    QSet<QString> uids;
    for (const Event& event : events) {
        const QString kind = event.uid.section(u'-', 1, 1);
        QVERIFY2(kind == "phase" || kind == "sign", qPrintable(event.uid));
        QCOMPARE(event.uid,
                 "lunetide-" + kind + '-' + event.first.toString("yyyyMMdd") + "@veyrholt.com");
        QVERIFY2(!uids.contains(event.uid), qPrintable(event.uid));
        uids.insert(event.uid);
        QVERIFY(event.stamp >= before && event.stamp <= after);
        QVERIFY(event.first < event.end);
        if (coveredUpTo.contains(kind))
            QCOMPARE(event.first, coveredUpTo[kind]);
        else
            QVERIFY(event.first <= first);
        coveredUpTo[kind] = event.end;

        const bool phase = kind == "phase";
        for (QDate day = event.first; day < event.end; day = day.addDays(1)) {
            const lunetide::Reading reading = lunetide::cli::ReadingOfDay(day);
            const QString summary = phase ? PhaseSummary(reading) : SignSummary(reading);
            const QString description = WithoutTrailingBlanks(
                phase ? Q(reading.phaseTexts.text)
                      : Q(reading.signTexts.text) + "\n\nElement: " + Q(reading.elementTexts.name) +
                            '\n' + Q(reading.elementTexts.text));
            if (event.summary != summary || event.description != description)
                QFAIL(qPrintable(event.uid + " on " + day.toString(Qt::ISODate) + ": [" +
                                 event.summary + "] [" + event.description + "], not [" + summary +
                                 "] [" + description + ']'));
        }
        // A run begins where the day before reads differently, unless no earlier day is written.
        const auto summaryOn = [phase](QDate day) {
            const lunetide::Reading r = lunetide::cli::ReadingOfDay(day);
            return phase ? PhaseSummary(r) : SignSummary(r);
        };
        if (event.first != earliest)
            QVERIFY(summaryOn(event.first.addDays(-1)) != event.summary);
        if (event.end.addDays(-1) != latest)
            QVERIFY(summaryOn(event.end) != event.summary);
    }
    QCOMPARE(coveredUpTo.size(), 2);
    QVERIFY(coveredUpTo["phase"] > last);
    QVERIFY(coveredUpTo["sign"] > last);
}

void CalendarFileTest::sameRunsGiveSameUids()
{
    // An overlapping range names the runs they share alike, with the same texts and dates.
    const QList<Event> year =
        EventsOf(RunProgram({"--ical", "--from", "2027-01-01", "--to", "2027-12-31"}));
    const QList<Event> month = EventsOf(RunProgram({"--ical", "--month", "2027-06"}));
    QVERIFY(!month.isEmpty());
    for (const Event& event : month) {
        const auto same = std::find_if(year.begin(), year.end(),
                                       [&](const Event& e) { return e.uid == event.uid; });
        QVERIFY2(same != year.end(), qPrintable(event.uid));
        QCOMPARE(same->first, event.first);
        QCOMPARE(same->end, event.end);
        QCOMPARE(same->summary, event.summary);
        QCOMPARE(same->description, event.description);
    }
}

QTEST_GUILESS_MAIN(CalendarFileTest)
#include "test_calendar_file.moc"
