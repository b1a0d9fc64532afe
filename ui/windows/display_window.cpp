#include "ui/windows/display_window.h"

#include "core/reading.h"
#include "ui/look/app_icon.h"
#include "ui/look/look.h"
#include "ui/look/moon_pictures.h"
#include "ui/request/core_text.h"
#include "ui/widgets/centre_on_first_show.h"
#include "ui/widgets/default_cancel.h"
#include "ui/widgets/keyboard_focus_mark.h"
#include "ui/widgets/label_fit.h"
#include "ui/widgets/moon_picture_box.h"
#include "ui/windows/shared_menus.h"
#include "ui_display_window.h"
#include "web/links.h"

#include <QCloseEvent>
#include <QMenuBar>

using namespace lunetide;
using lunetide::ui::CoreText;

namespace {

constexpr int kClientWidth = 569;
constexpr int kClientHeight = 329;
constexpr int kStoredAge = 14; // the form stores picture 15, the moon 14 days old

// Sets the text of a label that sizes itself: it takes the size of its text on one line and keeps
// its left and top edges as the form placed them.
void SetSizedText(QLabel* label, const QString& text)
{
    label->setText(text);
    ui::SizeToText(label);
}

// A word-wrapped label keeps its place and breaks its text into lines.
void SetWrappedText(QLabel* label, const QString& text)
{
    label->setText(text);
    ui::GrowToWrappedText(label);
}

// The colours and fonts of the labels and frames, set here rather than by rules of a style sheet:
// a widget that a rule matches is polished and painted through the style-sheet style, which for a
// plain colour and font costs more at every showing than the painting itself. The style sheet
// keeps what a palette cannot draw: the buttons' borders.
void StyleWidgets(Ui::frmDisplay& form)
{
    using namespace lunetide::ui;
    const QFont bold = VerdanaFont(8.25, Weight::Bold);
    const QFont boldLink = VerdanaFont(8.25, Weight::Bold, Underline::Yes);
    SetLook(form.Label61, VerdanaFont(9, Weight::Bold, Underline::Yes), colour::Black);
    for (QLabel* label : {form.lblMoonPhaseName, form.lblGivenDate, form.lblDateTime})
        SetLook(label, bold, colour::White);
    for (QLabel* label : {form.lblMoonInSunsign, form.lblMoonInElement})
        SetLook(label, VerdanaFont(11.25, Weight::Bold), colour::White);
    for (QLabel* label : {form.Label2, form.Label3, form.Label4})
        SetLook(label, boldLink, colour::Orange);
    for (QLabel* label :
         {form.lblMoonInSunsignKeywords, form.lblMoonInSunsignDesc, form.lblMoonInElementDesc})
        SetLook(label, bold, colour::Orange);
    SetLook(form.lblMoonPhaseDesc, VerdanaFont(8.25, Weight::Normal), colour::Orange);
    SetColours(form.PicMoonPhase, colour::Black, colour::Black);
    // lblFullBrand lies exactly on lblCobrand; filled, it hides the one behind from painting.
    for (QLabel* label : {form.lblCobrand, form.lblFullBrand})
        SetLook(label, boldLink, colour::Black, colour::Orange);
    for (QFrame* frame : {form.fraMoonPhase, form.fraZodiacalMoon, form.fraElementalMoon})
        SetColours(frame, colour::Orange, colour::Black);
    for (QFrame* frame : {form.Frame2, form.Frame5})
        SetColours(frame, colour::Black, colour::Orange);
}

} // namespace

frmDisplay::frmDisplay(QWidget* parent)
    : QMainWindow(parent), ui_(std::make_unique<Ui::frmDisplay>())
{
    ui::SetFixedWindowFlags(this);
    ui_->setupUi(this);
    ui::UseHouseLook(this);
    StyleWidgets(*ui_);
    setWindowTitle(ui::kWindowCaption);
    setWindowIcon(ui::AppIcon());

    // The client area below the menu bar is the form's 569 x 329.
    resize(kClientWidth, menuBar()->sizeHint().height() + kClientHeight);
    ui::MakeFixedWindow(this);
    centring_ = new ui::CentreOnFirstShow(this);

    // Labels that size themselves take the size of their stored captions in the font at hand.
    for (QLabel* label : std::initializer_list<QLabel*>{
             ui_->lblMoonPhaseName, ui_->Label2, ui_->Label3, ui_->lblGivenDate, ui_->lblDateTime,
             ui_->lblMoonInSunsign, ui_->Label4, ui_->lblMoonInSunsignKeywords,
             ui_->lblMoonInElement}) {
        SetSizedText(label, label->text());
    }
    for (QLabel* label : std::initializer_list<QLabel*>{
             ui_->Label61, ui_->lblMoonPhaseDesc, ui_->lblMoonInSunsignDesc,
             ui_->lblMoonInElementDesc, ui_->lblFullBrand, ui_->lblCobrand})
        ui::GrowToWrappedText(label);

    ShowStoredPicture();

    // Esc leaves the window; Enter clicks the focused button, or Exit when no button has the focus.
    ui::DefaultCancelButtons::Install(this, ui_->cmdExit, ui_->cmdExit);
    ui::KeyboardFocusMark::InstallOnTabStops(this);

    connect(ui_->cmdBack, &QPushButton::clicked, this, &frmDisplay::backRequested);
    connect(ui_->mnuFileBack, &QAction::triggered, ui_->cmdBack, &QPushButton::click);
    connect(ui_->cmdExit, &QPushButton::clicked, this, &QWidget::close);
    connect(ui_->mnuExit, &QAction::triggered, ui_->cmdExit, &QPushButton::click);

    connect(ui_->Label61, &ClickableLabel::clicked, this, [] { web::LinkHomePage(); });
    connect(ui_->lblFullBrand, &ClickableLabel::clicked, this, [] { web::LinkFullyBranded(); });
    connect(ui_->lblCobrand, &ClickableLabel::clicked, this, [] { web::LinkCoBrand(); });
    ui::ConnectSharedMenus(this, *ui_);

    ui_->cmdBack->setFocus();
    StoreState();
}

