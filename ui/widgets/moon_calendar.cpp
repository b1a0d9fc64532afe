#include "ui/widgets/moon_calendar.h"

#include "core/correspondence.h"
#include "ui/look/look.h"
#include "ui/look/moon_pictures.h"
#include "ui/widgets/calendar_accessible.h"
#include "ui/widgets/shown_month.h"

#include <QAbstractItemView>
#include <QKeyEvent>
#include <QLocale>
#include <QPainter>
#include <QTextCharFormat>

#include <algorithm>

using namespace lunetide;

namespace {

constexpr int kPadding = 2;
constexpr int kNumberWidth = 14; // the day's number, left of the moon

// Qt's calendar may be asked for its table's accessible interface while it is being built: the
// day texts must be in place before then.
QWidget* WithDayTexts(QWidget* parent)
{
    ui::InstallCalendarAccessible();
    return parent;
}

} // namespace

MoonCalendar::MoonCalendar(QWidget* parent)
    : QCalendarWidget(WithDayTexts(parent)), today_(QDate::currentDate())
{
    setVerticalHeaderFormat(QCalendarWidget::NoVerticalHeader);
    setHorizontalHeaderFormat(QCalendarWidget::ShortDayNames);
    setGridVisible(true);

    dayFont_ = ui::VerdanaFont(8.25, ui::Weight::Bold);
    QTextCharFormat header;
    header.setForeground(ui::colour::Orange);
    header.setBackground(ui::colour::Black);
    header.setFont(dayFont_);
    setHeaderTextFormat(header);
    // Saturdays and Sundays look like every other day; the pictures are painted by paintCell.
    QTextCharFormat plain;
    for (Qt::DayOfWeek day : {Qt::Saturday, Qt::Sunday})
        setWeekdayTextFormat(day, plain);

    connect(this, &QCalendarWidget::currentPageChanged, this, &MoonCalendar::FollowPage);
    FollowPage(yearShown(), monthShown());
}

void MoonCalendar::SetHemisphere(Hemisphere hemisphere)
{
    if (hemisphere == hemisphere_)
        return;
    hemisphere_ = hemisphere;
    FindSkyPhases(); // the full moons' names are the hemisphere's
    update();
}

void MoonCalendar::SetToday(QDate today)
{
    today_ = today;
    update();
}

const Moon* MoonCalendar::MoonOn(QDate date) const
{
    const CivilDay day = ui::DayOf(date);
    for (const MonthMoons* month : {&month_, &before_, &after_})
        if (const Moon* moon = month->MoonOn(day))
            return moon;
    return nullptr;
}

void MoonCalendar::FollowPage(int year, int month)
{
    const std::chrono::year_month shown =
        std::chrono::year{year} / std::chrono::month{unsigned(month)};
    before_ = MoonsOfMonth(shown - std::chrono::months(1));
    month_ = MoonsOfMonth(shown);
    after_ = MoonsOfMonth(shown + std::chrono::months(1));
    // The title's arrows, month menu and year editor move the page but not the selection: the
    // selected day follows, on the same day number or the month's last day.
    const QDate selected = selectedDate();
    if (selected.year() != year || selected.month() != month) {
        const QDate first(year, month, 1);
        const QDate day = first.addDays(std::min(selected.day(), first.daysInMonth()) - 1);
        setSelectedDate(std::clamp(day, minimumDate(), maximumDate()));
    }
    FindSkyPhases();
    emit shownMonthChanged();
}

// The phases of every day the table shows, from the month before to the month after; each phase's
// day gets its moment as its tooltip.
void MoonCalendar::FindSkyPhases()
{
    const QDate first = ui::FirstDayOf(before_);
    const QDate last = ui::FirstDayOf(after_).addMonths(1).addDays(-1);
    setDateTextFormat(QDate(), QTextCharFormat());
    sky_ = ui::SkyPhases(first, last, hemisphere_);
    for (QDate day = first; day <= last; day = day.addDays(1)) {
        if (sky_.On(day)) {
            QTextCharFormat format;
            format.setToolTip(DayText(day));
            setDateTextFormat(day, format);
        }
    }
    update();
}

