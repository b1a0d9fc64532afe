#include "ui/windows/main_window.h"

#include "ui_main_window.h"

#include "core/reading.h"
#include "ui/look/app_icon.h"
#include "ui/look/look.h"
#include "ui/look/moon_pictures.h"
#include "ui/request/chosen_date.h"
#include "ui/request/clock_text.h"
#include "ui/request/core_text.h"
#include "ui/widgets/centre_on_first_show.h"
#include "ui/widgets/default_cancel.h"
#include "ui/widgets/keyboard_focus_mark.h"
#include "ui/widgets/label_fit.h"
#include "ui/widgets/moon_picture_box.h"
#include "ui/windows/calendar_window.h"
#include "ui/windows/message_box.h"
#include "ui/windows/place_window.h"
#include "ui/windows/shared_menus.h"
#include "ui/windows/sky_window.h"
#include "web/links.h"

#include <QApplication>
#include <QCloseEvent>
#include <QTimer>

#include <algorithm>
#include <cmath>
#include <optional>

namespace {

using lunetide::TextCopy;
using lunetide::ui::CoreText;

constexpr int kClientWidth = 681;
constexpr int kClientHeight = 550;

const QString kNoPhaseName = QStringLiteral("Phase Unknown");
const QString kNoPhaseText =
    QStringLiteral("The system clock says the year is %1. The moon's age can be reckoned for the "
                   "years %2 to %3 only: set the clock right to see today's moon phase.");

void ShowText(QLabel* label, const QString& text)
{
    label->setText(text);
    if (!label->wordWrap())
        lunetide::ui::GrowToText(label);
}

// The colours and fonts of the labels, option buttons and plain frames. They are set here rather
// than by rules of the window's style sheet: a widget that a rule matches has its palette and font
// worked out by the style sheet when it is polished, which for a plain colour and font costs more
// at start-up than painting the widget. The style sheet keeps what a palette cannot draw: group
// boxes, lists and buttons.
void StyleWidgets(Ui::frmMain& ui)
{
    using namespace lunetide::ui;
    const QFont plain = VerdanaFont(8.25, Weight::Normal);
    const QFont bold = VerdanaFont(8.25, Weight::Bold);
    const QFont boldLink = VerdanaFont(8.25, Weight::Bold, Underline::Yes);
    for (QLabel* label : {ui.lblCurrentMoonInSunsign, ui.lblCurrentMoonInSunsignKeywords, ui.Label1,
                          ui.lblCurrentMoonPhaseName})
        SetLook(label, bold, colour::Orange);
    SetLook(ui.Label3, boldLink, colour::Orange);
    for (QLabel* label : {ui.lblCurrentMoonInSunsignDesc, ui.lblCurrentMoonInElementDesc,
                          ui.lblCurrentMoonPhaseDesc})
        SetLook(label, plain, colour::Orange);
    SetLook(ui.lblCurrentMoonInElement, VerdanaFont(9.75, Weight::Bold), colour::Orange);
    SetLook(ui.lblCurrentDateTime, VerdanaFont(9, Weight::Bold), colour::Cyan);
    SetColours(ui.PicCurrentMoonPhase, colour::Black, colour::Black);
    for (QLabel* label : {ui.Label5, ui.Label6, ui.Label7})
        SetLook(label, VerdanaFont(8.25, Weight::Normal, Underline::Yes), colour::White);
    SetLook(ui.Label2, boldLink, colour::Green);
    SetLook(ui.Label61, VerdanaFont(9, Weight::Bold, Underline::Yes), colour::Black, colour::White);
    // The two offer labels lie on each other; filled, the one in front hides the other from
    // painting too.
    for (QLabel* label : {ui.lblCobrand, ui.lblFullBrand})
        SetLook(label, boldLink, colour::Black, colour::Orange);
    for (QRadioButton* option : {ui.optMoonPhase, ui.optZodiacalMoon, ui.optElementalMoon})
        SetLook(option, bold, colour::Orange);
    SetColours(ui.Frame1, colour::Orange, colour::Black);
    for (QFrame* frame : {ui.Frame2, ui.Frame5})
        SetColours(frame, colour::Black, colour::Orange);
}

} // namespace

