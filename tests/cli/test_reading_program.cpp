// Runs the built lunetide-reading program and checks what it writes and how it ends.

#include "core/moon_age.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QLocale>
#include <QProcess>
#include <QRegularExpression>
#include <QSettings>
#include <QTemporaryDir>
#include <QTest>

#include <pty.h>
#include <termios.h>
#include <unistd.h>

namespace {

struct Run {
    int status = -1; // -1 when the program did not exit normally
    QByteArray out;
    QByteArray err;
};

// Starts the program; with a clock, the system clock moved to that day for it alone (libfaketime).
void Start(QProcess& process, const QStringList& arguments, const QDate& clock)
{
    if (!clock.isValid())
        return process.start(QStringLiteral(LUNETIDE_READING_PROGRAM), arguments);
    QProcessEnvironment environment = process.processEnvironment();
    if (environment.isEmpty())
        environment = QProcessEnvironment::systemEnvironment();
    environment.insert("ASAN_OPTIONS",
                       environment.value("ASAN_OPTIONS") + ":verify_asan_link_order=0");
    process.setProcessEnvironment(environment);
    const qint64 days = QDate::currentDate().daysTo(clock);
    process.start("faketime",
                  QStringList{"-f", QStringLiteral("%1%2d").arg(days < 0 ? "" : "+").arg(days),
                              QStringLiteral(LUNETIDE_READING_PROGRAM)} +
                      arguments);
}

// outputFile "closed": the program starts with its standard output closed.
Run RunProgram(const QStringList& arguments, const QString& outputFile = {},
               const QDate& clock = {})
{
    QProcess process;
    if (outputFile == "closed")
        process.setChildProcessModifier([] { ::close(STDOUT_FILENO); });
    else if (!outputFile.isEmpty())
        process.setStandardOutputFile(outputFile);
    Start(process, arguments, clock);
    Run run;
    if (process.waitForFinished(60000) && process.exitStatus() == QProcess::NormalExit)
        run.status = process.exitCode();
    run.out = process.readAllStandardOutput();
    run.err = process.readAllStandardError();
    return run;
}

// What the program writes with the given environment added, into a pipe (columns 0) or onto a
// pseudo-terminal that many columns wide, on the day of the clock (see Start).
QByteArray Output(const QStringList& arguments, const QStringList& environment,
                  unsigned short columns = 0, const QDate& clock = {})
{
    QProcess process;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.remove("COLUMNS");
    for (const QString& entry : environment)
        env.insert(entry.section('=', 0, 0), entry.section('=', 1));
    process.setProcessEnvironment(env);
    int terminal = -1;
    int program = -1;
    const winsize size{24, columns, 0, 0};
    if (columns > 0) {
        if (openpty(&terminal, &program, nullptr, nullptr, &size) != 0)
            return "openpty failed";
        termios mode{};
        tcgetattr(program, &mode);
        mode.c_oflag &= ~tcflag_t(OPOST); // newlines as written, not turned into CR LF
        tcsetattr(program, TCSANOW, &mode);
        process.setChildProcessModifier([program] { dup2(program, STDOUT_FILENO); });
    }
    Start(process, arguments, clock);
    process.waitForFinished(60000);
    if (columns == 0)
        return process.readAllStandardOutput();
    close(program);
    QByteArray received;
    char buffer[4096];
    for (ssize_t got; (got = read(terminal, buffer, sizeof buffer)) > 0;)
        received.append(buffer, got);
    close(terminal);
    return received;
}

QList<QJsonObject> JsonLines(const QByteArray& out)
{
    QList<QJsonObject> objects;
    for (const QByteArray& line : out.split('\n')) {
        if (line.isEmpty())
            continue;
        QJsonParseError error;
        const QJsonDocument document = QJsonDocument::fromJson(line, &error);
        if (error.error != QJsonParseError::NoError || !document.isObject())
            qWarning() << "not a JSON object:" << line;
        objects.append(document.object());
    }
    return objects;
}

} // namespace

class ReadingProgramTest : public QObject {
    Q_OBJECT

    QTemporaryDir home_;

private slots:
    // The program draws its moon symbols as seen from where the user lives: every run here is
    // in the north, from an empty home in UTC.
    void initTestCase()
    {
        QVERIFY(home_.isValid());
        qputenv("HOME", QFile::encodeName(home_.path()));
        qunsetenv("XDG_CONFIG_HOME");
        qputenv("TZ", "UTC");
    }
    void dayAsText();
    void rangeAsTextHasABlankLineBetweenDays();
    void withoutADateReadsToday();
    void clockOutsideTheDaysThatCanBeRead_data();
    void clockOutsideTheDaysThatCanBeRead();
    void rangeAsJsonAcrossTheCenturyChange();
    void everyDayOfTheYearListInOrder();
    void monthAtAGlance();
    void monthAsJsonIsItsDays();
    void todayIsMarked_data();
    void todayIsMarked();
    void southernSymbolsAreTurned();
    void hemisphereSettingWinsOverTheTimeZone();
    void moonMarksFollowTheCharacterSet_data();
    void moonMarksFollowTheCharacterSet();
    void textsWrapOnlyOnATerminal_data();
    void textsWrapOnlyOnATerminal();
    void jsonNamesCarryNoOuterBlanks_data();
    void jsonNamesCarryNoOuterBlanks();
    void nextPhaseStarts();
    void skyOfADay_data();
    void skyOfADay();
    void badInput_data();
    void badInput();
    void helpAndVersion();
    void helpWrapsOnATerminal();
    void unwritableOutputIsAFailure_data();
    void unwritableOutputIsAFailure();
};

