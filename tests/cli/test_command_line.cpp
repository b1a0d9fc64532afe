// What the command line asks for where the running program cannot show it cheaply: the day taken
// for "today", the limits of the dates and ranges it accepts, the reminders' durations, and a
// status line at any moment of a day.

#include "cli/command_line.h"
#include "cli/readings_writer.h"

#include <QTest>
#include <QTimeZone>

using namespace lunetide::cli;

namespace {

CommandLine Parse(QStringList arguments, QDate today = QDate(2007, 12, 23))
{
    arguments.prepend(QStringLiteral("lunetide-reading"));
    return ParseCommandLine(arguments, today);
}

} // namespace

class CommandLineTest : public QObject {
    Q_OBJECT

private slots:
    void withoutADateReadsTheGivenToday();
    void acceptedDays_data();
    void acceptedDays();
    void alarmDurations_data();
    void alarmDurations();
    void statusLines_data();
    void statusLines();
};

void CommandLineTest::withoutADateReadsTheGivenToday()
{
    const CommandLine plain = Parse({});
    QCOMPARE(plain.action, CommandLine::Action::Read);
    QCOMPARE(plain.job.first, QDate(2007, 12, 23));
    QCOMPARE(plain.job.last, QDate(2007, 12, 23));
    QCOMPARE(plain.job.format, OutputFormat::Text);

    const CommandLine json = Parse({"--json"}, QDate(2000, 2, 29));
    QCOMPARE(json.job.first, QDate(2000, 2, 29));
    QCOMPARE(json.job.format, OutputFormat::JsonLines);
}

void CommandLineTest::acceptedDays_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<QDate>("first");
    QTest::addColumn<QDate>("last");

    QTest::newRow("first day that can be read")
        << QStringList{"1900-01-01"} << QDate(1900, 1, 1) << QDate(1900, 1, 1);
    QTest::newRow("last day that can be read")
        << QStringList{"2099-12-31"} << QDate(2099, 12, 31) << QDate(2099, 12, 31);
    QTest::newRow("29 February of a leap year")
        << QStringList{"2000-02-29"} << QDate(2000, 2, 29) << QDate(2000, 2, 29);
    QTest::newRow("one-day range") << QStringList{"--from", "2007-12-23", "--to", "2007-12-23"}
                                   << QDate(2007, 12, 23) << QDate(2007, 12, 23);
    QTest::newRow("options written with =") << QStringList{"--to=2050-12-31", "--from=1901-01-01"}
                                            << QDate(1901, 1, 1) << QDate(2050, 12, 31);
    QTest::newRow("--month=") << QStringList{"--month=2026-02"} << QDate(2026, 2, 1)
                              << QDate(2026, 2, 28);
    QTest::newRow("--next=") << QStringList{"--next=full moon", "--after=2026-12-22"}
                             << QDate(2026, 12, 22) << QDate(2026, 12, 22);
    QTest::newRow("every day that can be read")
        << QStringList{"--from", "1900-01-01", "--to", "2099-12-31"} << QDate(1900, 1, 1)
        << QDate(2099, 12, 31);
}

void CommandLineTest::acceptedDays()
{
    QFETCH(QStringList, arguments);
    QFETCH(QDate, first);
    QFETCH(QDate, last);
    const CommandLine commandLine = Parse(arguments);
    QCOMPARE(commandLine.text, QString());
    QCOMPARE(commandLine.action, CommandLine::Action::Read);
    QCOMPARE(commandLine.job.first, first);
    QCOMPARE(commandLine.job.last, last);
}

void CommandLineTest::alarmDurations_data()
{
    QTest::addColumn<QString>("duration");
    QTest::addColumn<bool>("accepted");
    QTest::newRow("days and a time") << "-P1DT12H" << true;
    QTest::newRow("weeks") << "-P2W" << true;
    QTest::newRow("after the start, minutes alone") << "+PT15M" << true;
    QTest::newRow("the longest: 2^31 seconds less a few hours") << "P24855D" << true;
    QTest::newRow("a day past 2^31 seconds") << "P24856D" << false;
    QTest::newRow("a number past 32 bits") << "-P4294967297D" << false;
    QTest::newRow("digits after the last unit") << "P1D2" << false;
    QTest::newRow("weeks with days") << "P1W2D" << false;
    QTest::newRow("hours then seconds") << "PT1H30S" << false;
}

void CommandLineTest::alarmDurations()
{
    QFETCH(QString, duration);
    QFETCH(bool, accepted);
    // A refusal has no job: its alarm is empty.
    QCOMPARE(Parse({"--ical", "--alarm", duration}).job.alarm, accepted ? duration : QString());
}

// Today's status line at any moment, in UTC: the start of what is written.
void CommandLineTest::statusLines_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<QDateTime>("now");
    QTest::addColumn<QString>("written");
    const QDateTime fullMoon(QDate(2026, 12, 24), QTime(1, 28), QTimeZone::utc()); // 01:28:49
    QTest::newRow("every field and braces, after the day's full moon")
        << QStringList{"--format", "{{{phase}}} full|{symbol}|{age}|{sign}|{element}|{keyword}|"
                                   "{illumination}|{moonSign}|{nextFull}|{daysToFull}"}
        << fullMoon.addSecs(60)
        << "{Full Moon} full|🌕|15|Capricorn|Earth|Motivated|100|Cancer|2027-01-22 12:17|29\n";
    QTest::newRow("the same day, before it")
        << QStringList{"--format", "{nextFull} {daysToFull}"} << fullMoon << "2026-12-24 01:28 0\n";
    QTest::newRow("from the south, in ASCII")
        << QStringList{"--format", "{symbol}", "--hemisphere", "south", "ascii"}
        << fullMoon.addDays(-4) << "(|\n";
    // The class is the tradition's phase, not the sky's; the symbol the day's picture.
    QTest::newRow("waybar, a full moon's first day at 96 %")
        << QStringList{"--waybar"} << QDateTime(QDate(2026, 12, 22), QTime(12, 0), QTimeZone::utc())
        << "{\"class\":\"full-moon\",\"percentage\":96,\"text\":\"🌔 Full Moon\",\"tooltip\":\"Full";
    QTest::newRow("waybar, a waning moon's first day, its symbol full")
        << QStringList{"--waybar"} << QDateTime(QDate(2026, 12, 27), QTime(12, 0), QTimeZone::utc())
        << "{\"class\":\"waning-moon\",\"percentage\":83,\"text\":\"🌕 Waning Moon\"";
}

void CommandLineTest::statusLines()
{
    QFETCH(QStringList, arguments);
    QFETCH(QDateTime, now);
    QFETCH(QString, written);
    qputenv("TZ", "UTC");
    const bool ascii = arguments.removeAll("ascii") > 0;
    CommandLine commandLine = Parse(arguments, now.date());
    commandLine.job.moonMarks = ascii ? MoonMarks::Ascii : MoonMarks::Emoji;
    char* buffer = nullptr;
    std::size_t size = 0;
    std::FILE* out = open_memstream(&buffer, &size);
    QVERIFY(WriteReadings(commandLine.job, out, now) && std::fclose(out) == 0);
    const QString line = QString::fromUtf8(buffer, qsizetype(size));
    std::free(buffer);
    QCOMPARE(line.left(written.size()), written);
}

QTEST_GUILESS_MAIN(CommandLineTest)
#include "test_command_line.moc"
