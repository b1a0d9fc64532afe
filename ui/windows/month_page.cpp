#include "ui/windows/month_page.h"

#include "ui/look/look.h"
#include "ui/look/moon_pictures.h"
#include "ui/widgets/shown_month.h"

#include <QLocale>
#include <QPainter>

namespace lunetide::ui {
namespace {

constexpr int kWeeks = 6;

// Columns from the locale's first day of the week: 0 for that day.
int ColumnOf(QDate date, Qt::DayOfWeek firstDay)
{
    return (date.dayOfWeek() - firstDay + 7) % 7;
}

QFont PageFont(double pixels, Weight weight)
{
    QFont font = VerdanaFont(8.25, weight);
    font.setPixelSize(std::max(1, int(pixels)));
    return font;
}

} // namespace

MonthPageLayout LayOutMonthPage(const QRectF& page, const MonthMoons& month)
{
    const QDate first = FirstDayOf(month);
    const double margin = page.width() * 0.05;
    const QRectF inner = page.adjusted(margin, margin, -margin, -margin);
    const double h = page.height();

    MonthPageLayout layout;
    layout.title = QRectF(inner.left(), inner.top(), inner.width(), h * 0.07);
    layout.weekdays = QRectF(inner.left(), layout.title.bottom(), inner.width(), h * 0.04);
    const double gridTop = layout.weekdays.bottom();
    const double cellWidth = inner.width() / 7;
    const double cellHeight = std::min(h * 0.56 / kWeeks, cellWidth * 1.2);
    const Qt::DayOfWeek firstDay = QLocale().firstDayOfWeek();
    const int offset = ColumnOf(first, firstDay);
    for (int day = 1; day <= first.daysInMonth(); ++day) {
        const int cell = offset + day - 1;
        layout.days.emplace_back(inner.left() + (cell % 7) * cellWidth,
                                 gridTop + (cell / 7) * cellHeight, cellWidth, cellHeight);
    }
    const double runsTop = gridTop + kWeeks * cellHeight + h * 0.03;
    layout.runs = QRectF(inner.left(), runsTop, inner.width(), inner.bottom() - runsTop);
    return layout;
}

void PaintMonthPage(QPainter& painter, const QRectF& page, const MonthMoons& moons,
                    Hemisphere hemisphere)
{
    const MonthPageLayout layout = LayOutMonthPage(page, moons);
    const double h = page.height();
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    painter.fillRect(page, Qt::white);

    painter.setPen(Qt::black);
    painter.setFont(PageFont(h * 0.035, Weight::Bold));
    painter.drawText(layout.title, Qt::AlignCenter, TitleOf(moons));

    // The weekday names over the columns, from the locale's first day.
    painter.setFont(PageFont(h * 0.016, Weight::Bold));
    const double cellWidth = layout.weekdays.width() / 7;
    const int firstDay = QLocale().firstDayOfWeek();
    for (int column = 0; column < 7; ++column) {
        const int weekday = (firstDay - 1 + column) % 7 + 1;
        painter.drawText(QRectF(layout.weekdays.left() + column * cellWidth, layout.weekdays.top(),
                                cellWidth, layout.weekdays.height()),
                         Qt::AlignCenter, QLocale().dayName(weekday, QLocale::ShortFormat));
    }

    const QPen grid(colour::Grey, std::max(1.0, h / 1500));
    const QPen rim(colour::Grey, std::max(1.0, h / 2500));
    for (std::size_t i = 0; i < layout.days.size(); ++i) {
        const QRectF& cell = layout.days[i];
        painter.setPen(grid);
        painter.setBrush(Qt::NoBrush);
        painter.drawRect(cell);
        painter.setPen(Qt::black);
        painter.setFont(PageFont(cell.height() * 0.16, Weight::Bold));
        const double pad = cell.height() * 0.06;
        painter.drawText(cell.adjusted(pad, pad, -pad, -pad), Qt::AlignLeft | Qt::AlignTop,
                         QString::number(i + 1));
        if (i < moons.moons.size()) {
            // The moon fills the cell's lower right; a thin rim keeps a full moon apart from the
            // white paper.
            const double radius = std::min(cell.width(), cell.height()) * 0.34;
            const QPointF centre(cell.right() - pad - radius, cell.bottom() - pad - radius);
            PaintMoon(painter, SeenFrom(moons.moons[i].shape, hemisphere), centre, radius);
            painter.setPen(rim);
            painter.setBrush(Qt::NoBrush);
            painter.drawEllipse(centre, radius, radius);
        }
    }

    painter.setPen(Qt::black);
    painter.setFont(PageFont(h * 0.018, Weight::Normal));
    const double line = h * 0.028;
    double y = layout.runs.top();
    for (const QString& run : LegendLines(moons)) {
        painter.drawText(QRectF(layout.runs.left(), y, layout.runs.width(), line),
                         Qt::AlignLeft | Qt::AlignVCenter, run);
        y += line;
    }
    painter.restore();
}

} // namespace lunetide::ui