frmMain::frmMain(QWidget* parent)
    : QMainWindow(parent), ui_(std::make_unique<Ui::frmMain>()),
      moonPicture_([](const lunetide::Moon& moon, lunetide::Hemisphere hemisphere) {
          return lunetide::ui::MoonPicture(moon, hemisphere);
      }),
      today_([] { return QDate::currentDate(); }), clock_(&lunetide::ui::ClockTextNow)
{
    lunetide::ui::InitLookResources();
    lunetide::ui::InstallFontSubstitutes();
    lunetide::ui::SetFixedWindowFlags(this);
    ui_->setupUi(this);
    lunetide::ui::UseHouseLook(this);
    StyleWidgets(*ui_);
    // The form's style sheet gives the reading button a solid face inside square, solid borders:
    // it covers all its pixels, so pressing it need not repaint the frames beneath. An
    // application style sheet (-stylesheet) may round its corners.
    if (qApp->styleSheet().isEmpty())
        ui_->cmdCalculateMoonPhase->setAttribute(Qt::WA_OpaquePaintEvent);
    setWindowTitle(lunetide::ui::kWindowCaption);
    setWindowIcon(lunetide::ui::AppIcon());
    ui_->centralwidget->setFixedSize(kClientWidth, kClientHeight);
    adjustSize();
    lunetide::ui::MakeFixedWindow(this);
    new lunetide::ui::CentreOnFirstShow(this);

    // Static captions whose stored rectangles are too narrow for the stand-in font.
    for (QLabel* label : {ui_->Label1, ui_->Label3, ui_->Label5, ui_->Label6, ui_->Label7})
        lunetide::ui::GrowToText(label);

    timer1_ = new QTimer(this);
    timer1_->setObjectName(QStringLiteral("Timer1"));
    timer1_->setInterval(1000);
    connect(timer1_, &QTimer::timeout, this, &frmMain::Timer1_Timer);

    connect(ui_->cmdCalculateMoonPhase, &QPushButton::clicked, this,
            &frmMain::cmdCalculateMoonPhase_Click);
    connect(ui_->cmdExit, &QPushButton::clicked, this, &QWidget::close);
    ConnectMenusAndLabels();
    lunetide::ui::DefaultCancelButtons::Install(this, ui_->cmdExit, ui_->cmdExit);
    lunetide::ui::KeyboardFocusMark::InstallOnTabStops(this);

    ui_->cboYear->setFocus();
}

frmMain::~frmMain() = default;

void frmMain::ConnectMenusAndLabels()
{
    using namespace lunetide::web;
    connect(ui_->mnuMoonMagickReading, &QAction::triggered, this,
            &frmMain::cmdCalculateMoonPhase_Click);
    connect(ui_->mnuSouthernHemisphere, &QAction::triggered, this,
            &frmMain::mnuSouthernHemisphere_Click);
    connect(ui_->mnuMoonCalendar, &QAction::triggered, this, &frmMain::mnuMoonCalendar_Click);
    connect(ui_->mnuMoonSky, &QAction::triggered, this, &frmMain::mnuMoonSky_Click);
    connect(ui_->mnuYourPlace, &QAction::triggered, this, &frmMain::mnuYourPlace_Click);
    connect(ui_->mnuExit, &QAction::triggered, this, &QWidget::close);
    lunetide::ui::ConnectSharedMenus(this, *ui_);

    connect(ui_->Label2, &ClickableLabel::clicked, this, &LinkFullyBranded);
    connect(ui_->Label61, &ClickableLabel::clicked, this, &LinkHomePage);
    connect(ui_->lblCobrand, &ClickableLabel::clicked, this, &LinkCoBrand);
    connect(ui_->lblFullBrand, &ClickableLabel::clicked, this, &LinkFullyBranded);
}

void frmMain::SetMoonPictureSource(MoonPictureSource source)
{
    moonPicture_ = std::move(source);
}

