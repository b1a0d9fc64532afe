// Measures what users feel: how fast Lunetide starts, how fast a reading shows, whether memory
// grows over many readings, and what the ticking clock costs while idle. Every figure is set
// beside baselines taken in the same run, shown by the same harness: a bare Qt window of the same
// size, and the floor: the main window's own form with its style sheet removed, the widgets every
// start-up of Lunetide has to build and paint.
//
// Without arguments it is the driver: it runs itself as child processes, once per measurement,
// on the offscreen platform and, when DISPLAY is set, on X11, and prints one table.

#include "app/font_warm_up.h"
#include "app/forms.h"
#include "app/startup.h"
#include "ui/display_window.h"
#include "ui/look.h"
#include "ui/main_window.h"

#include "ui_display_window.h"
#include "ui_floor_window.h"
#include "ui_main_window.h"

#include <QApplication>
#include <QComboBox>
#include <QElapsedTimer>
#include <QFile>
#include <QMainWindow>
#include <QMenuBar>
#include <QProcess>
#include <QPushButton>
#include <QRadioButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTextStream>
#include <QThread>
#include <QWindow>

#include <algorithm>
#include <array>
#include <cstdio>
#include <cstdlib>
#include <optional>
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

enum class Shown { Bare, Floor, Lunetide };

// The floor window: the main window's form without its style sheet, its colours set by palette.
QWidget* ShowFloorWindow()
{
    lunetide::ui::InstallFontSubstitutes();
    auto* window = new QMainWindow;
    lunetide::ui::SetFixedWindowFlags(window);
    auto* ui = new Ui::floorMain;
    ui->setupUi(window);
    const auto paint = [](QWidget* widget, const QColor& background, const QColor& text) {
        QPalette palette = widget->palette();
        palette.setColor(QPalette::Window, background);
        palette.setColor(QPalette::WindowText, text);
        widget->setPalette(palette);
        widget->setAutoFillBackground(true);
    };
    paint(ui->Frame1, Qt::black, lunetide::ui::colour::Orange);
    paint(ui->Frame2, lunetide::ui::colour::Orange, Qt::black);
    paint(ui->Frame5, lunetide::ui::colour::Orange, Qt::black);
    ui->centralwidget->setFixedSize(681, 550);
    window->adjustSize();
    lunetide::ui::MakeFixedWindow(window);
    window->show();
    return window;
}

