#include "ui/widgets/shown_month.h"
#include "ui/windows/calendar_window.h"
#include "ui/windows/main_window.h"
#include "ui_calendar_window.h"
#include "ui_main_window.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QLabel>
#include <QLocale>
#include <QMessageBox>
#include <QPointer>
#include <QPrinter>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include <functional>

#include <sched.h>
#include <sys/mount.h>
#include <sys/stat.h>
#include <unistd.h>

using namespace lunetide;

namespace {

// Lets the steps act on the calendar that is modal when the event loop next runs, and closes it
// if they leave it open, so that a failing step cannot hang the test.
void WhileCalendarShown(const std::function<void(frmCalendar*)>& steps)
{
    QTimer::singleShot(0, [steps] {
        QPointer<frmCalendar> shown = qobject_cast<frmCalendar*>(QApplication::activeModalWidget());
        if (!shown)
            return;
        if (QTest::qWaitForWindowActive(shown))
            steps(shown);
        if (shown && shown->isVisible())
            shown->reject();
    });
}

QAbstractItemView* DayView(frmCalendar* calendar)
{
    return calendar->findChild<QAbstractItemView*>(QStringLiteral("qt_calendar_calendarview"));
}

// The centre of a day's cell in the calendar's table.
QPoint CellCentre(frmCalendar* calendar, QDate day)
{
    QAbstractItemView* view = DayView(calendar);
    const auto* model = view->model();
    for (int row = 0; row < model->rowCount(); ++row)
        for (int column = 0; column < model->columnCount(); ++column)
            if (calendar->ui()->calMonth->DateOfCell(row, column) == day)
                return view->visualRect(model->index(row, column)).center();
    return {};
}

enum class Answer { Enter, Return, Escape, OK, Cancel, DoubleClick, YearTyped, NextMonths };

} // namespace

Q_DECLARE_METATYPE(Answer)

class CalendarWindowTest : public QObject {
    Q_OBJECT

public:
    explicit CalendarWindowTest(bool privateMounts) : privateMounts_(privateMounts) {}

private slots:
    void initTestCase();
    void pickOrLeave_data();
    void pickOrLeave();
    void mainWindowOpensItOnTheListsMonth_data();
    void mainWindowOpensItOnTheListsMonth();
    void printToFileFailsAloud_data();
    void printToFileFailsAloud();

private:
    bool privateMounts_;
};

void CalendarWindowTest::initTestCase()
{
    QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedKingdom));
}

void CalendarWindowTest::pickOrLeave_data()
{
    QTest::addColumn<Answer>("answer");
    QTest::addColumn<QDate>("picked");
    QTest::newRow("Enter") << Answer::Enter << QDate(2007, 12, 23);
    QTest::newRow("Return") << Answer::Return << QDate(2007, 12, 23);
    QTest::newRow("OK") << Answer::OK << QDate(2007, 12, 23);
    QTest::newRow("double click") << Answer::DoubleClick << QDate(2007, 12, 2);
    QTest::newRow("Esc") << Answer::Escape << QDate();
    QTest::newRow("Cancel") << Answer::Cancel << QDate();
    QTest::newRow("year typed, Enter, Right, Enter") << Answer::YearTyped << QDate(2028, 12, 24);
    QTest::newRow("End, two months on, OK") << Answer::NextMonths << QDate(2008, 2, 29);
}

// From 24 December 2026 the keys move to 23 December 2007 (a Page Up a month, Left a day); the
// answer picks it or leaves without a day. A double click picks the day clicked. A year typed in
// the title, or the title's arrows, move the selected day into the month they show.
void CalendarWindowTest::pickOrLeave()
{
    QFETCH(Answer, answer);
    QFETCH(QDate, picked);
    WhileCalendarShown([answer](frmCalendar* calendar) {
        QWidget* view = DayView(calendar);
        for (int month = 0; month < 19 * 12; ++month)
            QTest::keyClick(view, Qt::Key_PageUp);
        QTest::keyClick(view, Qt::Key_Left);
        // The phase runs below follow the month on show.
        QCOMPARE(calendar->ui()->lblPhaseRuns->text(),
                 ui::LegendLines(MoonsOfMonth(ui::MonthOf(QDate(2007, 12, 1)))).join('\n'));
        switch (answer) {
        case Answer::Enter:
            QTest::keyClick(view, Qt::Key_Enter);
            break;
        case Answer::Return:
            QTest::keyClick(view, Qt::Key_Return);
            break;
        case Answer::Escape:
            QTest::keyClick(view, Qt::Key_Escape);
            break;
        case Answer::OK:
            QTest::mouseClick(calendar->ui()->cmdOK, Qt::LeftButton);
            break;
        case Answer::Cancel:
            QTest::mouseClick(calendar->ui()->cmdCancel, Qt::LeftButton);
            break;
        case Answer::DoubleClick: {
            // Another day of the month on show: 2 December 2007.
            const QPoint centre = CellCentre(calendar, QDate(2007, 12, 2));
            QTest::mouseClick(DayView(calendar)->viewport(), Qt::LeftButton, {}, centre);
            QTest::mouseDClick(DayView(calendar)->viewport(), Qt::LeftButton, {}, centre);
            break;
        }
        case Answer::YearTyped:
            QTest::mouseClick(calendar->findChild<QWidget*>("qt_calendar_yearbutton"),
                              Qt::LeftButton);
            QTest::keyClicks(QApplication::focusWidget(), "2028");
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Enter);
            QVERIFY(calendar->isVisible());
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Right);
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Enter);
            break;
        case Answer::NextMonths:
            QTest::keyClick(view, Qt::Key_End);
            for (int month = 0; month < 2; ++month)
                QTest::mouseClick(calendar->findChild<QWidget*>("qt_calendar_nextmonth"),
                                  Qt::LeftButton);
            QTest::mouseClick(calendar->ui()->cmdOK, Qt::LeftButton);
            break;
        }
        QCOMPARE(calendar->windowTitle(), QStringLiteral("Moon Calendar - Lunetide v1.15"));
    });
    const std::optional<QDate> day =
        frmCalendar::PickDay(nullptr, QDate(2026, 12, 24), QDate(2026, 12, 24), Hemisphere::North);
    QCOMPARE(day.value_or(QDate()), picked);
}