void ReadingProgramTest::dayAsText()
{
    const Run run = RunProgram({"2007-12-23"});
    QCOMPARE(run.status, 0);
    QCOMPARE(run.err, QByteArray());
    QCOMPARE(
        run.out,
        "2007-12-23 Sunday\n"
        "  Moon age  14 days\n"
        "  Phase     Full Moon (picture 15)\n"
        "            The full moon is a good time for predictions and trying out Magick. Good for healing projects too. \n"
        "  Sign      Moon In Capricorn\n"
        "  Keyword   Motivated\n"
        "            This is the right time to increase business sense and responsibility. Good for spells which involve power, work and dreams. Think calmly but don't do not become too logical.\n"
        "  Element   Earth\n"
        "            Magick related to the Earth element should be performed when the Moon is in any of the Earth Signs. This can include Magick related to illnesses, confidence, career, education, sports, romance, property and finance. \n");
}

void ReadingProgramTest::rangeAsTextHasABlankLineBetweenDays()
{
    const Run run = RunProgram({"--from", "2000-02-28", "--to", "2000-03-01"});
    QCOMPARE(run.status, 0);
    QVERIFY(!run.out.endsWith("\n\n"));
    const QStringList days = QString::fromUtf8(run.out).split("\n\n");
    QCOMPARE(days.size(), 3);
    QVERIFY(days[0].startsWith("2000-02-28 Monday\n"));
    QVERIFY(days[1].startsWith("2000-02-29 Tuesday\n"));
    QVERIFY(days[2].startsWith("2000-03-01 Wednesday\n"));
    QVERIFY(days[1].contains("\n  Sign      Moon In Pisces\n"));
    QCOMPARE(days[2].count('\n'), 9);
}

void ReadingProgramTest::withoutADateReadsToday()
{
    const QDate before = QDate::currentDate();
    const Run run = RunProgram({});
    const QDate after = QDate::currentDate();
    QCOMPARE(run.status, 0);
    const QDate shown = QDate::fromString(QString::fromLatin1(run.out.left(10)), Qt::ISODate);
    QVERIFY2(shown == before || shown == after, run.out.left(20));
}

// A clock set outside the days that can be read refuses a run that reads today, in one line, and
// leaves a run with a DATE as it is.
void ReadingProgramTest::clockOutsideTheDaysThatCanBeRead_data()
{
    QTest::addColumn<QDate>("clock");
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<int>("status");
    QTest::addColumn<QByteArray>("out");
    QTest::addColumn<QByteArray>("err");

    const QByteArray refused = "lunetide-reading: today's date from the system clock is in the "
                               "year %1, outside 1900-01-01 to 2099-12-31: give the date to read\n";
    QTest::newRow("year 499") << QDate(499, 3, 8) << QStringList() << 2 << QByteArray()
                              << QByteArray(refused).replace("%1", "499");
    QTest::newRow("year 10021") << QDate(10021, 8, 16) << QStringList() << 2 << QByteArray()
                                << QByteArray(refused).replace("%1", "10021");
    QTest::newRow("year 10021, --month")
        << QDate(10021, 8, 16) << QStringList{"--month"} << 2 << QByteArray()
        << QByteArray(refused).replace("%1", "10021");
    QTest::newRow("year 499, --next") << QDate(499, 3, 8) << QStringList{"--next"} << 2
                                      << QByteArray() << QByteArray(refused).replace("%1", "499");
    QTest::newRow("year 2100, --next") << QDate(2100, 1, 5) << QStringList{"--next"} << 2
                                       << QByteArray() << QByteArray(refused).replace("%1", "2100");
    QTest::newRow("year 10021, a DATE") << QDate(10021, 8, 16) << QStringList{"2007-12-23"} << 0
                                        << QByteArray("2007-12-23 Sunday\n") << QByteArray();
}

void ReadingProgramTest::clockOutsideTheDaysThatCanBeRead()
{
    QFETCH(QDate, clock);
    QFETCH(QStringList, arguments);
    QFETCH(int, status);
    QFETCH(QByteArray, out);
    QFETCH(QByteArray, err);

    const Run run = RunProgram(arguments, {}, clock);
    QCOMPARE(run.err, err);
    QCOMPARE(run.status, status);
    QVERIFY2(run.out.startsWith(out), run.out.left(40));
}

