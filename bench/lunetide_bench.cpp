// Measures what users feel: how fast Lunetide starts, how fast a reading shows, whether memory
// grows over many readings, and what the ticking clock costs while idle. Every figure is set
// beside baselines taken in the same run. Start-up is timed as whole processes until the first
// paint, each its own small program beside this one: a bare Qt window of the same size, a window
// showing one label, the floor (the main window's own form with its style sheet removed, the
// widgets every start-up of Lunetide has to build and paint) and Lunetide's own start-up.
//
// The calendar's opening and its move to the next month are timed against a plain QCalendarWidget
// program (plain_calendar) showing the same month.
//
// Without arguments it is the driver: it runs those programs and itself (for the requests and the
// calendar) as child processes, on the offscreen platform and, when DISPLAY is set, on X11, and
// prints one table.

#include "calendar_timing.h"

#include "app/forms.h"
#include "app/startup.h"
#include "ui/look/look.h"
#include "ui/windows/calendar_window.h"
#include "ui/windows/display_window.h"
#include "ui/windows/main_window.h"

#include "ui_calendar_window.h"
#include "ui_display_window.h"
#include "ui_main_window.h"

#include <QApplication>
#include <QComboBox>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QPushButton>
#include <QRadioButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTextStream>
#include <QThread>
#include <QWindow>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <unistd.h>

namespace {

constexpr int kStartupRuns = 21;
constexpr int kRequestSamples = 300;
constexpr int kDefaultCycles = 10000;
constexpr int kIdleSeconds = 60;

qint64 StatusKiB(const char* field)
{
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly))
        return -1;
    for (const QByteArray& line : status.readAll().split('\n')) {
        if (line.startsWith(field))
            return line.mid(qstrlen(field)).trimmed().split(' ').value(0).toLongLong();
    }
    return -1;
}

double Median(QList<double> values)
{
    std::sort(values.begin(), values.end());
    return values.isEmpty() ? 0 : values[values.size() / 2];
}

double Percentile95(QList<double> values)
{
    std::sort(values.begin(), values.end());
    return values.isEmpty() ? 0 : values[qMin(values.size() - 1, values.size() * 95 / 100)];
}

// Waits until the window is really on screen: mapped and exposed.
void WaitExposed(QWidget* window)
{
    while (!window->windowHandle() || !window->windowHandle()->isExposed())
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents, 5);
}

Forms::Sources QuietSources()
{
    Forms::Sources sources;
    sources.endEventLoop = [] {};
    return sources;
}

StartupServices QuietServices()
{
    StartupServices services;
    services.isOnlyInstance = [] { return true; };
    services.tellAlreadyRunning = [](const QString&) {};
    services.updateReminder = [] {};
    services.draw = [] { return 0.5; };
    return services;
}

// The date and reading the user picks before pressing the button.
void PickDate(frmMain* main, int i)
{
    main->ui()->cboDate->setCurrentIndex(i % 28);
    main->ui()->cboMonth->setCurrentIndex(i % 12);
    main->ui()->cboYear->setCurrentIndex(i % 150);
    main->ui()->optMoonPhase->setChecked(true);
}

void Request(frmMain* main)
{
    QTest::mouseClick(main->ui()->cmdCalculateMoonPhase, Qt::LeftButton);
}

void Back(Forms& forms)
{
    QTest::mouseClick(forms.display()->ui()->cmdBack, Qt::LeftButton);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

// Waits until a window kept for the next request is off screen, so that the next request is timed
// until it is really shown again.
void WaitHidden(QWidget* window)
{
    while (window && window->windowHandle() && window->windowHandle()->isExposed())
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents, 5);
}

// A request as the user feels it: from the click until the display window is on screen. Kept out
// of line so that a profiler can collect this part alone (callgrind --toggle-collect).
[[gnu::noinline]] double TimedRequestMs(Forms& forms, frmMain* main)
{
    QElapsedTimer timer;
    timer.start();
    Request(main);
    WaitExposed(forms.display());
    return double(timer.nsecsElapsed()) / 1e6;
}

