#include "ui/widgets/moon_calendar.h"
#include "ui/widgets/shown_month.h"

#include <QAbstractItemView>
#include <QSignalSpy>
#include <QTest>

using namespace lunetide;

Q_DECLARE_METATYPE(Qt::DayOfWeek)

namespace {

QAbstractItemView* DayView(MoonCalendar& calendar)
{
    return calendar.findChild<QAbstractItemView*>(QStringLiteral("qt_calendar_calendarview"));
}

// The rectangle of a day's cell in the calendar's own coordinates.
QRect CellOf(MoonCalendar& calendar, QDate day)
{
    QAbstractItemView* view = DayView(calendar);
    for (int row = 0; row < view->model()->rowCount(); ++row)
        for (int column = 0; column < view->model()->columnCount(); ++column)
            if (calendar.DateOfCell(row, column) == day) {
                const QRect cell = view->visualRect(view->model()->index(row, column));
                return cell.translated(view->viewport()->mapTo(&calendar, QPoint(0, 0)));
            }
    return {};
}

int Lightness(const QImage& image, const QRect& rect)
{
    int sum = 0;
    for (int y = rect.top(); y <= rect.bottom(); ++y)
        for (int x = rect.left(); x <= rect.right(); ++x)
            sum += qGray(image.pixel(x, y));
    return sum;
}

} // namespace

class MoonCalendarTest : public QObject {
    Q_OBJECT

private slots:
    void cellsTellTheirDates_data();
    void cellsTellTheirDates();
    void monthFollowsThePage();
    void moonLitSideFollowsTheHemisphere_data();
    void moonLitSideFollowsTheHemisphere();
    void rightToLeftMirrorsTheCell();
    void daysOutOfRangeAreGrey_data();
    void daysOutOfRangeAreGrey();
};

void MoonCalendarTest::cellsTellTheirDates_data()
{
    QTest::addColumn<QDate>("month");
    QTest::addColumn<Qt::DayOfWeek>("firstDay");
    // Months that begin on the week's first day, end on its last, or fill six weeks.
    QTest::newRow("December 2026, Monday") << QDate(2026, 12, 1) << Qt::Monday;
    QTest::newRow("December 2026, Sunday") << QDate(2026, 12, 1) << Qt::Sunday;
    QTest::newRow("February 2010, Monday") << QDate(2010, 2, 1) << Qt::Monday;
    QTest::newRow("August 2026, Monday") << QDate(2026, 8, 1) << Qt::Monday;
}

// Every day cell of the table, read in order, is the day after the one before, the number it
// shows is its day, and the month's first day is in the first week.
void MoonCalendarTest::cellsTellTheirDates()
{
    QFETCH(QDate, month);
    QFETCH(Qt::DayOfWeek, firstDay);
    MoonCalendar calendar;
    calendar.setFirstDayOfWeek(firstDay);
    calendar.setCurrentPage(month.year(), month.month());
    const QAbstractItemModel* model = DayView(calendar)->model();
    QDate previous;
    int firstWeek = -1;
    for (int row = 1; row < model->rowCount(); ++row)
        for (int column = 0; column < model->columnCount(); ++column) {
            const QDate date = calendar.DateOfCell(row, column);
            QCOMPARE(date.day(), model->index(row, column).data().toInt());
            if (previous.isValid())
                QCOMPARE(date, previous.addDays(1));
            if (date == month)
                firstWeek = row;
            previous = date;
        }
    // A month that begins on the week's first day shows the whole week before it.
    QCOMPARE(firstWeek, month.dayOfWeek() == firstDay ? 2 : 1);
    for (int column = 0; column < model->columnCount(); ++column)
        QVERIFY(!calendar.DateOfCell(0, column).isValid());
}

void MoonCalendarTest::monthFollowsThePage()
{
    MoonCalendar calendar;
    calendar.setSelectedDate(QDate(2026, 12, 24));
    QSignalSpy shown(&calendar, &MoonCalendar::shownMonthChanged);
    calendar.showNextMonth();
    QCOMPARE(shown.size(), 1);
    QCOMPARE(ui::FirstDayOf(calendar.ShownMonth()), QDate(2027, 1, 1));
    QCOMPARE(int(calendar.ShownMonth().moons.size()), 31);
    calendar.setSelectedDate(QDate(2027, 1, 30)); // the same page: nothing worked out again
    QCOMPARE(shown.size(), 1);
    calendar.setSelectedDate(QDate(2000, 2, 29));
    QCOMPARE(shown.size(), 2);
    QCOMPARE(int(calendar.ShownMonth().moons.size()), 29);
}