void frmMain::SetTodaySource(TodaySource source)
{
    today_ = std::move(source);
}

void frmMain::SetClockSource(ClockSource source)
{
    clock_ = std::move(source);
}

void frmMain::SetHemisphere(lunetide::Hemisphere hemisphere)
{
    ui_->mnuSouthernHemisphere->setChecked(hemisphere == lunetide::Hemisphere::South);
    if (hemisphere == hemisphere_)
        return;
    hemisphere_ = hemisphere;
    if (shownToday_.isValid())
        ShowTodaysReading(shownToday_);
}

void frmMain::SetHemisphereStore(HemisphereStore store)
{
    storeHemisphere_ = std::move(store);
}

void frmMain::SetPlaceSources(PlaceSource place, PlaceStore store)
{
    place_ = std::move(place);
    storePlace_ = std::move(store);
}

// The menu entry has already changed its check mark; it keeps it only when the choice is stored.
void frmMain::mnuSouthernHemisphere_Click(bool checked)
{
    const auto chosen = checked ? lunetide::Hemisphere::South : lunetide::Hemisphere::North;
    if (storeHemisphere_) {
        if (const QString problem = storeHemisphere_(chosen); !problem.isEmpty()) {
            SetHemisphere(hemisphere_);
            lunetide::ui::ShowCritical(this, problem);
            return;
        }
    }
    SetHemisphere(chosen);
}

void frmMain::Form_Load()
{
    QStringList days;
    for (int day = 1; day <= 31; ++day)
        days << QString::number(day);
    ui_->cboDate->addItems(days);
    ui_->cboMonth->addItems({"January", "February", "March", "April", "May", "June", "July",
                             "August", "September", "October", "November", "December"});
    QStringList years;
    for (int year = kFirstListYear; year <= kLastListYear; ++year)
        years << QString::number(year);
    ui_->cboYear->addItems(years);
    ui_->cboDate->setCurrentIndex(0);
    ui_->cboMonth->setCurrentIndex(0);
    ui_->cboYear->setCurrentIndex(0);

    ShowTodaysReading(today_());
    ShowText(ui_->lblCurrentDateTime, clock_());

    timer1_->start();
}

// Today's phase with its picture, sign and element, for the date given.
void frmMain::ShowTodaysReading(QDate today)
{
    shownToday_ = today;
    // Every date the system clock reports has a sign; the moon's age is reckoned from a four-digit
    // year only, so a clock set outside the years 1000 to 9999 gives no phase.
    const std::optional<lunetide::Reading> reading =
        lunetide::ReadingOf(today.year(), today.month(), today.day(), TextCopy::Today);
    if (!reading)
        return;
    if (const std::optional<lunetide::Moon>& moon = reading->moon) {
        const QString phaseName = CoreText(reading->phaseTexts.name);
        // The box keeps its size: a larger picture shows from its top left corner, cut by the box.
        if (moonPicture_)
            lunetide::ui::ShowMoonPicture(ui_->PicCurrentMoonPhase,
                                          moonPicture_(*moon, hemisphere_), moon->age, phaseName);
        ShowText(ui_->lblCurrentMoonPhaseName, phaseName);
        ShowText(ui_->lblCurrentMoonPhaseDesc, CoreText(reading->phaseTexts.text));
    } else {
        ui_->PicCurrentMoonPhase->clear();
        ui_->PicCurrentMoonPhase->setAccessibleDescription(kNoPhaseName);
        ShowText(ui_->lblCurrentMoonPhaseName, kNoPhaseName);
        ShowText(ui_->lblCurrentMoonPhaseDesc, kNoPhaseText.arg(today.year())
                                                   .arg(lunetide::kFirstReadableYear)
                                                   .arg(lunetide::kLastReadableYear));
    }

    ShowText(ui_->lblCurrentMoonInSunsign, CoreText(reading->signTexts.title));
    ShowText(ui_->lblCurrentMoonInSunsignKeywords, CoreText(reading->signTexts.keyword));
    ShowText(ui_->lblCurrentMoonInSunsignDesc, CoreText(reading->signTexts.text));
    ShowText(ui_->lblCurrentMoonInElement, CoreText(reading->elementTexts.name));
    ShowText(ui_->lblCurrentMoonInElementDesc, CoreText(reading->elementTexts.text));
}

