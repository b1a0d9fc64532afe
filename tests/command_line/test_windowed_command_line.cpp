#include "command_line/windowed_command_line.h"

#include <QDir>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

#include <sys/resource.h>

using Action = WindowedCommandLine::Action;

Q_DECLARE_METATYPE(WindowedCommandLine::Action)

class CommandLineTest : public QObject {
    Q_OBJECT

private slots:
    void parse_data();
    void parse();
    void realProgramAnswersWithoutDisplayOrLock_data();
    void realProgramAnswersWithoutDisplayOrLock();
    void displayOutOfReach_data();
    void displayOutOfReach();
};

void CommandLineTest::parse_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<Action>("action");
    QTest::addColumn<QString>("text"); // start of the text; for Run, the window opened on top

    QTest::newRow("none") << QStringList{} << Action::Run << "";
    QTest::newRow("Qt's options") << QStringList{"-platform", "offscreen",     "-style=Fusion",
                                                 "--reverse", "-qwindowtitle", "--help"}
                                  << Action::Run << "";
    QTest::newRow("--platform value")
        << QStringList{"--platform", "offscreen"} << Action::Run << "";
    // Qt takes no "=" after -platform: the program would start on its default platform.
    QTest::newRow("--platform=") << QStringList{"--platform=offscreen"} << Action::Refuse
                                 << "unknown option --platform (try --help)";
    QTest::newRow("--help") << QStringList{"--help"} << Action::ShowHelp
                            << "Usage: lunetide [options]\n";
    QTest::newRow("-h after Qt's") << QStringList{"-platform", "offscreen", "-h"}
                                   << Action::ShowHelp << "Usage: lunetide [options]\n";
    QTest::newRow("--help-all") << QStringList{"--help-all"} << Action::ShowHelp << "Usage: ";
    QTest::newRow("--version") << QStringList{"--version"} << Action::ShowVersion
                               << "lunetide 1.15";
    QTest::newRow("-v") << QStringList{"-v"} << Action::ShowVersion << "lunetide 1.15";
    QTest::newRow("--calendar") << QStringList{"--calendar"} << Action::Run << "calendar";
    QTest::newRow("--sky") << QStringList{"--sky"} << Action::Run << "sky";
    QTest::newRow("--sky --calendar") << QStringList{"--sky", "--calendar"} << Action::Refuse
                                      << "--calendar and --sky cannot be given together";
    QTest::newRow("unknown") << QStringList{"--bogus"} << Action::Refuse
                             << "unknown option --bogus (try --help)";
    QTest::newRow("unknown before help") << QStringList{"--bogus", "--help"} << Action::Refuse
                                         << "unknown option --bogus (try --help)";
    QTest::newRow("argument") << QStringList{"today"} << Action::Refuse
                              << "unexpected argument 'today'";
    QTest::newRow("control characters") << QStringList{"--\x1b[2J\nx"} << Action::Refuse
                                        << "unknown option --\\x1b[2J\\x0ax (try --help)";
}

void CommandLineTest::parse()
{
    QFETCH(QStringList, arguments);
    QFETCH(Action, action);
    QFETCH(QString, text);

    const WindowedCommandLine parsed =
        ParseWindowedCommandLine(QStringList{"/usr/bin/lunetide"} + arguments);
    QCOMPARE(parsed.action, action);
    const QString openings[] = {"", "calendar", "sky"}; // in the order of Opening
    const QString got =
        action == Action::Run ? openings[static_cast<int>(parsed.opening)] : parsed.text;
    QVERIFY2(text.isEmpty() ? got.isEmpty() : got.startsWith(text), qPrintable(got));
    if (action == Action::Refuse || action == Action::ShowVersion)
        QVERIFY(!parsed.text.contains(u'\n'));
    if (action == Action::ShowHelp)
        QVERIFY(parsed.text.contains(QStringLiteral("--version")));
}