void MoonCalendarTest::moonLitSideFollowsTheHemisphere_data()
{
    QTest::addColumn<QDate>("day");
    QTest::addColumn<int>("hemisphere");
    QTest::addColumn<bool>("litOnTheRight");
    QTest::newRow("waxing, north") << QDate(2026, 12, 19) << int(Hemisphere::North) << true;
    QTest::newRow("waxing, south") << QDate(2026, 12, 19) << int(Hemisphere::South) << false;
    QTest::newRow("waning, north") << QDate(2026, 12, 31) << int(Hemisphere::North) << false;
    QTest::newRow("waning, south") << QDate(2026, 12, 31) << int(Hemisphere::South) << true;
}

// The moon fills the cell's right part: its right quarter against its left quarter.
void MoonCalendarTest::moonLitSideFollowsTheHemisphere()
{
    QFETCH(QDate, day);
    QFETCH(int, hemisphere);
    QFETCH(bool, litOnTheRight);
    MoonCalendar calendar;
    calendar.resize(465, 330);
    calendar.setSelectedDate(QDate(2026, 12, 1));
    calendar.SetHemisphere(Hemisphere::South); // the pictures drawn for the south first
    calendar.grab();
    calendar.SetHemisphere(Hemisphere(hemisphere));
    const QImage image = calendar.grab().toImage();
    const QRect cell = CellOf(calendar, day);
    QVERIFY(cell.isValid());
    const int side = std::min(cell.height(), cell.width() - 14) - 4;
    const QRect moon(cell.right() - 2 - side + 1, cell.top() + (cell.height() - side) / 2, side,
                     side);
    const QRect left(moon.topLeft(), QSize(side / 4, side));
    const QRect right = left.translated(side - side / 4, 0);
    QCOMPARE(Lightness(image, right) > Lightness(image, left), litOnTheRight);
}

// Right to left the number sits in the top right corner and the moon, here a full one, on the left.
void MoonCalendarTest::rightToLeftMirrorsTheCell()
{
    MoonCalendar calendar;
    calendar.setLayoutDirection(Qt::RightToLeft);
    calendar.resize(465, 330);
    calendar.setSelectedDate(QDate(2026, 12, 1));
    const QImage image = calendar.grab().toImage();
    const QRect cell = CellOf(calendar, QDate(2026, 12, 24));
    const QRect half(cell.topLeft(), QSize(cell.width() / 2, cell.height()));
    QVERIFY(Lightness(image, half) > 2 * Lightness(image, half.translated(half.width(), 0)));
    QVERIFY(Lightness(image, QRect(cell.right() - 14, cell.top() + 2, 12, 10)) > 0);
}

void MoonCalendarTest::daysOutOfRangeAreGrey_data()
{
    QTest::addColumn<QDate>("day");
    QTest::newRow("31 December 1900, in January 1901") << QDate(1900, 12, 31);
    QTest::newRow("1 January 2051, in December 2050") << QDate(2051, 1, 1);
}

// The number in the corner of a day outside the range is drawn, in grey at its brightest.
void MoonCalendarTest::daysOutOfRangeAreGrey()
{
    QFETCH(QDate, day);
    MoonCalendar calendar;
    calendar.resize(465, 330);
    calendar.setFirstDayOfWeek(Qt::Monday);
    calendar.setDateRange(QDate(1901, 1, 1), QDate(2050, 12, 31));
    calendar.setSelectedDate(std::clamp(day, calendar.minimumDate(), calendar.maximumDate()));
    const QImage corner =
        calendar.grab().toImage().copy(CellOf(calendar, day).adjusted(2, 2, 0, 0));
    int brightest = 0;
    for (int y = 0; y < 12; ++y)
        for (int x = 0; x < 16; ++x)
            brightest = std::max(brightest, qGray(corner.pixel(x, y)));
    QVERIFY2(brightest > 64 && brightest <= 128, qPrintable(QString::number(brightest)));
}

QTEST_MAIN(MoonCalendarTest)
#include "test_moon_calendar.moc"
