#pragma once

#include "core/hemisphere.h"

#include <QDate>
#include <QDialog>

#include <functional>
#include <memory>
#include <optional>

class QPrinter;

namespace Ui {
class frmCalendar;
}

// The calendar: a month of days with their moons and the month's phase runs, to pick a day from
// or to print. Enter, a double click or OK pick the selected day; Esc or Cancel leave without one.
class frmCalendar : public QDialog {
    Q_OBJECT

public:
    explicit frmCalendar(QWidget* parent = nullptr);
    ~frmCalendar() override;

    // Selects the day and shows its month.
    void ShowDay(QDate day);
    void SetToday(QDate today);
    void SetHemisphere(lunetide::Hemisphere hemisphere);

    QDate SelectedDay() const;

    // Shows a calendar modally over parent, opened on the given day; the day picked, or none.
    static std::optional<QDate> PickDay(QWidget* parent, QDate opening, QDate today,
                                        lunetide::Hemisphere hemisphere);

    Ui::frmCalendar* ui() const { return ui_.get(); }

    // How Print… sets up the printer: Qt's print dialog, unless a test puts another step in its
    // place; false when the user cancels.
    using PrinterSetUp = std::function<bool(QPrinter& printer, QWidget* parent)>;
    void SetPrinterSetUp(PrinterSetUp setUp) { setUpPrinter_ = std::move(setUp); }

private:
    void ShowPhaseRuns();
    void cmdPrint_Click();

    std::unique_ptr<Ui::frmCalendar> ui_;
    PrinterSetUp setUpPrinter_;
};