// Child: reading requests timed from the click to the display window exposed, then request/Back
// cycles with the resident size before and after.
int ChildRequests()
{
    int argc = 1;
    char name[] = "lunetide_bench";
    char* argv[] = {name, nullptr};
    QApplication app(argc, argv);
    QApplication::setQuitOnLastWindowClosed(false);
    lunetide::ui::InstallFontSubstitutes();
    Forms forms(QuietSources());
    RunStartup(forms, QuietServices());
    frmMain* main = forms.main();
    WaitExposed(main);

    QList<double> requestMs;
    for (int i = 0; i < kRequestSamples; ++i) {
        // The lists show the picked date before the click, as they do for a user.
        PickDate(main, i);
        QCoreApplication::processEvents();
        requestMs << TimedRequestMs(forms, main);
        Back(forms);
        WaitExposed(main);
        WaitHidden(forms.isLoaded(Forms::Window::Display) ? forms.display() : nullptr);
    }

    // LUNETIDE_BENCH_CYCLES shortens the run, e.g. under a heap profiler.
    const int cycles = qEnvironmentVariableIntValue("LUNETIDE_BENCH_CYCLES") > 0
                           ? qEnvironmentVariableIntValue("LUNETIDE_BENCH_CYCLES")
                           : kDefaultCycles;
    const qint64 before = StatusKiB("VmRSS:");
    QElapsedTimer timer;
    timer.start();
    for (int i = 0; i < cycles; ++i) {
        PickDate(main, i);
        Request(main);
        Back(forms);
        QCoreApplication::processEvents();
        // Under X11 the kept window is shown again only once the server has unmapped it, as it
        // always is between two clicks of a user.
        WaitHidden(forms.display());
    }
    const double perCycleMs = double(timer.nsecsElapsed()) / 1e6 / cycles;
    const qint64 after = StatusKiB("VmRSS:");
    std::printf("request %.3f %.3f cycle %.3f rss %lld %lld\n", Median(requestMs),
                Percentile95(requestMs), perCycleMs, before, after);
    std::fflush(stdout);
    std::_Exit(0);
}

// Child: the calendar window opened and moved a month at a time.
int ChildCalendar()
{
    int argc = 1;
    char name[] = "lunetide_bench";
    char* argv[] = {name, nullptr};
    QApplication app(argc, argv);
    lunetide::ui::InstallFontSubstitutes();
    const int status = calendar_timing::Measure(
        [] {
            auto* calendar = new frmCalendar;
            calendar->ShowDay(QDate(2026, 12, 24));
            return calendar;
        },
        [](QWidget* window) { return static_cast<frmCalendar*>(window)->ui()->calMonth; });
    std::_Exit(status);
}

// ---- driver ----

// The children's private runtime folder when the environment names none, so that Qt has nothing
// to warn about and the run prints only its table.
QString runtimeDir;

// Starts one of the benchmark's programs, which lie beside this one.
QProcess* StartChild(const QString& platform, const QString& program,
                     const QStringList& arguments = {})
{
    auto* child = new QProcess;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("QT_QPA_PLATFORM"), platform);
    if (!runtimeDir.isEmpty())
        env.insert(QStringLiteral("XDG_RUNTIME_DIR"), runtimeDir);
    child->setProcessEnvironment(env);
    child->setProcessChannelMode(QProcess::ForwardedErrorChannel);
    child->start(QCoreApplication::applicationDirPath() + "/" + program, arguments);
    return child;
}

QByteArray ReadLine(QProcess* child, int timeoutMs)
{
    QElapsedTimer timer;
    timer.start();
    while (!child->canReadLine() && timer.elapsed() < timeoutMs)
        child->waitForReadyRead(timeoutMs - int(timer.elapsed()));
    return child->readLine().trimmed();
}

struct StartupFigures {
    double medianMs = 0;
    double peakMiB = 0;
};

// The start-up programs, in the order they are timed.
enum Startup { Bare, Label, Floor, Lunetide, kStartups };
const char* const kStartupPrograms[kStartups] = {"bare_window", "label_window", "floor_window",
                                                 "lunetide_startup"};

