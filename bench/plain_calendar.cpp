// The calendar's baseline: Qt's own QCalendarWidget in a dialog of the calendar window's size,
// showing the same month and range, without pictures or styling.
#include "calendar_timing.h"

#include <QApplication>
#include <QDialog>

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    return calendar_timing::Measure(
        [] {
            auto* dialog = new QDialog;
            dialog->resize(481, 473);
            auto* calendar = new QCalendarWidget(dialog);
            calendar->setGeometry(8, 8, 465, 330);
            calendar->setDateRange(QDate(1901, 1, 1), QDate(2050, 12, 31));
            calendar->setSelectedDate(QDate(2026, 12, 24));
            return dialog;
        },
        [](QWidget* dialog) { return dialog->findChild<QCalendarWidget*>(); });
}
