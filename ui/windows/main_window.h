#pragma once

#include "core/hemisphere.h"
#include "ui/request/reading_request.h"

#include <QDate>
#include <QMainWindow>
#include <QPixmap>

#include <functional>
#include <memory>
#include <optional>

class QTimer;

namespace Ui {
class frmMain;
}

// The main window: today's three readings, the running clock, the date entry and the reading
// request, the menus and the offer labels. Moves to other windows are signalled to the window
// registry.
class frmMain : public QMainWindow {
    Q_OBJECT

public:
    using MoonPictureSource = std::function<QPixmap(int k)>;
    using TodaySource = std::function<QDate()>;
    using ClockSource = std::function<QString()>;

    explicit frmMain(QWidget* parent = nullptr);
    ~frmMain() override;

    // Where today's moon picture comes from: the moon pictures unless a test replaces them. Set
    // before Form_Load.
    void SetMoonPictureSource(MoonPictureSource source);
    // Today's date and the clock text; the system clock unless a test pins them.
    void SetTodaySource(TodaySource source);
    void SetClockSource(ClockSource source);

    // Fills the lists, shows today's reading and starts the clock. Each tick of the clock shows
    // the reading again when the date has changed.
    void Form_Load();

    // The reading button's work; File > Moon Magick Reading runs it too.
    void cmdCalculateMoonPhase_Click();

    // File > Moon Calendar: a month of moons, opened on the month of the date in the lists (on
    // today's while they hold the 1 January 1901 they open with); the day picked there moves the
    // lists to it.
    void mnuMoonCalendar_Click();

    // The hemisphere the moons of the calendar are drawn for.
    void SetHemisphere(lunetide::Hemisphere hemisphere);

    // Brings one of the two offer labels of the bottom strip to the front.
    enum class Offer { CoBrand, FullBrand };
    void BringOfferToFront(Offer offer);

    Ui::frmMain* ui() const { return ui_.get(); }

signals:
    // A valid date was requested: the registry writes the reading into the display window, hides
    // this window and shows the display window.
    void readingRequested(const ReadingRequest& request);
    // Once a second, before this window's own clock label is refreshed: the display window's
    // clock gets the same text.
    void clockTicked(const QString& clockText);
    // The window is being closed (Exit, File > Exit, Enter, Esc, the close button, or the
    // registry unloading it). The close always goes through.
    void unloading();

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    void ConnectMenusAndLabels();
    void ShowTodaysReading(QDate today);
    void Timer1_Timer();

    std::unique_ptr<Ui::frmMain> ui_;
    MoonPictureSource moonPicture_;
    TodaySource today_;
    ClockSource clock_;
    // The reading of the last zodiacal or elemental request that had a sign, kept when none is
    // found.
    std::optional<lunetide::Reading> lastSignReading_;
    QTimer* timer1_ = nullptr;
    QDate shownToday_; // the date whose reading the today panels show
    lunetide::Hemisphere hemisphere_ = lunetide::Hemisphere::North;
};
