#include "ui/windows/calendar_window.h"

#include "ui/look/app_icon.h"
#include "ui/look/look.h"
#include "ui/request/chosen_date.h"
#include "ui/widgets/centre_on_first_show.h"
#include "ui/widgets/shown_month.h"
#include "ui/windows/message_box.h"
#include "ui/windows/month_page.h"
#include "ui_calendar_window.h"

#include <QDir>
#include <QFileInfo>
#include <QPainter>
#include <QPdfWriter>
#include <QPrintDialog>
#include <QPrinter>
#include <QSaveFile>

using namespace lunetide;

namespace {

bool AskPrintDialog(QPrinter& printer, QWidget* parent)
{
    QPrintDialog dialog(&printer, parent);
    return dialog.exec() == QDialog::Accepted;
}

// The page on a printer or a PDF writer, filling the printable area of its page layout.
bool PaintPage(QPagedPaintDevice& device, int resolution, const MonthMoons& month,
               Hemisphere hemisphere, const QStringList& skyLines)
{
    QPainter painter;
    if (!painter.begin(&device))
        return false;
    const QRectF page(QPointF(0, 0), device.pageLayout().paintRectPixels(resolution).size());
    ui::PaintMonthPage(painter, page, month, hemisphere, skyLines);
    return painter.end();
}

// Print to File. Qt's PDF printer opens the target itself, blocks on a pipe without a reader and
// never reports a failed write; so the page goes into a new file beside the target, which takes
// the target's place only once the whole page is in it. A target that is there but is not a
// regular file (a pipe, a device, a folder) is refused before anything opens it. The reason it
// could not be written, or an empty string.
QString PrintToFile(const QPrinter& printer, const MonthMoons& month, Hemisphere hemisphere,
                    const QStringList& skyLines)
{
    const QString target = printer.outputFileName();
    const QFileInfo existing(target);
    if (existing.exists() && !existing.isFile())
        return QStringLiteral("%1 is not a regular file.").arg(QDir::toNativeSeparators(target));
    QSaveFile file(target);
    if (!file.open(QIODevice::WriteOnly))
        return file.errorString();
    {
        QPdfWriter writer(&file);
        writer.setPageLayout(printer.pageLayout());
        writer.setResolution(printer.resolution());
        writer.setTitle(printer.docName());
        writer.setCreator(printer.creator());
        if (!PaintPage(writer, writer.resolution(), month, hemisphere, skyLines))
            return QStringLiteral("The page could not be drawn.");
    }
    // commit() does not notice a failed last flush; an uncommitted file is removed.
    if (!file.flush() || !file.commit())
        return file.errorString();
    return {};
}

} // namespace

frmCalendar::frmCalendar(QWidget* parent)
    : QDialog(parent), ui_(std::make_unique<Ui::frmCalendar>()), setUpPrinter_(AskPrintDialog)
{
    ui::SetFixedWindowFlags(this);
    ui_->setupUi(this);
    ui::UseHouseLook(this);
    ui::MakeFixedWindow(this);
    setWindowTitle(QStringLiteral("Moon Calendar - ") + ui::kWindowCaption);
    setWindowIcon(ui::AppIcon());

    // The days the date lists of the main window offer.
    ui_->calMonth->setDateRange(QDate(kFirstListYear, 1, 1), QDate(kLastListYear, 12, 31));
    connect(ui_->calMonth, &MoonCalendar::shownMonthChanged, this, &frmCalendar::ShowPhaseRuns);
    // Enter and a double click on a day.
    connect(ui_->calMonth, &QCalendarWidget::activated, this, &QDialog::accept);
    connect(ui_->cmdOK, &QPushButton::clicked, this, &QDialog::accept);
    connect(ui_->cmdCancel, &QPushButton::clicked, this, &QDialog::reject);
    connect(ui_->cmdPrint, &QPushButton::clicked, this, &frmCalendar::cmdPrint_Click);
    ShowPhaseRuns();

    ui_->calMonth->setFocus();
    new ui::CentreOnFirstShow(this);
}

frmCalendar::~frmCalendar() = default;

void frmCalendar::ShowDay(QDate day)
{
    ui_->calMonth->setSelectedDate(day);
    ui_->calMonth->setCurrentPage(ui_->calMonth->selectedDate().year(),
                                  ui_->calMonth->selectedDate().month());
}

void frmCalendar::SetToday(QDate today)
{
    ui_->calMonth->SetToday(today);
}

void frmCalendar::SetHemisphere(Hemisphere hemisphere)
{
    ui_->calMonth->SetHemisphere(hemisphere);
}

QDate frmCalendar::SelectedDay() const
{
    return ui_->calMonth->selectedDate();
}

std::optional<QDate> frmCalendar::PickDay(QWidget* parent, QDate opening, QDate today,
                                          Hemisphere hemisphere)
{
    frmCalendar calendar(parent);
    calendar.SetHemisphere(hemisphere);
    calendar.SetToday(today);
    calendar.ShowDay(opening);
    if (calendar.exec() != QDialog::Accepted)
        return std::nullopt;
    return calendar.SelectedDay();
}

void frmCalendar::ShowPhaseRuns()
{
    ui_->lblPhaseRuns->setText(ui::LegendLines(ui_->calMonth->ShownMonth()).join('\n'));
}

// The month on show, printed as one page; "Print to File" in the dialog gives a PDF.
void frmCalendar::cmdPrint_Click()
{
    QPrinter printer(QPrinter::HighResolution);
    const MonthMoons& month = ui_->calMonth->ShownMonth();
    const Hemisphere hemisphere = ui_->calMonth->hemisphere();
    // Under the runs, the month's principal phases in the sky with their times.
    const QStringList skyLines = ui_->calMonth->SkyPhasesShown().Lines(ui::FirstDayOf(month));
    printer.setDocName(ui::TitleOf(month));
    if (!setUpPrinter_(printer, this))
        return;
    QString failure;
    if (printer.outputFormat() == QPrinter::PdfFormat)
        failure = PrintToFile(printer, month, hemisphere, skyLines);
    else if (!PaintPage(printer, printer.resolution(), month, hemisphere, skyLines))
        failure = QStringLiteral("The printer did not take the page.");
    if (!failure.isEmpty())
        ui::ShowCritical(this, QStringLiteral("The month could not be printed.\n") + failure);
}