// Child: show a bare window of the main window's size, the floor window or Lunetide's main
// window, print "shown <peak resident KiB>" once it is exposed, and leave at once.
int ChildStartup(Shown what)
{
    int argc = 1;
    char name[] = "lunetide_bench";
    char* argv[] = {name, nullptr};
    // Lunetide reads the font configuration ahead while it connects, as main() does.
    std::optional<FontWarmUp> fontWarmUp;
    if (what == Shown::Lunetide)
        fontWarmUp.emplace();
    QApplication app(argc, argv);
    if (fontWarmUp)
        fontWarmUp->Wait();
    QApplication::setQuitOnLastWindowClosed(false);
    QWidget* shown = nullptr;
    Forms* forms = nullptr;
    if (what == Shown::Bare) {
        shown = new QWidget;
        shown->resize(681, 550 + 22);
        shown->show();
    } else if (what == Shown::Floor) {
        shown = ShowFloorWindow();
    } else {
        lunetide::ui::InstallLook();
        forms = new Forms(QuietSources());
        RunStartup(*forms, QuietServices());
        shown = forms->main();
    }
    WaitExposed(shown);
    std::printf("shown %lld\n", StatusKiB("VmHWM:"));
    std::fflush(stdout);
    std::_Exit(0);
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
    lunetide::ui::InstallLook();
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

// Child: the window, idle, until killed.
int ChildIdle(bool bare)
{
    int argc = 1;
    char name[] = "lunetide_bench";
    char* argv[] = {name, nullptr};
    QApplication app(argc, argv);
    QApplication::setQuitOnLastWindowClosed(false);
    QWidget bareWindow;
    Forms* forms = nullptr;
    if (bare) {
        bareWindow.resize(681, 572);
        bareWindow.show();
        WaitExposed(&bareWindow);
    } else {
        lunetide::ui::InstallLook();
        forms = new Forms(QuietSources());
        RunStartup(*forms, QuietServices());
        WaitExposed(forms->main());
    }
    std::printf("ready\n");
    std::fflush(stdout);
    return QApplication::exec();
}

// ---- driver ----

// The children's private runtime folder when the environment names none, so that Qt has nothing
// to warn about and the run prints only its table.
QString runtimeDir;

QProcess* StartChild(const QString& platform, const QStringList& arguments)
{
    auto* child = new QProcess;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("QT_QPA_PLATFORM"), platform);
    if (!runtimeDir.isEmpty())
        env.insert(QStringLiteral("XDG_RUNTIME_DIR"), runtimeDir);
    child->setProcessEnvironment(env);
    child->setProcessChannelMode(QProcess::ForwardedErrorChannel);
    child->start(QCoreApplication::applicationFilePath(), arguments);
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

const char* StartupArgument(Shown what)
{
    switch (what) {
    case Shown::Bare:
        return "--startup-bare";
    case Shown::Floor:
        return "--startup-floor";
    case Shown::Lunetide:
        break;
    }
    return "--startup";
}

// Start-ups of the bare window, the floor window and Lunetide, interleaved so that a disturbance
// of the machine touches all three alike.
std::array<StartupFigures, 3> MeasureStartups(const QString& platform)
{
    constexpr Shown kShown[] = {Shown::Bare, Shown::Floor, Shown::Lunetide};
    QList<double> ms[3];
    QList<double> peak[3];
    for (int run = 0; run < kStartupRuns; ++run) {
        for (int i = 0; i < 3; ++i) {
            QElapsedTimer timer;
            timer.start();
            QProcess* child = StartChild(platform, {StartupArgument(kShown[i])});
            const QList<QByteArray> line = ReadLine(child, 30000).split(' ');
            ms[i] << double(timer.nsecsElapsed()) / 1e6;
            peak[i] << line.value(1).toDouble() / 1024.0;
            child->waitForFinished();
            delete child;
        }
    }
    std::array<StartupFigures, 3> figures;
    for (int i = 0; i < 3; ++i)
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
    QProcess* bare = StartChild(platform, {"--idle-bare"});
    QProcess* lunetide = StartChild(platform, {"--idle"});
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
        {"start-up, floor window (ms)", {}, ""},
        {"start-up, Lunetide (ms)", {}, ""},
        {"start-up ratio to the floor window", {}, "<= 1.10 (xcb)"},
        {"start-up ratio to the bare window", {}, "<= 1.45 (xcb)"},
        {"peak resident, bare window (MiB)", {}, ""},
        {"peak resident, Lunetide (MiB)", {}, ""},
        {"peak resident difference (MiB)", {}, "<= 10"},
        {"request, median (ms)", {}, "<= 1.5 / 3.5"},
        {"request, 95th percentile (ms)", {}, ""},
        {"request/Back cycle (ms)", {}, ""},
        {"resident before/after 10,000 cycles (MiB)", {}, ""},
        {"resident growth over the cycles (MiB)", {}, "<= 1"},
        {"idle CPU, bare window (% of a core)", {}, ""},
        {"idle CPU, Lunetide (% of a core)", {}, "< 0.2"},
    };
    for (const QString& platform : platforms) {
        const auto [bare, floor, lunetide] = MeasureStartups(platform);
        rows[0].values << QString::number(bare.medianMs, 'f', 1);
        rows[1].values << QString::number(floor.medianMs, 'f', 1);
        rows[2].values << QString::number(lunetide.medianMs, 'f', 1);
        rows[3].values << QString::number(lunetide.medianMs / floor.medianMs, 'f', 2);
        rows[4].values << QString::number(lunetide.medianMs / bare.medianMs, 'f', 2);
        rows[5].values << QString::number(bare.peakMiB, 'f', 1);
        rows[6].values << QString::number(lunetide.peakMiB, 'f', 1);
        rows[7].values << QString::number(lunetide.peakMiB - bare.peakMiB, 'f', 1);

        QProcess* child = StartChild(platform, {"--requests"});
        child->waitForFinished(-1);
        const QList<QByteArray> f = child->readAll().trimmed().split(' ');
        delete child;
        rows[8].values << QString::number(f.value(1).toDouble(), 'f', 2);
        rows[9].values << QString::number(f.value(2).toDouble(), 'f', 2);
        rows[10].values << QString::number(f.value(4).toDouble(), 'f', 3);
        const double before = f.value(6).toDouble() / 1024.0;
        const double after = f.value(7).toDouble() / 1024.0;
        rows[11].values << QString::number(before, 'f', 1) + "/" + QString::number(after, 'f', 1);
        rows[12].values << QString::number(after - before, 'f', 2);

        const auto [bareIdle, lunetideIdle] = MeasureIdle(platform);
        rows[13].values << QString::number(bareIdle * 100, 'f', 3);
        rows[14].values << QString::number(lunetideIdle * 100, 'f', 3);
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
    const QString mode = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QString();
    if (mode == "--startup-bare")
        return ChildStartup(Shown::Bare);
    if (mode == "--startup-floor")
        return ChildStartup(Shown::Floor);
    if (mode == "--startup")
        return ChildStartup(Shown::Lunetide);
    if (mode == "--requests")
        return ChildRequests();
    if (mode == "--idle-bare")
        return ChildIdle(true);
    if (mode == "--idle")
        return ChildIdle(false);
    return Driver();
}
