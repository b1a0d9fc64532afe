#include "ui/windows/month_page.h"

#include "ui/look/look.h"
#include "ui/look/moon_pictures.h"
#include "ui/widgets/shown_month.h"

#include <QFontMetricsF>
#include <QLocale>
#include <QPainter>

#include <algorithm>

namespace lunetide::ui {
namespace {

constexpr int kWeeks = 6;
// Shares of the unit: the title's and the weekday names' bands, the gap above the legend, a
// legend line, a week at most; and the fonts' pixel sizes.
constexpr double kTitle = 0.07, kWeekdays = 0.04, kGap = 0.03, kRunLine = 0.028, kWeek = 0.56 / 6;
constexpr double kTitleFont = 0.035, kWeekdayFont = 0.016, kRunsFont = 0.018;

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

double WidestOf(const QStringList& texts, const QFont& font)
{
    const QFontMetricsF metrics(font);
    double widest = 0;
    for (const QString& text : texts)
        widest = std::max(widest, metrics.horizontalAdvance(text));
    return widest;
}

// The font at the size asked for, or smaller where the widest of the texts would not fit.
QFont FittingFont(double pixels, Weight weight, const QStringList& texts, double width)
{
    const double widest = WidestOf(texts, PageFont(pixels, weight));
    return PageFont(widest > width ? pixels * width / widest : pixels, weight);
}

QStringList WeekdayNames(QLocale::FormatType format)
{
    const QLocale locale;
    QStringList names;
    for (int column = 0; column < 7; ++column)
        names << locale.dayName((locale.firstDayOfWeek() - 1 + column) % 7 + 1, format);
    return names;
}

} // namespace

MonthPageLayout LayOutMonthPage(const QRectF& page, const MonthMoons& month,
                                const QStringList& skyLines)
{
    const QDate first = FirstDayOf(month);
    QStringList legend = LegendLines(month);
    if (!skyLines.isEmpty())
        legend << QString() << QStringLiteral("In the sky:") << skyLines;
    const double margin = std::min(page.width(), page.height()) * 0.05;
    const QRectF inner = page.adjusted(margin, margin, -margin, -margin);
    const double widestCell = inner.width() / 7;
    const double tallestCell = widestCell * 1.2;

    // The unit is the page's height unless the title, the weekdays, six weeks and the legend
    // would then not fit between the margins: then the largest that does.
    MonthPageLayout layout;
    const double bands = kTitle + kWeekdays + kGap + kRunLine * double(legend.size());
    layout.unit = inner.height() / (bands + kWeeks * kWeek);
    if (kWeek * layout.unit > tallestCell)
        layout.unit = (inner.height() - kWeeks * tallestCell) / bands;
    layout.unit = std::min(layout.unit, page.height());
    const double unit = layout.unit;
    const double cellHeight = std::min(kWeek * unit, tallestCell);
    // On a low page the weeks keep their shape, in the middle of the page.
    const double cellWidth = std::min(widestCell, cellHeight * 1.5);
    const double gridLeft = inner.center().x() - 3.5 * cellWidth;

    layout.titleFont =
        FittingFont(kTitleFont * unit, Weight::Bold, {TitleOf(month)}, inner.width());
    layout.runsFont =
        FittingFont(kRunsFont * unit, Weight::Normal, legend, inner.right() - gridLeft);
    // A little room either side of each name keeps neighbours apart.
    const double nameWidth = cellWidth * 0.9;
    layout.weekdayNames = WeekdayNames(QLocale::ShortFormat);
    if (WidestOf(layout.weekdayNames, PageFont(kWeekdayFont * unit, Weight::Bold)) > nameWidth)
        layout.weekdayNames = WeekdayNames(QLocale::NarrowFormat);
    layout.weekdayFont =
        FittingFont(kWeekdayFont * unit, Weight::Bold, layout.weekdayNames, nameWidth);

    layout.title = QRectF(inner.left(), inner.top(), inner.width(), kTitle * unit);
    layout.weekdays = QRectF(gridLeft, layout.title.bottom(), 7 * cellWidth, kWeekdays * unit);
    const double gridTop = layout.weekdays.bottom();
    const int offset = ColumnOf(first, QLocale().firstDayOfWeek());
    for (int day = 1; day <= first.daysInMonth(); ++day) {
        const int cell = offset + day - 1;
        layout.days.emplace_back(gridLeft + (cell % 7) * cellWidth,
                                 gridTop + (cell / 7) * cellHeight, cellWidth, cellHeight);
    }
    layout.lines = legend;
    layout.runs = QRectF(gridLeft, gridTop + kWeeks * cellHeight + kGap * unit,
                         inner.right() - gridLeft, kRunLine * unit * double(legend.size()));
    return layout;
}

void PaintMonthPage(QPainter& painter, const QRectF& page, const MonthMoons& moons,
                    Hemisphere hemisphere, const QStringList& skyLines)
{
    const MonthPageLayout layout = LayOutMonthPage(page, moons, skyLines);
    const double unit = layout.unit;
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    painter.fillRect(page, Qt::white);

    painter.setPen(Qt::black);
    painter.setFont(layout.titleFont);
    painter.drawText(layout.title, Qt::AlignCenter, TitleOf(moons));

    // The weekday names over the columns, from the locale's first day.
    painter.setFont(layout.weekdayFont);
    const double cellWidth = layout.weekdays.width() / 7;
    for (int column = 0; column < 7; ++column)
        painter.drawText(QRectF(layout.weekdays.left() + column * cellWidth, layout.weekdays.top(),
                                cellWidth, layout.weekdays.height()),
                         Qt::AlignCenter, layout.weekdayNames[column]);

    const QPen grid(colour::Grey, std::max(1.0, unit / 1500));
    const QPen rim(colour::Grey, std::max(1.0, unit / 2500));
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
    painter.setFont(layout.runsFont);
    const double line = kRunLine * unit;
    double y = layout.runs.top();
    for (const QString& run : layout.lines) {
        painter.drawText(QRectF(layout.runs.left(), y, layout.runs.width(), line),
                         Qt::AlignLeft | Qt::AlignVCenter, run);
        y += line;
    }
    painter.restore();
}

} // namespace lunetide::ui