void CalendarWindowTest::mainWindowOpensItOnTheListsMonth_data()
{
    QTest::addColumn<int>("day");
    QTest::addColumn<int>("month");
    QTest::addColumn<int>("year");
    QTest::addColumn<QDate>("opening");
    // Today is 4 March 2025.
    QTest::newRow("lists as opened: today") << 1 << 1 << 1901 << QDate(2025, 3, 4);
    QTest::newRow("a day of the lists") << 23 << 12 << 2007 << QDate(2007, 12, 23);
    QTest::newRow("2 January 1901") << 2 << 1 << 1901 << QDate(1901, 1, 2);
    QTest::newRow("1 February 1901") << 1 << 2 << 1901 << QDate(1901, 2, 1);
    QTest::newRow("31 April: its last day") << 31 << 4 << 2010 << QDate(2010, 4, 30);
    QTest::newRow("30 February 2001") << 30 << 2 << 2001 << QDate(2001, 2, 28);
}

void CalendarWindowTest::mainWindowOpensItOnTheListsMonth()
{
    QFETCH(int, day);
    QFETCH(int, month);
    QFETCH(int, year);
    QFETCH(QDate, opening);
    frmMain main;
    main.SetTodaySource([] { return QDate(2025, 3, 4); });
    main.Form_Load();
    main.ui()->cboDate->setCurrentIndex(day - 1);
    main.ui()->cboMonth->setCurrentIndex(month - 1);
    main.ui()->cboYear->setCurrentIndex(year - 1901);
    QDate shown;
    QTimer::singleShot(0, [&shown] {
        if (auto* calendar = qobject_cast<frmCalendar*>(QApplication::activeModalWidget())) {
            shown = calendar->SelectedDay();
            calendar->reject();
        }
    });
    main.ui()->mnuMoonCalendar->trigger();
    QCOMPARE(shown, opening);
    // Left without a day: the lists are as they were.
    QCOMPARE(main.ui()->cboDate->currentIndex(), day - 1);
    QCOMPARE(main.ui()->cboMonth->currentIndex(), month - 1);
    QCOMPARE(main.ui()->cboYear->currentIndex(), year - 1901);
}

void CalendarWindowTest::printToFileFailsAloud_data()
{
    QTest::addColumn<QString>("target"); // in a folder of its own, unless absolute
    QTest::addColumn<QString>("reason");
    QTest::newRow("a named pipe without a reader") << "pipe"
                                                   << "pipe is not a regular file.";
    QTest::newRow("/dev/full") << "/dev/full"
                               << "/dev/full is not a regular file.";
    QTest::newRow("a full file system") << "month.pdf"
                                        << "No space left on device";
}

// Print to File onto a target it cannot fill says why in a message box, opens no pipe, and leaves
// no file behind, whole or cut off.
void CalendarWindowTest::printToFileFailsAloud()
{
    QFETCH(QString, target);
    QFETCH(QString, reason);
    QTemporaryDir dir;
    const QByteArray folder = QFile::encodeName(dir.path());
    if (target == "month.pdf" &&
        !(privateMounts_ && ::mount("t", folder, "tmpfs", 0, "size=4k") == 0))
        QSKIP("needs root, for a small file system in a private mount namespace");
    const auto unmount = qScopeGuard([&] { ::umount2(folder, MNT_DETACH); });
    QVERIFY(::mkfifo(folder + "/pipe", 0600) == 0);
    const QString path = QDir(dir.path()).filePath(target);
    frmCalendar calendar;
    calendar.SetPrinterSetUp([path](QPrinter& printer, QWidget*) {
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(path);
        return true;
    });
    QString said;
    QTimer::singleShot(0, [&said] {
        if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
            said = box->text();
            box->accept();
        }
    });
    calendar.ui()->cmdPrint->click();
    QVERIFY2(said.startsWith("The month could not be printed.\n") && said.endsWith(reason),
             qPrintable(said));
    QCOMPARE(QDir(dir.path()).entryList(QDir::Files), QStringList());
}

int main(int argc, char* argv[])
{
    // Before any thread starts: a private mount namespace, so that the test's small file system
    // is seen by this process alone and vanishes with it.
    const bool privateMounts = ::geteuid() == 0 && ::unshare(CLONE_NEWNS) == 0 &&
                               ::mount("none", "/", nullptr, MS_REC | MS_PRIVATE, nullptr) == 0;
    QApplication app(argc, argv);
    app.setAttribute(Qt::AA_Use96Dpi, true);
    CalendarWindowTest test(privateMounts);
    return QTest::qExec(&test, argc, argv);
}
#include "test_calendar_window.moc"