// Both clocks once a second, the display window's first; each reads the clock afresh. When the
// date has changed (midnight, or the clock set to another day), today's reading follows it.
void frmMain::Timer1_Timer()
{
    if (const QDate today = today_(); today != shownToday_)
        ShowTodaysReading(today);
    emit clockTicked(clock_());
    ShowText(ui_->lblCurrentDateTime, clock_());
}

// The lists hold the days 1 to 31 and the months in their order; nothing selected gives 0.
ChosenDate frmMain::ListedDate() const
{
    return {ui_->cboYear->currentText().toInt(), ui_->cboMonth->currentIndex() + 1,
            ui_->cboDate->currentIndex() + 1};
}

void frmMain::cmdCalculateMoonPhase_Click()
{
    const ChosenDate date = ListedDate();
    if (const std::optional<QString> problem = DateProblem(date)) {
        lunetide::ui::ShowInformation(this, *problem);
        return;
    }

    // The option buttons share one exclusive group, so exactly one of them is selected. Were none,
    // no reading would be written and the display window would still be shown.
    std::optional<ReadingKind> kind;
    if (ui_->optMoonPhase->isChecked())
        kind = ReadingKind::MoonPhase;
    else if (ui_->optZodiacalMoon->isChecked())
        kind = ReadingKind::ZodiacalMoon;
    else if (ui_->optElementalMoon->isChecked())
        kind = ReadingKind::ElementalMoon;
    ReadingRequest request =
        kind ? RequestFor(date, *kind, clock_(), lastSignReading_) : ReadingRequest{};
    request.hemisphere = hemisphere_;
    emit readingRequested(request);
}

std::optional<QDate> frmMain::OpeningDay() const
{
    const auto [year, month, day] = ListedDate();
    const bool listsAsOpened = year == kFirstListYear && month == 1 && day == 1;
    if (listsAsOpened || year < kFirstListYear || month < 1)
        return std::nullopt;
    const QDate first(year, month, 1);
    return first.addDays(std::min(day, first.daysInMonth()) - 1);
}

void frmMain::mnuMoonCalendar_Click()
{
    const QDate today = today_();
    const std::optional<QDate> picked =
        frmCalendar::PickDay(this, OpeningDay().value_or(today), today, hemisphere_);
    if (!picked)
        return;
    ui_->cboDate->setCurrentIndex(picked->day() - 1);
    ui_->cboMonth->setCurrentIndex(picked->month() - 1);
    ui_->cboYear->setCurrentIndex(picked->year() - kFirstListYear);
}

void frmMain::mnuMoonSky_Click()
{
    frmSky::ShowModal(this, OpeningDay(), place_ ? place_() : std::nullopt);
}

void frmMain::mnuYourPlace_Click()
{
    frmPlace::Choose(this, place_ ? place_() : std::nullopt, storePlace_);
}

void frmMain::BringOfferToFront(Offer offer)
{
    (offer == Offer::CoBrand ? ui_->lblCobrand : ui_->lblFullBrand)->raise();
}

int frmMain::CoBrandDraw(double r)
{
    // nearbyint rounds ties to even in the default rounding mode.
    return static_cast<int>(std::nearbyint(r * 6.0 + 1.0));
}

void frmMain::CoBrand_Randomize(double r)
{
    switch (CoBrandDraw(r)) {
    case 1:
    case 3:
    case 5:
        BringOfferToFront(Offer::CoBrand);
        break;
    case 2:
    case 4:
    case 6:
        BringOfferToFront(Offer::FullBrand);
        break;
    default: // 7: the layout's order stays
        break;
    }
}

// Closing always goes through; what follows (the exit screen) is the registry's business. The
// clock stops with the window.
void frmMain::closeEvent(QCloseEvent* event)
{
    timer1_->stop();
    event->accept();
    emit unloading();
}
