#pragma once

#include "core/hemisphere.h"
#include "ui/widgets/month_moons.h"

#include <QCalendarWidget>
#include <QHash>
#include <QPixmap>

// A month of days to pick from, each day with its moon: Qt's calendar (its keys, the locale's
// week, the range and accessibility) with each cell painted as the day's number over its moon
// picture, seen from the hemisphere given. The month on show is worked out once, when it comes
// on show; each picture is drawn once at the cell's size and reused.
class MoonCalendar : public QCalendarWidget {
    Q_OBJECT

public:
    explicit MoonCalendar(QWidget* parent = nullptr);

    void SetHemisphere(lunetide::Hemisphere hemisphere);
    lunetide::Hemisphere hemisphere() const { return hemisphere_; }

    // The moons of the month on show.
    const lunetide::ui::MonthMoons& ShownMonth() const { return month_; }

    // The day a cell of the calendar's table shows (row and column of its model, headers
    // included); an invalid date for a header cell.
    QDate DateOfCell(int row, int column) const;

    // The day whose cell is marked as today; the system's date unless a test pins it.
    void SetToday(QDate today);

signals:
    // The month on show changed and its moons are worked out.
    void shownMonthChanged();

protected:
    void paintCell(QPainter* painter, const QRect& rect, QDate date) const override;

private:
    void FollowPage(int year, int month);
    QPixmap Picture(const lunetide::Moon& moon, int side, double ratio) const;

    lunetide::ui::MonthMoons month_;
    lunetide::Hemisphere hemisphere_ = lunetide::Hemisphere::North;
    QDate today_;
    QFont dayFont_;
    // Pictures by picture number and side, for the current hemisphere and pixel ratio.
    mutable QHash<int, QPixmap> pictures_;
    mutable double picturesRatio_ = 0;
};