void ReadingProgramTest::rangeAsJsonAcrossTheCenturyChange()
{
    const Run run = RunProgram({"--json", "--from", "1999-12-30", "--to", "2000-01-02"});
    QCOMPARE(run.status, 0);
    QVERIFY(run.out.endsWith("}\n"));
    QCOMPARE(run.out.count('\n'), 4); // compact: one line per day
    const QList<QJsonObject> days = JsonLines(run.out);

    const QStringList keys = {"date",      "moonAge", "phase",       "picture",
                              "phaseText", "sign",    "signTitle",   "keyword",
                              "signText",  "element", "elementText", "hemisphere"};
    const struct {
        const char* date;
        int age;
        const char* phase;
    } expected[] = {{"1999-12-30", 22, "Waning Moon"},
                    {"1999-12-31", 23, "Waning Moon"},
                    {"2000-01-01", 26, "Dark Moon"},
                    {"2000-01-02", 27, "Dark Moon"}};
    QStringList sortedKeys = keys;
    sortedKeys.sort();
    QCOMPARE(days.size(), 4);
    for (int i = 0; i < 4; ++i) {
        const QJsonObject& day = days[i];
        QCOMPARE(day.keys(), sortedKeys); // QJsonObject lists its keys sorted
        QCOMPARE(day["date"].toString(), expected[i].date);
        QVERIFY(day["moonAge"].isDouble());
        QCOMPARE(day["moonAge"].toInt(), expected[i].age);
        QCOMPARE(day["picture"].toInt(), expected[i].age + 1);
        QCOMPARE(day["phase"].toString(), expected[i].phase);
        QCOMPARE(day["sign"].toString(), "Capricorn");
        QCOMPARE(day["signTitle"].toString(), "Moon In Capricorn");
        QCOMPARE(day["element"].toString(), "Earth");
        QVERIFY(day["elementText"].toString().endsWith("property and finance. "));
    }

    const QList<QJsonObject> fullMoon = JsonLines(RunProgram({"2007-12-23", "--json"}).out);
    QCOMPARE(fullMoon.size(), 1);
    QVERIFY(fullMoon[0]["phaseText"].toString().endsWith("healing projects too. "));
}

void ReadingProgramTest::everyDayOfTheYearListInOrder()
{
    const Run run = RunProgram({"--json", "--from", "1901-01-01", "--to", "2050-12-31"});
    QCOMPARE(run.status, 0);
    const QList<QJsonObject> days = JsonLines(run.out);
    QCOMPARE(days.size(), 54787);
    QDate date(1901, 1, 1);
    for (const QJsonObject& day : days) {
        const int age = lunetide::MoonAgeOf(date.year(), date.month(), date.day());
        if (day["date"].toString() != date.toString(Qt::ISODate) || day["moonAge"].toInt() != age ||
            day["picture"].toInt() != age + 1)
            QFAIL(qPrintable(QJsonDocument(day).toJson(QJsonDocument::Compact)));
        date = date.addDays(1);
    }
}

void ReadingProgramTest::monthAtAGlance()
{
    // Every day is five columns wide (the symbols take two each), so the days line up under the
    // weekday names; December 2026 begins on a Tuesday.
    const Run run = RunProgram({"--month", "2026-12"}, {}, QDate(2026, 11, 30));
    QCOMPARE(run.status, 0);
    QCOMPARE(run.err, QByteArray());
    QCOMPARE(QString::fromUtf8(run.out),
             QString::fromUtf8("              December 2026\n"
                               "Mo    Tu    We    Th    Fr    Sa    Su\n"
                               "       1 🌖  2 🌗  3 🌗  4 🌗  5 🌘  6 🌘\n"
                               " 7 🌘  8 🌘  9 🌑 10 🌑 11 🌑 12 🌑 13 🌒\n"
                               "14 🌒 15 🌒 16 🌒 17 🌓 18 🌓 19 🌓 20 🌓\n"
                               "21 🌔 22 🌔 23 🌔 24 🌕 25 🌕 26 🌕 27 🌕\n"
                               "28 🌖 29 🌖 30 🌖 31 🌖\n"
                               "\n"
                               " 1-4   Waning Moon\n"
                               " 5-12  Dark Moon\n"
                               "13-16  New Moon\n"
                               "17-21  Waxing Moon\n"
                               "22-26  Full Moon\n"
                               "27-31  Waning Moon\n"));

    // A leap February that begins on a Tuesday, with the jump at the century change's month.
    const Run leap = RunProgram({"--month", "2000-02"});
    QVERIFY(leap.out.contains(QString::fromUtf8("\n28 🌗 29 🌗\n\n").toUtf8()));
    // A run of one day at the end of the month.
    QVERIFY(RunProgram({"--month", "2024-08"}).out.endsWith("\n31     Dark Moon\n"));

    // Without a month, this one.
    const auto titleOf = [](QDate day) {
        return QLocale::c().monthName(day.month()) + ' ' + QString::number(day.year());
    };
    const QDate before = QDate::currentDate();
    const Run current = RunProgram({"--month"});
    const QString title = QString::fromUtf8(current.out.left(current.out.indexOf('\n'))).trimmed();
    QVERIFY2(title == titleOf(before) || title == titleOf(QDate::currentDate()), qPrintable(title));
}

void ReadingProgramTest::monthAsJsonIsItsDays()
{
    const Run month = RunProgram({"--month", "2000-02", "--json"});
    QCOMPARE(month.status, 0);
    QCOMPARE(month.out, RunProgram({"--json", "--from", "2000-02-01", "--to", "2000-02-29"}).out);
}

// Today's mark leaves every column where it was.
void ReadingProgramTest::todayIsMarked_data()
{
    QTest::addColumn<unsigned short>("terminalColumns"); // 0: output into a pipe
    QTest::addColumn<QString>("week");
    QTest::newRow("pipe: a star after the number") << (unsigned short)0 << "22 🌔 23*🌔 24 🌕";
    QTest::newRow("terminal: the number in bold")
        << (unsigned short)80 << "22 🌔 \033[1m23\033[0m 🌔 24 🌕";
}

