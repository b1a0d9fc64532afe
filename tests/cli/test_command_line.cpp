// What the command line asks for where the running program cannot show it cheaply: the day taken
// for "today" and the limits of the dates and ranges it accepts.

#include "cli/command_line.h"

#include <QTest>

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

QTEST_GUILESS_MAIN(CommandLineTest)
#include "test_command_line.moc"