QString MoonCalendar::DayText(QDate date) const
{
    const Moon* moon = MoonOn(date);
    if (!moon)
        return {};
    const std::string_view name = PhaseName(moon->phase);
    QString text = QLocale().toString(date, QStringLiteral("dddd d MMMM yyyy")) +
                   QStringLiteral(", ") + QString::fromUtf8(name.data(), qsizetype(name.size()));
    if (const sky::PhaseEvent* phase = sky_.On(date))
        text += QStringLiteral("; ") + sky_.Said(*phase);
    return text;
}

void MoonCalendar::keyPressEvent(QKeyEvent* event)
{
    // Qt's year editor applies the year on Enter and then lets the key go on to the window; it
    // stops here, and the keyboard goes back to the days, where Enter picks one.
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
        event->accept();
        setFocus();
        return;
    }
    QCalendarWidget::keyPressEvent(event);
}

QDate MoonCalendar::DateOfCell(int row, int column) const
{
    const auto* view = findChild<QAbstractItemView*>(QStringLiteral("qt_calendar_calendarview"));
    if (!view || !view->model())
        return {};
    const int headerRows = horizontalHeaderFormat() == NoHorizontalHeader ? 0 : 1;
    const int headerColumns = verticalHeaderFormat() == NoVerticalHeader ? 0 : 1;
    const int week = row - headerRows;
    if (week < 0 || column < headerColumns)
        return {};
    const int day = view->model()->index(row, column).data(Qt::DisplayRole).toInt();
    if (day < 1)
        return {};
    // The first week may begin in the month before, the last two may end in the month after.
    QDate month(yearShown(), monthShown(), 1);
    if (week == 0 && day > 7)
        month = month.addMonths(-1);
    else if (week >= 4 && day < 15)
        month = month.addMonths(1);
    return QDate(month.year(), month.month(), day);
}

// A cell: black, or orange when selected; the day's number in its top left corner, its moon to
// the right (mirrored right to left); today framed in cyan. Days of the months before and after
// show their number only, greyed.
void MoonCalendar::paintCell(QPainter* painter, const QRect& rect, QDate date) const
{
    painter->save();
    const bool mirrored = layoutDirection() == Qt::RightToLeft;
    const bool selected = date == selectedDate();
    const bool enabled = date >= minimumDate() && date <= maximumDate();
    painter->fillRect(rect, selected ? ui::colour::Orange : ui::colour::Black);

    const Moon* moon = month_.MoonOn(ui::DayOf(date));
    if (moon) {
        const int side =
            std::max(0, std::min(rect.height(), rect.width() - kNumberWidth) - 2 * kPadding);
        if (side > 0) {
            const QPoint topLeft(mirrored ? rect.left() + kPadding
                                          : rect.right() - kPadding - side + 1,
                                 rect.top() + (rect.height() - side) / 2);
            painter->drawPixmap(topLeft, ui::MoonSquare(SeenFrom(moon->shape, hemisphere_), side,
                                                        painter->device()->devicePixelRatioF()));
        }
    }

    painter->setFont(dayFont_);
    QColor number = selected ? ui::colour::Black : ui::colour::White;
    if (!moon || !enabled)
        number = ui::colour::Grey;
    painter->setPen(number);
    painter->drawText(rect.adjusted(kPadding + 1, kPadding, -kPadding - 1, 0),
                      Qt::AlignAbsolute | (mirrored ? Qt::AlignRight : Qt::AlignLeft) |
                          Qt::AlignTop,
                      QString::number(date.day()));

    // The day of a principal phase in the sky: a small cyan disc in the corner below the number.
    if (moon && sky_.On(date)) {
        const int size = std::max(3, rect.height() / 8);
        const QRect mark(mirrored ? rect.right() - kPadding - size - 1 : rect.left() + kPadding + 1,
                         rect.bottom() - kPadding - size, size, size);
        painter->setRenderHint(QPainter::Antialiasing);
        painter->setPen(Qt::NoPen);
        painter->setBrush(selected ? ui::colour::Black : ui::colour::Cyan);
        painter->drawEllipse(mark);
    }

    if (date == today_) {
        painter->setPen(QPen(ui::colour::Cyan, 2));
        painter->setBrush(Qt::NoBrush);
        painter->drawRect(QRectF(rect).adjusted(1, 1, -1, -1));
    }
    painter->restore();
}