void ReadingProgramTest::todayIsMarked()
{
    QFETCH(unsigned short, terminalColumns);
    QFETCH(QString, week);
    const QByteArray out = Output({"--month", "2026-12"}, {}, terminalColumns, QDate(2026, 12, 23));
    QVERIFY2(out.contains(week.toUtf8()), out);
}

// From the south every lit moon is the other way round; names, ages and pictures stay the same.
void ReadingProgramTest::southernSymbolsAreTurned()
{
    const QList<std::pair<QString, QString>> turned = {{"🌒", "🌘"}, {"🌓", "🌗"}, {"🌔", "🌖"},
                                                       {"🌘", "🌒"}, {"🌗", "🌓"}, {"🌖", "🌔"}};
    QString expected =
        QString::fromUtf8(RunProgram({"--month", "2026-12", "--hemisphere", "north"}).out);
    for (qsizetype i = 0; i < expected.size(); ++i) {
        for (const auto& [north, south] : turned) {
            if (expected.mid(i, 2) == north) {
                expected.replace(i, 2, south);
                break;
            }
        }
    }
    const Run south = RunProgram({"--month", "2026-12", "--hemisphere", "south"});
    QCOMPARE(QString::fromUtf8(south.out), expected);

    for (const QString hemisphere : {"north", "south"}) {
        const QList<QJsonObject> days =
            JsonLines(RunProgram({"--json", "2007-12-23", "--hemisphere", hemisphere}).out);
        QCOMPARE(days.size(), 1);
        QCOMPARE(days[0]["hemisphere"].toString(), hemisphere);
        QCOMPARE(days[0]["picture"].toInt(), 15);
    }
}

void ReadingProgramTest::hemisphereSettingWinsOverTheTimeZone()
{
    QTemporaryDir config;
    QSettings(config.filePath("Lunetide/lunetide.conf"), QSettings::IniFormat)
        .setValue("Settings/Hemisphere", "south");
    const QByteArray out =
        Output({"--json", "2007-12-23"}, {"XDG_CONFIG_HOME=" + config.path(), "TZ=Europe/Berlin"});
    QVERIFY2(out.contains("\"hemisphere\":\"south\""), out);
}

// A locale whose character set is not UTF-8 gets two ASCII characters for each moon, in the same
// columns; the symbol of each day is the one the UTF-8 grid shows.
void ReadingProgramTest::moonMarksFollowTheCharacterSet_data()
{
    QTest::addColumn<QStringList>("environment");
    QTest::addColumn<bool>("ascii"); // else the UTF-8 grid of monthAtAGlance
    QTest::newRow("C.UTF-8") << QStringList{"LC_ALL=C.UTF-8"} << false;
    QTest::newRow("C") << QStringList{"LC_ALL=C"} << true;
    QTest::newRow("POSIX") << QStringList{"LC_ALL=POSIX"} << true;
    QTest::newRow("LANG=C alone") << QStringList{"LC_ALL=", "LC_CTYPE=", "LANG=C"} << true;
    QTest::newRow("LANG=C, LC_CTYPE=C.UTF-8")
        << QStringList{"LC_ALL=", "LANG=C", "LC_CTYPE=C.UTF-8"} << false;
}

void ReadingProgramTest::moonMarksFollowTheCharacterSet()
{
    QFETCH(QStringList, environment);
    QFETCH(bool, ascii);
    const QByteArray out = Output({"--month", "2026-12"}, environment, 0, QDate(2026, 11, 30));
    if (!ascii) {
        QCOMPARE(out, RunProgram({"--month", "2026-12"}, {}, QDate(2026, 11, 30)).out);
        return;
    }
    QVERIFY2(out.contains("Mo    Tu    We    Th    Fr    Sa    Su\n"
                          "       1 (O  2 (|  3 (|  4 (|  5 (.  6 (.\n"
                          " 7 (.  8 (.  9 () 10 () 11 () 12 () 13 .)\n"
                          "14 .) 15 .) 16 .) 17 |) 18 |) 19 |) 20 |)\n"
                          "21 O) 22 O) 23 O) 24 OO 25 OO 26 OO 27 OO\n"
                          "28 (O 29 (O 30 (O 31 (O\n\n"),
             out);
}

// On a terminal every line fits its width and the texts keep their indent and their words; a pipe
// gets the same bytes whatever $COLUMNS says.
void ReadingProgramTest::textsWrapOnlyOnATerminal_data()
{
    QTest::addColumn<unsigned short>("terminalColumns"); // 0: output into a pipe
    QTest::addColumn<QStringList>("environment");
    QTest::addColumn<int>("width"); // the widest a line may be; 0: as in a pipe, unwrapped

    QTest::newRow("terminal of 60") << (unsigned short)60 << QStringList() << 60;
    QTest::newRow("terminal of 80") << (unsigned short)80 << QStringList() << 80;
    QTest::newRow("the terminal's size wins over COLUMNS")
        << (unsigned short)70 << QStringList{"COLUMNS=30"} << 70;
    QTest::newRow("a line exactly as wide as the terminal")
        << (unsigned short)110 << QStringList() << 110;
    QTest::newRow("terminal of 300: nothing to wrap") << (unsigned short)300 << QStringList() << 0;
    QTest::newRow("pipe, COLUMNS=40") << (unsigned short)0 << QStringList{"COLUMNS=40"} << 0;
}