frmDisplay::~frmDisplay() = default;

void frmDisplay::StoreState()
{
    for (QLabel* label : centralWidget()->findChildren<QLabel*>()) {
        if (label != ui_->PicMoonPhase)
            storedLabels_.append({label, label->text(), label->geometry(), label->font()});
    }
    for (QObject* child : centralWidget()->children()) {
        if (child->isWidgetType())
            storedOrder_.append(static_cast<QWidget*>(child));
    }
}

void frmDisplay::ResetToStoredState()
{
    for (const StoredLabel& stored : std::as_const(storedLabels_)) {
        if (stored.label->text() != stored.text)
            stored.label->setText(stored.text);
        if (stored.label->geometry() != stored.place)
            stored.label->setGeometry(stored.place);
        // A text too long for its frame may have narrowed the label's font.
        if (stored.label->font() != stored.font)
            stored.label->setFont(stored.font);
    }
    ShowStoredPicture();
    for (QWidget* widget : std::as_const(storedOrder_)) {
        widget->raise();
        widget->show();
    }
    ui_->cmdBack->setFocus();
    centring_->CentreAtNextShow();
}

void frmDisplay::ShowMoon(const lunetide::Moon& moon, const QString& phaseName,
                          Hemisphere hemisphere)
{
    ui::ShowMoonPicture(ui_->PicMoonPhase, ui::MoonPicture(moon, hemisphere), moon.age, phaseName);
}

// The picture the form stores, until a reading replaces it.
void frmDisplay::ShowStoredPicture()
{
    const Moon stored = MoonOfAge(kStoredAge);
    ShowMoon(stored, CoreText(PhaseTextsOf(stored.phase, TextCopy::Display).name),
             Hemisphere::North);
}

void frmDisplay::WriteReading(const ReadingRequest& request)
{
    const std::optional<Reading>& reading = request.reading;
    QFrame* shown = nullptr;
    switch (request.kind) {
    case ReadingKind::MoonPhase:
        if (reading && reading->moon) {
            const QString phaseName = CoreText(reading->phaseTexts.name);
            ShowMoon(*reading->moon, phaseName, request.hemisphere);
            SetSizedText(ui_->lblMoonPhaseName, phaseName);
            SetWrappedText(ui_->lblMoonPhaseDesc, CoreText(reading->phaseTexts.text));
            SetSizedText(ui_->lblDateTime, request.dateTime);
            SetSizedText(ui_->lblGivenDate, QStringLiteral("%1/%2/%3")
                                                .arg(request.date.month)
                                                .arg(request.date.day)
                                                .arg(request.date.year));
        }
        shown = ui_->fraMoonPhase;
        break;
    case ReadingKind::ZodiacalMoon:
        if (reading) {
            SetSizedText(ui_->lblMoonInSunsign, CoreText(reading->signTexts.title));
            SetSizedText(ui_->lblMoonInSunsignKeywords, CoreText(reading->signTexts.keyword));
            SetWrappedText(ui_->lblMoonInSunsignDesc, CoreText(reading->signTexts.text));
        }
        shown = ui_->fraZodiacalMoon;
        break;
    case ReadingKind::ElementalMoon:
        if (reading) {
            SetSizedText(ui_->lblMoonInElement, CoreText(reading->elementTexts.name));
            SetWrappedText(ui_->lblMoonInElementDesc, CoreText(reading->elementTexts.text));
        }
        shown = ui_->fraElementalMoon;
        break;
    }
    // In front of the other two frames, but still behind the strips, which cover the one-pixel
    // overlaps with the middle band. The other two lie exactly under it, so hiding them changes
    // no pixel; it spares painting them and their labels at every show, and keeps screen readers
    // and the Tab key away from texts no one can see.
    if (!shown)
        return;
    shown->stackUnder(ui_->Frame5);
    for (QFrame* frame : {ui_->fraMoonPhase, ui_->fraZodiacalMoon, ui_->fraElementalMoon})
        frame->setVisible(frame == shown);
}

void frmDisplay::SetDateTime(const QString& clockText)
{
    SetSizedText(ui_->lblDateTime, clockText);
}

// Closing always goes through; the registry carries out the rest of the unload step.
void frmDisplay::closeEvent(QCloseEvent* event)
{
    event->accept();
    if (!unloaded_) {
        unloaded_ = true;
        emit unloading();
    }
}
