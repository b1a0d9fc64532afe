#include "ui/main_window.h"

#include "ui_main_window.h"

#include "core/reading.h"
#include "ui/app_icon.h"
#include "ui/centre_on_first_show.h"
#include "ui/clock_text.h"
#include "ui/core_text.h"
#include "ui/default_cancel.h"
#include "ui/label_fit.h"
#include "ui/look.h"
#include "ui/message_box.h"
#include "ui/moon_picture_box.h"
#include "ui/moon_pictures.h"
#include "ui/shared_menus.h"
#include "web/links.h"

#include <QCloseEvent>
#include <QTimer>

#include <algorithm>
#include <array>
#include <exception>

namespace {

using lunetide::TextCopy;
using lunetide::ui::CoreText;

constexpr int kClientWidth = 681;
constexpr int kClientHeight = 550;
constexpr int kFirstYear = 1901;
constexpr int kLastYear = 2050;

const QString kFebruaryMessage = QStringLiteral("Please Enter Correct Date Or Month!");
const QString kThirtyDayMonthMessage = QStringLiteral("Please Enter Correct Date Or Month !");
const QString kNoPhaseName = QStringLiteral("Phase Unknown");
const QString kNoPhaseText =
    QStringLiteral("The system clock says the year is %1. The moon's age can be reckoned for the "
                   "years 1000 to 9999 only: set the clock right to see today's moon phase.");

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
      moonPicture_(&lunetide::ui::MoonPicture), today_([] { return QDate::currentDate(); }),
      clock_(&lunetide::ui::ClockTextNow)
{
    lunetide::ui::InitLookResources();
    lunetide::ui::InstallFontSubstitutes();
    lunetide::ui::SetFixedWindowFlags(this);
    ui_->setupUi(this);
    StyleWidgets(*ui_);
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

    ui_->cboYear->setFocus();
}

frmMain::~frmMain() = default;

void frmMain::ConnectMenusAndLabels()
{
    using namespace lunetide::web;
    connect(ui_->mnuMoonMagickReading, &QAction::triggered, this,
            &frmMain::cmdCalculateMoonPhase_Click);
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

void frmMain::Form_Load()
{
    // Each list is filled in one insertion rather than item by item.
    QStringList days;
    for (int day = 1; day <= 31; ++day)
        days << QString::number(day);
    ui_->cboDate->addItems(days);
    ui_->cboMonth->addItems({"January", "February", "March", "April", "May", "June", "July",
                             "August", "September", "October", "November", "December"});
    QStringList years;
    for (int year = kFirstYear; year <= kLastYear; ++year)
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
    const int year = today.year();
    const int month = today.month();
    const int day = today.day();

    // The moon's age is reckoned from a four-digit year; a clock set outside the years 1000 to
    // 9999 gives no phase, but the day still has its sign and element.
    try {
        const lunetide::Reading reading = lunetide::ReadingOf(year, month, day, TextCopy::Today);
        const QString phaseName = CoreText(reading.phaseTexts.name);
        // The box keeps its size: a larger picture shows from its top left corner, cut by the box.
        if (moonPicture_)
            lunetide::ui::ShowMoonPicture(ui_->PicCurrentMoonPhase, moonPicture_(reading.picture),
                                          reading.picture, phaseName);
        ShowText(ui_->lblCurrentMoonPhaseName, phaseName);
        ShowText(ui_->lblCurrentMoonPhaseDesc, CoreText(reading.phaseTexts.text));
    } catch (const std::exception&) {
        ui_->PicCurrentMoonPhase->clear();
        ui_->PicCurrentMoonPhase->setAccessibleDescription(kNoPhaseName);
        ShowText(ui_->lblCurrentMoonPhaseName, kNoPhaseName);
        ShowText(ui_->lblCurrentMoonPhaseDesc, kNoPhaseText.arg(year));
    }

    // Every month and day the system clock reports has a sign.
    const lunetide::SunSign sign = *lunetide::SunSignOfToday(month, day);
    const lunetide::SignTexts signTexts = lunetide::SignTextsOf(sign, TextCopy::Today);
    ShowText(ui_->lblCurrentMoonInSunsign, CoreText(signTexts.title));
    ShowText(ui_->lblCurrentMoonInSunsignKeywords, CoreText(signTexts.keyword));
    ShowText(ui_->lblCurrentMoonInSunsignDesc, CoreText(signTexts.text));

    const lunetide::ElementTexts elementTexts =
        lunetide::ElementTextsOf(lunetide::ElementOf(sign), TextCopy::Today);
    ShowText(ui_->lblCurrentMoonInElement, CoreText(elementTexts.name));
    ShowText(ui_->lblCurrentMoonInElementDesc, CoreText(elementTexts.text));
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

// The lists offer 31 days in every month: refuses the days a month does not have. Any year of the
// list divisible by 4 is a leap year.
bool frmMain::ValidateChosenDate()
{
    const int year = ui_->cboYear->currentText().toInt();
    const bool leapYear = year % 4 == 0;
    const int monthPosition = ui_->cboMonth->currentIndex();
    const int dayPosition = ui_->cboDate->currentIndex();

    constexpr int kFebruary = 1;
    if (monthPosition == kFebruary && dayPosition >= (leapYear ? 29 : 28)) {
        lunetide::ui::ShowInformation(this, kFebruaryMessage);
        return false;
    }
    constexpr std::array kThirtyDayMonths = {3, 5, 8, 10}; // April, June, September, November
    constexpr int kThirtyFirst = 30;
    if (dayPosition == kThirtyFirst &&
        std::ranges::find(kThirtyDayMonths, monthPosition) != kThirtyDayMonths.end()) {
        lunetide::ui::ShowInformation(this, kThirtyDayMonthMessage);
        return false;
    }
    return true;
}

// The sign of the chosen date replaces the remembered one; a date without a sign keeps it.
void frmMain::StoreChosenDateSign()
{
    const std::optional<lunetide::SunSign> sign =
        lunetide::SunSignOfChosenDate(ui_->cboMonth->currentIndex(), ui_->cboDate->currentIndex());
    if (sign)
        chosenDateSign_ = std::string(lunetide::SignName(*sign));
}

void frmMain::cmdCalculateMoonPhase_Click()
{
    if (!ValidateChosenDate())
        return;

    // The option buttons share one exclusive group, so exactly one of them is selected. Were none,
    // no reading would be written and the display window would still be shown.
    ReadingRequest request;
    if (ui_->optMoonPhase->isChecked()) {
        const QString dayText = ui_->cboDate->currentText();
        const QString yearText = ui_->cboYear->currentText();
        const int month = ui_->cboMonth->currentIndex() + 1;
        const lunetide::Reading reading =
            lunetide::ReadingOf(yearText.toInt(), month, dayText.toInt(), TextCopy::Display);
        request.kind = ReadingKind::MoonPhase;
        request.picture = reading.picture;
        request.phaseName = CoreText(reading.phaseTexts.name);
        request.phaseText = CoreText(reading.phaseTexts.text);
        request.dateTime = clock_();
        request.givenDate = QStringLiteral("%1/%2/%3").arg(month).arg(dayText, yearText);
    } else if (ui_->optZodiacalMoon->isChecked()) {
        request.kind = ReadingKind::ZodiacalMoon;
        StoreChosenDateSign();
        if (const auto texts = lunetide::SignTextsOf(chosenDateSign_, TextCopy::Display)) {
            request.hasSign = true;
            request.signTitle = CoreText(texts->title);
            request.keyword = CoreText(texts->keyword);
            request.signText = CoreText(texts->text);
        }
    } else if (ui_->optElementalMoon->isChecked()) {
        request.kind = ReadingKind::ElementalMoon;
        StoreChosenDateSign();
        if (const auto sign = lunetide::SignNamed(chosenDateSign_)) {
            const lunetide::ElementTexts texts =
                lunetide::ElementTextsOf(lunetide::ElementOf(*sign), TextCopy::Display);
            request.hasSign = true;
            request.elementName = CoreText(texts.name);
            request.elementText = CoreText(texts.text);
        }
    }
    emit readingRequested(request);
}

void frmMain::BringOfferToFront(Offer offer)
{
    (offer == Offer::CoBrand ? ui_->lblCobrand : ui_->lblFullBrand)->raise();
}

// Closing always goes through; what follows (the exit screen) is the registry's business. The
// clock stops with the window.
void frmMain::closeEvent(QCloseEvent* event)
{
    timer1_->stop();
    event->accept();
    emit unloading();
}