void ReadingProgramTest::textsWrapOnlyOnATerminal()
{
    QFETCH(unsigned short, terminalColumns);
    QFETCH(QStringList, environment);
    QFETCH(int, width);

    const QStringList arguments = {"--from", "2007-12-23", "--to", "2007-12-24"};
    const QByteArray unwrapped = RunProgram(arguments).out;
    const QByteArray out = Output(arguments, environment, terminalColumns);
    if (width == 0) {
        QCOMPARE(out, unwrapped);
        return;
    }
    // Joined again, the lines under each label are the text, blanks at the ends aside.
    const QByteArray indent(12, ' ');
    const auto joined = [&indent](const QByteArray& text) {
        QList<QByteArray> lines;
        for (const QByteArray& line : text.split('\n')) {
            const bool isText = line.startsWith(indent);
            if (isText && !lines.isEmpty() && lines.last().startsWith(indent))
                lines.last() += ' ' + line.trimmed();
            else
                lines.append(isText ? indent + line.trimmed() : line);
        }
        return lines;
    };
    int textLines = 0;
    for (const QByteArray& line : out.split('\n')) {
        QVERIFY2(line.size() <= width, line);
        textLines += line.startsWith(indent);
    }
    QVERIFY(textLines > 6);                         // six texts, some of them on more than one line
    for (QByteArray line : unwrapped.split('\n')) { // a line that fits, blanks at its end aside
        while (line.size() > width && line.endsWith(' '))
            line.chop(1);
        QVERIFY2(line.size() > width || out.contains(line + '\n'), line);
    }
    QCOMPARE(joined(out), joined(unwrapped));
}

// jq 'select(.keyword=="Caring")' finds the days: the names that end in a blank in the windows
// carry none in JSON, while the texts keep theirs.
void ReadingProgramTest::jsonNamesCarryNoOuterBlanks_data()
{
    QTest::addColumn<QString>("date");
    QTest::addColumn<QString>("keyword");
    QTest::addColumn<QString>("shown"); // as the window and the text output show it
    QTest::newRow("Taurus") << "2026-05-01"
                            << "Physical"
                            << "Physical ";
    QTest::newRow("Gemini") << "2026-06-01"
                            << "Inquisitiveness"
                            << "Inquisitiveness ";
    QTest::newRow("Cancer") << "2026-07-01"
                            << "Caring"
                            << "Caring ";
    QTest::newRow("Libra") << "2026-10-01"
                           << "Helpful"
                           << "Helpful ";
    QTest::newRow("Scorpio") << "2026-11-01"
                             << "Idealistic"
                             << "Idealistic ";
    QTest::newRow("Capricorn, no blank to begin with") << "2007-12-23"
                                                       << "Motivated"
                                                       << "Motivated";
}

void ReadingProgramTest::jsonNamesCarryNoOuterBlanks()
{
    QFETCH(QString, date);
    QFETCH(QString, keyword);
    QFETCH(QString, shown);
    const QList<QJsonObject> days = JsonLines(RunProgram({"--json", date}).out);
    QCOMPARE(days.size(), 1);
    QCOMPARE(days[0]["keyword"].toString(), keyword);
    for (const char* name : {"phase", "sign", "signTitle", "keyword", "element"})
        QCOMPARE(days[0][name].toString(), days[0][name].toString().trimmed());
    QVERIFY(RunProgram({date}).out.contains(("\n  Keyword   " + shown + '\n').toUtf8()));
}

void ReadingProgramTest::nextPhaseStarts()
{
    const Run all = RunProgram({"--next", "--after", "2026-12-01"});
    QCOMPARE(all.status, 0);
    QVERIFY(all.out.startsWith("2026-12-05 Saturday   Dark Moon\n"
                               "2026-12-13 Sunday     New Moon\n"
                               "2026-12-17 Thursday   Waxing Moon\n"
                               "2026-12-22 Tuesday    Full Moon\n"
                               "2026-12-27 Sunday     Waning Moon\n"));
    // The sky's next four principal phases follow, from the day after --after.
    const QList<QByteArray> sky = all.out.split('\n').mid(5);
    QCOMPARE(sky.mid(0, 2), QList<QByteArray>({"", "In the sky, at the exact moment:"}));
    QCOMPARE(sky.size(), 7); // and the last line's end
    QVERIFY(sky[2].endsWith("  New Moon") && sky[5].endsWith("  Last Quarter"));

    // Strictly after: from the day a phase begins, its next start is a lunation later.
    const Run fromAStart = RunProgram({"--next", "Full Moon", "--after", "2026-12-22"});
    QCOMPARE(fromAStart.out, "2027-01-20 Wednesday  Full Moon\n");

    const QList<QJsonObject> json =
        JsonLines(RunProgram({"--next", "full moon", "--after", "2026-12-01", "--json"}).out);
    QCOMPARE(json.size(), 1);
    QCOMPARE(json[0]["date"].toString(), "2026-12-22");
    QCOMPARE(json[0]["phase"].toString(), "Full Moon");

    // Near the last day that can be read, a phase that begins in time is still found.
    QCOMPARE(RunProgram({"--next", "Full Moon", "--after", "2099-12-20"}).out,
             "2099-12-25 Friday     Full Moon\n");
}

