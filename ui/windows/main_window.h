#pragma once

#include "core/hemisphere.h"
#include "settings/place.h"
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
    using MoonPictureSource = std::function<QPixmap(const lunetide::Moon&, lunetide::Hemisphere)>;
    using TodaySource = std::function<QDate()>;
    using ClockSource = std::function<QString()>;
    // Stores the user's choice of hemisphere; returns why it could not, or an empty text.
    using HemisphereStore = std::function<QString(lunetide::Hemisphere)>;
    // The user's place (the stored one, else the time zone's; none when neither is known), and
    // where File > Your Place stores a place or, for none, removes it; the store returns why it
    // could not, or an empty text.
    using PlaceSource = std::function<std::optional<Place>()>;
    using PlaceStore = std::function<QString(const std::optional<Place>&)>;

    explicit frmMain(QWidget* parent = nullptr);
    ~frmMain() override;

    // Where today's moon picture comes from: the moon pictures unless a test replaces them. Set
    // before Form_Load.
    void SetMoonPictureSource(MoonPictureSource source);
    // Today's date and the clock text; the system clock unless a test pins them.
    void SetTodaySource(TodaySource source);
    void SetClockSource(ClockSource source);

    // The hemisphere the moon pictures are drawn for: today's picture at once, the check mark of
    // File > Southern Hemisphere, and every reading requested from now on.
    void SetHemisphere(lunetide::Hemisphere hemisphere);
    lunetide::Hemisphere hemisphere() const { return hemisphere_; }
    // Where File > Southern Hemisphere stores the choice. Without a store the menu entry only
    // changes the pictures of this run.
    void SetHemisphereStore(HemisphereStore store);
    // Where the sky window's place comes from and where File > Your Place stores it. Without a
    // source no place is known; without a store Your Place changes nothing.
    void SetPlaceSources(PlaceSource place, PlaceStore store);

    // Fills the lists, shows today's reading and starts the clock. Each tick of the clock shows
    // the reading again when the date has changed.
    void Form_Load();

    // The reading button's work; File > Moon Magick Reading runs it too.
    void cmdCalculateMoonPhase_Click();

    // File > Moon Calendar: a month of moons, opened on the month of the date in the lists (on
    // today's while they hold the 1 January 1901 they open with); the day picked there moves the
    // lists to it.
    void mnuMoonCalendar_Click();

    // File > Moon in the Sky: the moon in the sky for the date in the lists, or for now while they
    // hold 1 January 1901.
    void mnuMoonSky_Click();
    // File > Your Place: the place the sky window's rise and set are for.
    void mnuYourPlace_Click();

    // Brings one of the two offer labels of the bottom strip to the front.
    enum class Offer { CoBrand, FullBrand };
    void BringOfferToFront(Offer offer);

    // The co-branding draw: r in [0, 1) times 6 plus 1, rounded half to even, so 1 to 7.
    static int CoBrandDraw(double r);
    // Brings the co-branding offer to the front for a draw of 1, 3 or 5, the fully-branded one
    // for 2, 4 or 6; 7 leaves the layout's order.
    void CoBrand_Randomize(double r);

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
    // The date the Date, Month and Year lists show.
    ChosenDate ListedDate() const;
    // The date in the lists for the calendar and the sky window; none while the lists hold the
    // 1 January 1901 they open with. A day the month lacks (31 April) is the month's last day.
    std::optional<QDate> OpeningDay() const;
    void ConnectMenusAndLabels();
    void ShowTodaysReading(QDate today);
    void Timer1_Timer();
    void mnuSouthernHemisphere_Click(bool checked);

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
    HemisphereStore storeHemisphere_;
    PlaceSource place_;
    PlaceStore storePlace_;
};