void CommandLineTest::realProgramAnswersWithoutDisplayOrLock_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<int>("status");
    QTest::addColumn<QString>("out"); // start of standard output
    QTest::addColumn<QString>("err");
    QTest::addColumn<int>("softLimit"); // on open files; 0: as inherited
    QTest::addColumn<int>("hardLimit");

    const QString noDisplay =
        "lunetide: no display could be opened: neither DISPLAY nor WAYLAND_DISPLAY is set\n";
    QTest::newRow("--help") << QStringList{"--help"} << 0 << "Usage: lunetide [options]\n"
                            << "" << 0 << 0;
    QTest::newRow("--version") << QStringList{"-platform", "xcb", "--version"} << 0
                               << "lunetide 1.15."
                               << "" << 0 << 0;
    QTest::newRow("unknown") << QStringList{"--bogus"} << 2 << ""
                             << "lunetide: unknown option --bogus (try --help)\n"
                             << 0 << 0;
    QTest::newRow("no display") << QStringList{} << 1 << "" << noDisplay << 0 << 0;
    QTest::newRow("too few files allowed")
        << QStringList{} << 1 << ""
        << "lunetide: only 32 open files are allowed (ulimit -n), at least 64 are needed\n"
        << 32 << 32;
    QTest::newRow("a soft limit raised") << QStringList{} << 1 << "" << noDisplay << 10 << 1024;
    QTest::newRow("too few files, --version") << QStringList{"--version"} << 0 << "lunetide 1.15."
                                              << "" << 10 << 10;
}

// With no X server to reach, a program that tried to open a window would fail; one that took the
// single-instance lock would leave it in the runtime folder.
void CommandLineTest::realProgramAnswersWithoutDisplayOrLock()
{
    QFETCH(QStringList, arguments);
    QFETCH(int, status);
    QFETCH(QString, out);
    QFETCH(QString, err);
    QFETCH(int, softLimit);
    QFETCH(int, hardLimit);

    QTemporaryDir runtime;
    QVERIFY(runtime.isValid());
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.remove(QStringLiteral("DISPLAY"));
    environment.remove(QStringLiteral("WAYLAND_DISPLAY"));
    environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("xcb"));
    environment.insert(QStringLiteral("XDG_RUNTIME_DIR"), runtime.path());

    QProcess program;
    program.setProcessEnvironment(environment);
    if (softLimit > 0) {
        program.setChildProcessModifier([softLimit, hardLimit] {
            const struct rlimit limit {
                rlim_t(softLimit), rlim_t(hardLimit)
            };
            ::setrlimit(RLIMIT_NOFILE, &limit);
        });
    }
    program.start(QStringLiteral(LUNETIDE_PROGRAM), arguments);
    QVERIFY(program.waitForFinished(60000));
    const QString stdOut = QString::fromUtf8(program.readAllStandardOutput());
    QCOMPARE(program.exitStatus(), QProcess::NormalExit);
    QCOMPARE(program.exitCode(), status);
    if (out.isEmpty())
        QCOMPARE(stdOut, QString());
    else
        QVERIFY2(stdOut.startsWith(out) && stdOut.endsWith(u'\n'), qPrintable(stdOut));
    QCOMPARE(QString::fromUtf8(program.readAllStandardError()), err);
    QCOMPARE(QDir(runtime.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot),
             QStringList());
}

// A display that is named but cannot be reached: one line naming it, status 1, no lock.
void CommandLineTest::displayOutOfReach_data()
{
    QTest::addColumn<QString>("variable");
    QTest::addColumn<QString>("value");
    QTest::addColumn<QString>("platform");
    QTest::newRow("no X server there") << "DISPLAY"
                                       << ":1234"
                                       << "xcb";
    QTest::newRow("no Wayland display there") << "WAYLAND_DISPLAY"
                                              << "wayland-1234"
                                              << "wayland";
}

void CommandLineTest::displayOutOfReach()
{
    QFETCH(QString, variable);
    QFETCH(QString, value);
    QFETCH(QString, platform);

    QTemporaryDir runtime;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.remove(QStringLiteral("DISPLAY"));
    environment.remove(QStringLiteral("WAYLAND_DISPLAY"));
    environment.insert(variable, value);
    environment.insert(QStringLiteral("QT_QPA_PLATFORM"), platform);
    environment.insert(QStringLiteral("XDG_RUNTIME_DIR"), runtime.path());
    QProcess program;
    program.setProcessEnvironment(environment);
    program.start(QStringLiteral(LUNETIDE_PROGRAM), {});
    QVERIFY(program.waitForFinished(60000));
    QCOMPARE(program.exitStatus(), QProcess::NormalExit);
    QCOMPARE(program.exitCode(), 1);
    const QString err = QString::fromUtf8(program.readAllStandardError());
    const QString line = "lunetide: the display could not be opened: " + variable + '=' + value;
    QVERIFY2(err.startsWith(line) && err.count(u'\n') == 1 && err.endsWith(u'\n'), qPrintable(err));
    QCOMPARE(QDir(runtime.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot),
             QStringList());
}

QTEST_GUILESS_MAIN(CommandLineTest)
#include "test_windowed_command_line.moc"