// The sky of 24 December 2026 at local noon: the place from --place, the settings or the time
// zone, the full moon named by the place's hemisphere, no rise nor set in the polar night.
void ReadingProgramTest::skyOfADay_data()
{
    QTest::addColumn<QByteArray>("zone");
    QTest::addColumn<QByteArray>("settings"); // the settings file's [Settings] lines
    QTest::addColumn<QString>("place");       // --place, or none
    QTest::addColumn<QString>("expected");    // place's name, first phase's name and minute, rise
    QTest::newRow("Sydney, the zone's place")
        << QByteArray("Australia/Sydney") << QByteArray() << QString()
        << "Sydney Strawberry Moon 2026-12-24T12:28 2026-12-24T20:36";
    QTest::newRow("the place set, south of the zone")
        << QByteArray("Europe/Berlin") << QByteArray("Latitude=-33.87\nLongitude=13.4\n")
        << QString() << "null Strawberry Moon 2026-12-24T02:28 rise";
    QTest::newRow("--place over the setting, in the polar night")
        << QByteArray("Europe/Oslo") << QByteArray("Latitude=-33.87\nLongitude=13.4\n")
        << "78.22,15.65"
        << "null Cold Moon 2026-12-24T02:28 null";
    QTest::newRow("no place in UTC")
        << QByteArray("UTC") << QByteArray() << QString() << "none Cold Moon 2026-12-24T01:28 null";
}

void ReadingProgramTest::skyOfADay()
{
    QFETCH(QByteArray, zone);
    QFETCH(QByteArray, settings);
    QFETCH(QString, place);
    QFETCH(QString, expected);

    QTemporaryDir home;
    QVERIFY(QDir().mkpath(home.filePath(".config/Lunetide")));
    QFile file(home.filePath(".config/Lunetide/lunetide.conf"));
    QVERIFY(file.open(QIODevice::WriteOnly) && file.write("[Settings]\n" + settings) >= 0);
    file.close();
    const QByteArray oldZone = qgetenv("TZ");
    const QByteArray oldHome = qgetenv("HOME");
    qputenv("TZ", zone);
    qputenv("HOME", QFile::encodeName(home.path()));
    qunsetenv("XDG_CONFIG_HOME");
    QStringList arguments{"--sky", "--json", "2026-12-24"};
    if (!place.isEmpty())
        arguments << "--place" << place;
    const Run run = RunProgram(arguments);
    qputenv("TZ", oldZone);
    qputenv("HOME", oldHome);

    const QList<QJsonObject> days = JsonLines(run.out);
    QCOMPARE(days.size(), 1);
    const QJsonObject day = days[0];
    const QJsonObject full = day["phases"].toArray().at(0).toObject();
    const QString name = day["place"].isNull()           ? "none"
                         : day["place"]["name"].isNull() ? "null"
                                                         : day["place"]["name"].toString();
    const QString rise = day["moonrise"].isNull() ? "null" : day["moonrise"].toString().left(16);
    QCOMPARE(name + ' ' + full["name"].toString() + ' ' + full["at"].toString().left(16) + ' ' +
                 (expected.endsWith(" rise") && rise != "null" ? "rise" : rise),
             expected);
    QCOMPARE(day["at"].toString().mid(10, 9), "T12:00:00");
}