// Start-ups of the baselines and Lunetide, interleaved so that a disturbance of the machine
// touches all alike.
std::array<StartupFigures, kStartups> MeasureStartups(const QString& platform)
{
    QList<double> ms[kStartups];
    QList<double> peak[kStartups];
    for (int run = 0; run < kStartupRuns; ++run) {
        for (int i = 0; i < kStartups; ++i) {
            QElapsedTimer timer;
            timer.start();
            QProcess* child = StartChild(platform, kStartupPrograms[i]);
            const QList<QByteArray> line = ReadLine(child, 30000).split(' ');
            ms[i] << double(timer.nsecsElapsed()) / 1e6;
            peak[i] << line.value(1).toDouble() / 1024.0;
            child->waitForFinished();
            delete child;
        }
    }
    std::array<StartupFigures, kStartups> figures;
    for (int i = 0; i < kStartups; ++i)
        figures[i] = {Median(ms[i]), Median(peak[i])};
    return figures;
}

double CpuSeconds(qint64 pid)
{
    QFile stat(QStringLiteral("/proc/%1/stat").arg(pid));
    if (!stat.open(QIODevice::ReadOnly))
        return 0;
    const QByteArray text = stat.readAll();
    const QList<QByteArray> fields = text.mid(text.lastIndexOf(')') + 2).split(' ');
    // utime and stime are fields 14 and 15 of the whole line, 12 and 13 after the name.
    return (fields.value(11).toDouble() + fields.value(12).toDouble()) /
           double(sysconf(_SC_CLK_TCK));
}

// CPU share of one core used by the bare window and by Lunetide, idle side by side.
std::pair<double, double> MeasureIdle(const QString& platform)
{
    QProcess* bare = StartChild(platform, kStartupPrograms[Bare], {"--stay"});
    QProcess* lunetide = StartChild(platform, kStartupPrograms[Lunetide], {"--stay"});
    ReadLine(bare, 30000);
    ReadLine(lunetide, 30000);
    const double bareStart = CpuSeconds(bare->processId());
    const double lunetideStart = CpuSeconds(lunetide->processId());
    QThread::sleep(kIdleSeconds);
    const double bareShare = (CpuSeconds(bare->processId()) - bareStart) / kIdleSeconds;
    const double lunetideShare = (CpuSeconds(lunetide->processId()) - lunetideStart) / kIdleSeconds;
    for (QProcess* child : {bare, lunetide}) {
        child->kill();
        child->waitForFinished();
        delete child;
    }
    return {bareShare, lunetideShare};
}

