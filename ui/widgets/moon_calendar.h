#pragma once

#include "core/hemisphere.h"
#include "core/month_moons.h"
#include "ui/widgets/sky_phases.h"

#include <QCalendarWidget>

// A month of days to pick from, each day with its moon: Qt's calendar (its keys, the locale's
// week, the range and accessibility) with each cell painted as the day's number over its moon
// picture, seen from the hemisphere given; right to left, the cell is mirrored. When the month on
// show changes, the selection moves into it, so that the day picked is always one on show; Enter
// that Qt's year editor passes on once it has applied the year stops here, so that a dialog does
// not take it for its default button. The month on show, and the months before and after it
// whose days its first and last weeks show, are worked out once, when the month comes on show;
// each picture is drawn once at the cell's size and reused.
class MoonCalendar : public QCalendarWidget {
    Q_OBJECT

public:
    explicit MoonCalendar(QWidget* parent = nullptr);

    void SetHemisphere(lunetide::Hemisphere hemisphere);
    lunetide::Hemisphere hemisphere() const { return hemisphere_; }

    // The moons of the month on show.
    const lunetide::MonthMoons& ShownMonth() const { return month_; }

    // The moon of a day the table shows, of the month on show or of the month before or after;
    // nullptr for any other day, or one whose moon is not reckoned.
    const lunetide::Moon* MoonOn(QDate date) const;

    // The principal phases in the sky of the days the table shows.
    const lunetide::ui::SkyPhases& SkyPhasesShown() const { return sky_; }

    // What a screen reader says for a day: "Thursday 24 December 2026, Full Moon", and on the
    // day of a principal phase "; full moon at 02:28 (Cold Moon)"; empty for a day without a moon.
    QString DayText(QDate date) const;

    // The day a cell of the calendar's table shows (row and column of its model, headers
    // included); an invalid date for a header cell.
    QDate DateOfCell(int row, int column) const;

    // The day whose cell is marked as today; the system's date unless a test pins it.
    void SetToday(QDate today);

signals:
    // The month on show changed and its moons are worked out.
    void shownMonthChanged();

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void paintCell(QPainter* painter, const QRect& rect, QDate date) const override;

private:
    void FollowPage(int year, int month);
    void FindSkyPhases();

    lunetide::MonthMoons before_;
    lunetide::MonthMoons month_;
    lunetide::MonthMoons after_;
    lunetide::ui::SkyPhases sky_;
    lunetide::Hemisphere hemisphere_ = lunetide::Hemisphere::North;
    QDate today_;
    QFont dayFont_;
};