void ReadingProgramTest::badInput_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<QString>("message"); // after "lunetide-reading: "

    QTest::newRow("no 29 February in 2001")
        << QStringList{"--from", "2001-02-29", "--to", "2001-03-01"}
        << "invalid date '2001-02-29' for --from: no such day";
    QTest::newRow("a place off the globe")
        << QStringList{"--sky", "--place", "91,0"}
        << "invalid place '91,0' for --place: give LAT,LON in decimal degrees, north and east "
           "positive (-33.87,151.21)";
    QTest::newRow("no 31 April") << QStringList{"2001-04-31"}
                                 << "invalid date '2001-04-31' for DATE: no such day";
    QTest::newRow("month 13") << QStringList{"--from", "2000-01-01", "--to", "2000-13-01"}
                              << "invalid date '2000-13-01' for --to: no such month";
    QTest::newRow("day 0") << QStringList{"2000-01-00"}
                           << "invalid date '2000-01-00' for DATE: no such day";
    QTest::newRow("two-digit year")
        << QStringList{"99-12-31"}
        << "invalid date '99-12-31' for DATE: the year must have four digits";
    QTest::newRow("five-digit year")
        << QStringList{"12000-01-01"}
        << "invalid date '12000-01-01' for DATE: the year must have four digits";
    QTest::newRow("year 999 padded")
        << QStringList{"0999-01-01"}
        << "invalid date '0999-01-01' for DATE: only 1900-01-01 to 2099-12-31 can be read";
    QTest::newRow("one-digit month")
        << QStringList{"2000-1-01"} << "invalid date '2000-1-01' for DATE: expected YYYY-MM-DD";
    QTest::newRow("slashes") << QStringList{"12/23/2007"}
                             << "invalid date '12/23/2007' for DATE: expected YYYY-MM-DD";
    QTest::newRow("empty") << QStringList{"--from", "", "--to", "2000-01-01"}
                           << "invalid date '' for --from: expected YYYY-MM-DD";
    QTest::newRow("trailing newline shown escaped")
        << QStringList{"2000-01-01\n"}
        << "invalid date '2000-01-01\\x0a' for DATE: expected YYYY-MM-DD";
    QTest::newRow("--from alone") << QStringList{"--from", "2000-01-01"}
                                  << "--from given without --to";
    QTest::newRow("--to alone") << QStringList{"--json", "--to", "2000-01-01"}
                                << "--to given without --from";
    QTest::newRow("DATE and a range")
        << QStringList{"2000-01-05", "--from", "2000-01-01", "--to", "2000-01-09"}
        << "DATE '2000-01-05' cannot be combined with --from and --to";
    QTest::newRow("two DATEs")
        << QStringList{"2000-01-01", "2000-01-02"}
        << "unexpected argument '2000-01-02': give one DATE, or --from and --to";
    QTest::newRow("--from twice") << QStringList{"--from",     "2000-01-01", "--from",
                                                 "2000-01-02", "--to",       "2000-01-03"}
                                  << "--from given more than once";
    QTest::newRow("backwards") << QStringList{"--from", "2000-01-02", "--to", "2000-01-01"}
                               << "--to 2000-01-01 is before --from 2000-01-02";
    QTest::newRow("the day before the first that can be read")
        << QStringList{"--from", "1899-12-31", "--to", "1900-01-01"}
        << "invalid date '1899-12-31' for --from: only 1900-01-01 to 2099-12-31 can be read";
    QTest::newRow("unknown option")
        << QStringList{"--moon"} << "unknown option --moon (try --help)";
    QTest::newRow("unknown option with a value")
        << QStringList{"--moon=full", "2007-12-23"} << "unknown option --moon (try --help)";
    QTest::newRow("unknown short option") << QStringList{"-x"} << "unknown option -x (try --help)";
    QTest::newRow("month with a day") << QStringList{"--month", "2026-12-01"}
                                      << "invalid month '2026-12-01' for --month: expected YYYY-MM";
    QTest::newRow("month 13") << QStringList{"--month", "2026-13"}
                              << "invalid month '2026-13' for --month: no such month";
    QTest::newRow("month of year 10000")
        << QStringList{"--month", "10000-01"}
        << "invalid month '10000-01' for --month: the year must have four digits";
    QTest::newRow("month after the last that can be read")
        << QStringList{"--month", "2100-01"}
        << "invalid month '2100-01' for --month: only 1900-01-01 to 2099-12-31 can be read";
    QTest::newRow("two months")
        << QStringList{"--month", "2026-11", "2026-12"}
        << "unexpected argument '2026-12': give one month (YYYY-MM) after --month";
    QTest::newRow("--month with a range")
        << QStringList{"--month", "--from", "2026-12-01", "--to", "2026-12-31"}
        << "give only one of --from and --to, --month or --next";
    QTest::newRow("--month and --next") << QStringList{"--month", "--next"}
                                        << "give only one of --from and --to, --month or --next";
    QTest::newRow("unknown phase")
        << QStringList{"--next", "Blue Moon"}
        << "unknown phase 'Blue Moon' for --next: give Dark Moon, New Moon, Waxing Moon, Full "
           "Moon or Waning Moon";
    QTest::newRow("phase name not quoted")
        << QStringList{"--next", "Full", "Moon"}
        << "unexpected argument 'Moon': give one PHASE after --next, in quotes (\"Full Moon\")";
    QTest::newRow("--after alone")
        << QStringList{"--after", "2026-12-01"} << "--after given without --next";
    QTest::newRow("--after past 9999")
        << QStringList{"--next", "--after", "10000-01-01"}
        << "invalid date '10000-01-01' for --after: the year must have four digits";
    QTest::newRow("--after the last day")
        << QStringList{"--next", "--after", "2099-12-31"} << "no day after 2099-12-31 can be read";
    QTest::newRow("next start past 2099")
        << QStringList{"--next", "--after", "2099-12-20"}
        << "Dark Moon does not begin after 2099-12-20 and by 2099-12-31, the last day that can "
           "be read";
    QTest::newRow("--ical and --json")
        << QStringList{"--ical", "--json", "2026-12-01"} << "--json and --ical cannot be combined";
    QTest::newRow("--ical with --next")
        << QStringList{"--ical", "--next"} << "--ical cannot be combined with --next";
    QTest::newRow("--ical past 2099")
        << QStringList{"--ical", "--from", "2099-12-01", "--to", "2100-01-01"}
        << "invalid date '2100-01-01' for --to: only 1900-01-01 to 2099-12-31 can be read";
    QTest::newRow("east") << QStringList{"--hemisphere", "east"}
                          << "invalid hemisphere 'east': give north or south";
    QTest::newRow("unknown field")
        << QStringList{"--format", "{phase} {colour}"}
        << "unknown field {colour} in --format: give {symbol}, {phase}, {age}, {sign}, "
           "{element}, {keyword}, {illumination}, {moonSign}, {nextFull} or {daysToFull}";
    QTest::newRow("a field not closed") << QStringList{"--format", "{phase"}
                                        << "lone '{' in --format '{phase': write {{ for a brace";
    QTest::newRow("a lone closing brace") << QStringList{"--format", "{age}}"}
                                          << "lone '}' in --format '{age}}': write }} for a brace";
    QTest::newRow("--waybar with a range")
        << QStringList{"--waybar", "--from", "2026-12-01", "--to", "2026-12-02"}
        << "--waybar cannot be combined with --json, --ical, --month, --next, --from, --to or --sky";
    QTest::newRow("--alarm alone")
        << QStringList{"--alarm", "-P1D"} << "--alarm given without --ical";
    QTest::newRow("--alarm not a duration")
        << QStringList{"--ical", "--alarm=1 day"}
        << "invalid duration '1 day' for --alarm: give one as RFC 5545 writes it, as -P1D, -PT2H, "
           "PT0S, -P1DT12H or -P2W";
    QTest::newRow("--from without a value")
        << QStringList{"--from"} << "Missing value after '--from'.";
}