int Driver()
{
    int argc = 1;
    char name[] = "lunetide_bench";
    char* argv[] = {name, nullptr};
    QCoreApplication app(argc, argv);
    QTextStream out(stdout);

    QTemporaryDir ownRuntimeDir;
    if (qEnvironmentVariableIsEmpty("XDG_RUNTIME_DIR") && ownRuntimeDir.isValid())
        runtimeDir = ownRuntimeDir.path();

    QStringList platforms{QStringLiteral("offscreen")};
    if (!qEnvironmentVariableIsEmpty("DISPLAY"))
        platforms << QStringLiteral("xcb");

    out << "Lunetide benchmark (" << kStartupRuns << " start-ups each, interleaved, medians)\n\n";
    out << qSetFieldWidth(44) << Qt::left << "measure" << qSetFieldWidth(14) << Qt::right;
    for (const QString& platform : platforms)
        out << platform;
    out << qSetFieldWidth(0) << "  target\n";

    struct Row {
        QString measure;
        QStringList values;
        QString target;
    };
    QList<Row> rows = {
        {"start-up, bare window (ms)", {}, ""},
        {"start-up, one-label window (ms)", {}, ""},
        {"start-up, floor window (ms)", {}, ""},
        {"start-up, Lunetide (ms)", {}, ""},
        {"start-up ratio to the one-label window", {}, "<= 1.40 (xcb)"},
        {"start-up ratio to the floor window", {}, ""},
        {"start-up ratio to the bare window", {}, ""},
        {"peak resident, bare window (MiB)", {}, ""},
        {"peak resident, Lunetide (MiB)", {}, ""},
        {"peak resident difference (MiB)", {}, "<= 10"},
        {"request, median (ms)", {}, "<= 1.0 / 3.0"},
        {"request, 95th percentile (ms)", {}, ""},
        {"request/Back cycle (ms)", {}, ""},
        {"resident before/after 10,000 cycles (MiB)", {}, ""},
        {"resident growth over the cycles (MiB)", {}, "<= 1"},
        {"idle CPU, bare window (% of a core)", {}, ""},
        {"idle CPU, Lunetide (% of a core)", {}, "< 0.2"},
        {"calendar open, plain QCalendarWidget (ms)", {}, ""},
        {"calendar open, Lunetide (ms)", {}, ""},
        {"calendar open ratio", {}, ""},
        {"month move, plain QCalendarWidget (ms)", {}, ""},
        {"month move, Lunetide (ms)", {}, ""},
        {"month move ratio", {}, "<= 2.00"},
    };
    for (const QString& platform : platforms) {
        const auto startups = MeasureStartups(platform);
        const StartupFigures& lunetide = startups[Lunetide];
        for (int i = 0; i < kStartups; ++i)
            rows[i].values << QString::number(startups[i].medianMs, 'f', 1);
        const auto ratio = [&](Startup baseline) {
            return QString::number(lunetide.medianMs / startups[baseline].medianMs, 'f', 2);
        };
        rows[4].values << ratio(Label);
        rows[5].values << ratio(Floor);
        rows[6].values << ratio(Bare);
        rows[7].values << QString::number(startups[Bare].peakMiB, 'f', 1);
        rows[8].values << QString::number(lunetide.peakMiB, 'f', 1);
        rows[9].values << QString::number(lunetide.peakMiB - startups[Bare].peakMiB, 'f', 1);

        QProcess* child = StartChild(platform, QStringLiteral("lunetide_bench"), {"--requests"});
        child->waitForFinished(-1);
        const QList<QByteArray> f = child->readAll().trimmed().split(' ');
        delete child;
        rows[10].values << QString::number(f.value(1).toDouble(), 'f', 2);
        rows[11].values << QString::number(f.value(2).toDouble(), 'f', 2);
        rows[12].values << QString::number(f.value(4).toDouble(), 'f', 3);
        const double before = f.value(6).toDouble() / 1024.0;
        const double after = f.value(7).toDouble() / 1024.0;
        rows[13].values << QString::number(before, 'f', 1) + "/" + QString::number(after, 'f', 1);
        rows[14].values << QString::number(after - before, 'f', 2);

        const auto [bareIdle, lunetideIdle] = MeasureIdle(platform);
        rows[15].values << QString::number(bareIdle * 100, 'f', 3);
        rows[16].values << QString::number(lunetideIdle * 100, 'f', 3);

        const auto calendarFigures = [&](const QString& program, const QStringList& arguments) {
            QProcess* timed = StartChild(platform, program, arguments);
            timed->waitForFinished(-1);
            const QList<QByteArray> figures = timed->readAll().trimmed().split(' ');
            delete timed;
            return std::pair{figures.value(1).toDouble(), figures.value(2).toDouble()};
        };
        const auto [plainOpen, plainMove] = calendarFigures(QStringLiteral("plain_calendar"), {});
        const auto [open, move] =
            calendarFigures(QStringLiteral("lunetide_bench"), {QStringLiteral("--calendar")});
        rows[17].values << QString::number(plainOpen, 'f', 2);
        rows[18].values << QString::number(open, 'f', 2);
        rows[19].values << QString::number(open / plainOpen, 'f', 2);
        rows[20].values << QString::number(plainMove, 'f', 3);
        rows[21].values << QString::number(move, 'f', 3);
        rows[22].values << QString::number(move / plainMove, 'f', 2);
    }
    for (const Row& row : rows) {
        out << qSetFieldWidth(44) << Qt::left << row.measure << qSetFieldWidth(14) << Qt::right;
        for (const QString& value : row.values)
            out << value;
        out << qSetFieldWidth(0) << "  " << row.target << "\n";
    }
    return 0;
}

} // namespace

int main(int argc, char* argv[])
{
    if (argc > 1 && QByteArray(argv[1]) == "--requests")
        return ChildRequests();
    if (argc > 1 && QByteArray(argv[1]) == "--calendar")
        return ChildCalendar();
    return Driver();
}