void ReadingProgramTest::badInput()
{
    QFETCH(QStringList, arguments);
    QFETCH(QString, message);
    const Run run = RunProgram(arguments);
    QCOMPARE(run.status, 2);
    QCOMPARE(run.out, QByteArray());
    QCOMPARE(QString::fromUtf8(run.err), "lunetide-reading: " + message + '\n');
}

void ReadingProgramTest::helpAndVersion()
{
    const Run help = RunProgram({"--help"});
    QCOMPARE(help.status, 0);
    QCOMPARE(help.err, QByteArray());
    QVERIFY(
        help.out.startsWith("Usage: lunetide-reading [options] [DATE]\n"
                            "  or:  lunetide-reading [options] --from DATE --to DATE\n"
                            "  or:  lunetide-reading [options] --month [YYYY-MM]\n"
                            "  or:  lunetide-reading [options] --next [--after DATE] [PHASE]\n"));
    for (const char* part :
         {"--from <DATE>", "--json", "\n  --month [YYYY-MM]           Show", "--next",
          "--after <DATE>", "--ical", "\nExamples:\n", "  $ lunetide-reading --month 2026-12\n",
          "  $ lunetide-reading --next --after 2026-12-01 \"Full Moon\"\n",
          "  $ lunetide-reading --ical --month 2027-01 > moon.ics\n", "not UTF-8 (LANG=C)",
          "  -h, --help                  Show this help and exit.\n"})
        QVERIFY2(help.out.contains(part), part);
    // There are no Qt options to list: --help-all is not offered, and answers as --help does.
    QVERIFY(!help.out.contains("help-all"));
    QCOMPARE(RunProgram({"--help-all"}).out, help.out);

    const Run version = RunProgram({"--version"});
    QCOMPARE(version.status, 0);
    // The package's version, major.minor.release: one that dpkg takes as an upgrade.
    QVERIFY(
        QRegularExpression("^lunetide-reading 1\\.15\\.[0-9]+\n$").match(version.out).hasMatch());
}

// On a terminal the help fits its width and keeps the words a pipe gets.
void ReadingProgramTest::helpWrapsOnATerminal()
{
    const QByteArray out = Output({"--help"}, {}, 64);
    for (const QByteArray& line : out.split('\n'))
        QVERIFY2(line.size() <= 64, line);
    QCOMPARE(out.simplified(), RunProgram({"--help"}).out.simplified());
}

void ReadingProgramTest::unwritableOutputIsAFailure_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<QString>("output");
    QTest::addColumn<QByteArray>("err"); // its start
    const QByteArray full = "lunetide-reading: cannot write the output: ";
    const QByteArray closed = "lunetide-reading: standard output is closed\n";
    for (const QString output : {"/dev/full", "closed"}) {
        const QByteArray err = output == "closed" ? closed : full;
        const QByteArray name = output.toUtf8();
        QTest::addRow("a year of days, %s", name.constData())
            << QStringList{"--from", "2000-01-01", "--to", "2000-12-31"} << output << err;
        QTest::addRow("a month, %s", name.constData())
            << QStringList{"--month", "2026-12"} << output << err;
        QTest::addRow("next phases, %s", name.constData())
            << QStringList{"--next"} << output << err;
        QTest::addRow("a calendar file, %s", name.constData())
            << QStringList{"--ical", "--month", "2026-12"} << output << err;
        QTest::addRow("a status line, %s", name.constData())
            << QStringList{"--waybar"} << output << err;
    }
    QTest::newRow("--version, closed") << QStringList{"--version"} << "closed" << closed;
    QTest::newRow("a refusal, closed") << QStringList{"--bogus"} << "closed" << closed;
}

void ReadingProgramTest::unwritableOutputIsAFailure()
{
    QFETCH(QStringList, arguments);
    QFETCH(QString, output);
    QFETCH(QByteArray, err);
    if (output == "/dev/full" && !QFile::exists("/dev/full"))
        QSKIP("no /dev/full here");
    const Run run = RunProgram(arguments, output);
    QCOMPARE(run.status, 1);
    QVERIFY2(output == "closed" ? run.err == err : run.err.startsWith(err), run.err);
}

QTEST_GUILESS_MAIN(ReadingProgramTest)
#include "test_reading_program.moc"
